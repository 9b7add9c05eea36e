// The Others hardware page: the motherboard (its name from the registry, maker and product
// from WMI), the first sound device and the first battery, in three groups split by two
// lines. It ends by starting the one-second refresh of the battery rows.
#include "sections/other_hardware.h"

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"
#include "shell/time_helpers.h"

namespace hv::sections {

namespace {

constexpr int kPage = 13;
constexpr int kSpacerLineOffset = 10;
// Nothing in the program writes this value; it shows only where another program put it.
constexpr const char* kMotherboardValue =
    "HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full";

struct BatteryLevels {
  std::string millivolts, percent, minutes;  // empty when not read
};

struct Readings {
  std::optional<std::string> motherboard, boardMaker, boardProduct;
  std::optional<std::string> soundName, soundMaker;
  std::optional<std::string> batteryName, batteryId;
  BatteryLevels levels;
};

std::optional<std::string> RegistryText(shell::App& app, const char* path) {
  if (!app.shell) return std::nullopt;
  const auto v = app.shell->RegRead(path);
  if (!v) return std::nullopt;
  const auto text = platform::CStr(*v);
  if (!text) return std::nullopt;
  return platform::Trim(*text);
}

// Some batteries report their name padded with U+000E; it is dropped after the trimming.
std::optional<std::string> BatteryName(const platform::WmiItem& battery) {
  auto name = ReadText(battery, "Name");
  if (name) *name = WithoutFillCharacters(*name);
  return name;
}

BatteryLevels ReadLevels(const platform::WmiItem& battery) {
  return {ReadText(battery, "DesignVoltage").value_or(""),
          ReadText(battery, "EstimatedChargeRemaining").value_or(""),
          ReadText(battery, "EstimatedRunTime").value_or("")};
}

Readings Read(shell::App& app) {
  Readings r;
  r.motherboard = RegistryText(app, kMotherboardValue);
  if (const auto board = FirstItem(app.wmi, "Select Manufacturer, Product from Win32_BaseBoard")) {
    r.boardMaker = ReadText(*board, "Manufacturer");
    r.boardProduct = ReadText(*board, "Product");
  }
  if (const auto sound = FirstItem(app.wmi, "Select Name, Manufacturer from Win32_SoundDevice")) {
    r.soundName = ReadText(*sound, "Name");
    r.soundMaker = ReadText(*sound, "Manufacturer");
  }
  if (const auto battery = FirstItem(app.wmi,
                                     "Select DesignVoltage, DeviceID, EstimatedChargeRemaining, "
                                     "EstimatedRunTime, Name from Win32_Battery")) {
    r.batteryName = BatteryName(*battery);
    r.batteryId = ReadText(*battery, "DeviceID");
    r.levels = ReadLevels(*battery);
  }
  return r;
}

std::optional<std::string> ChargeText(const std::string& percent) {
  if (percent.empty()) return std::nullopt;
  return percent + "%";
}

std::optional<std::string> RunTimeText(const std::string& minutes, const lang::TextTable& t) {
  if (minutes.empty()) return std::nullopt;
  const auto whole = platform::CLng(platform::Variant(minutes));
  if (!whole) return std::nullopt;
  const auto time = shell::MinutesToTime(*whole);
  if (!time) return std::nullopt;
  return FillPlaceholder(t[54], "(HHMMSS)", *time);
}

void WriteLevels(shell::App& app, const BatteryLevels& levels) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  const char separator = app.system.DecimalSeparator();
  WriteValue(w, 10, ValueOrUnknown(VoltageText(levels.millivolts, t[173], separator), t));
  WriteValue(w, 11, ValueOrUnknown(ChargeText(levels.percent), t));
  WriteValue(w, 12, ValueOrUnknown(RunTimeText(levels.minutes, t), t));
}

void Row(shell::MainWindow& w, const lang::TextTable& t, int row, int caption,
         const std::optional<std::string>& value) {
  WriteRow(w, t, row, t[caption] + " ", value);
}

void WriteRows(shell::App& app, const Readings& r) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  HeadingReset(w, 1);
  Row(w, t, 1, 150, r.motherboard);
  Row(w, t, 2, 59, r.boardMaker);
  Row(w, t, 3, 104, r.boardProduct);
  SetCaptionTip(w, 3, "");

  BlankRow(w, 4);
  w.LT[4]->SetToolTipText("");
  ShowSpacerLine(*w.Line1, w, 4, kSpacerLineOffset);

  Row(w, t, 5, 151, r.soundName);
  SetCaptionTip(w, 5, "");
  Row(w, t, 6, 59, r.soundMaker);

  BlankRow(w, 7);
  ShowSpacerLine(*w.Line2, w, 7, kSpacerLineOffset);

  HeadingReset(w, 8);
  Row(w, t, 8, 171, r.batteryName);
  // The battery has no serial number of its own in WMI: its device identifier stands in.
  Row(w, t, 9, 74, r.batteryId);
  WriteCaption(w, 10, t[172] + " ");
  WriteCaption(w, 11, t[174] + " ");
  WriteCaption(w, 12, t[175] + " ");
  WriteLevels(app, r.levels);
}

}  // namespace

void ShowOtherHardware(shell::App& app) {
  shell::MainWindow& w = app.Main();
  EnterPage(w, app.text, kPage);
  const Readings r = Read(app);
  w.Titulo->SetCaption(app.text[23]);
  HideAll({w.LNoDrive, w.Iaviso, w.Laviso});
  WriteRows(app, r);
  w.Timer1->SetEnabled(true);
}

}  // namespace hv::sections

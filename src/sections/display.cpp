// The Display page: the first monitor, the current screen configuration, the refresh rates
// the display supports, and the first graphics card with its memory and drivers. Line1
// separates the monitor from the card across row 5.
#include "sections/display.h"

#include <cstdint>
#include <optional>
#include <string>

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 9;
constexpr int kSpacerRow = 5;
constexpr int kSpacerOffset = 10;

struct Screen {
  std::optional<std::string> monitor, monitorMaker;
  std::optional<std::string> configuration;
  std::string minRate, maxRate;
  std::optional<std::string> card, dacType, drivers, driverVersion, driverDate;
  std::int64_t memoryMb = 0;
};

void ReadMonitor(platform::WmiService* wmi, Screen& s) {
  const auto item = FirstItem(wmi, "Select Name, MonitorManufacturer from Win32_DesktopMonitor");
  if (!item) return;
  s.monitor = ReadText(*item, "Name");
  s.monitorMaker = ReadText(*item, "MonitorManufacturer");
}

void ReadCard(platform::WmiService* wmi, const lang::TextTable& t, Screen& s) {
  const auto item = FirstItem(
      wmi,
      "Select CurrentHorizontalResolution, CurrentVerticalResolution, CurrentBitsPerPixel, "
      "CurrentRefreshRate, MinRefreshRate, MaxRefreshRate, Name, AdapterDACType, "
      "InstalledDisplayDrivers, DriverVersion, DriverDate, AdapterRAM from Win32_VideoController");
  if (!item) return;
  // A missing (Null) part fails the configuration's test like an empty one.
  auto text = [&](const char* prop) { return ReadText(*item, prop).value_or(""); };
  s.configuration =
      ConfigurationText(text("CurrentHorizontalResolution"), text("CurrentVerticalResolution"),
                        text("CurrentBitsPerPixel"), text("CurrentRefreshRate"), t[112]);
  s.minRate = text("MinRefreshRate");
  s.maxRate = text("MaxRefreshRate");
  s.card = ReadText(*item, "Name");
  s.dacType = ReadText(*item, "AdapterDACType");
  s.drivers = ReadText(*item, "InstalledDisplayDrivers");
  s.driverVersion = ReadText(*item, "DriverVersion");
  s.driverDate = ReadText(*item, "DriverDate");
  if (const auto ram = ReadValue(*item, "AdapterRAM"))
    s.memoryMb = AdapterMemoryMb(*ram).value_or(0);
}

// Row 4: the caption and its description follow which of the two rates are known.
void WriteRateRow(shell::MainWindow& w, const lang::TextTable& t, const Screen& s) {
  const RateRow rate = UpdateRateRule(s.minRate, s.maxRate, t[168]);
  int caption = 117;
  if (rate.caption == RateCaption::Maximum) caption = 113;
  if (rate.caption == RateCaption::Minimum) caption = 115;
  WriteRow(w, t, 4, t[caption] + " ", rate.value);
  SetCaptionTip(w, 4, t[caption + 1]);
}

std::optional<std::string> MemoryText(std::int64_t mb) {
  if (mb == 0) return std::nullopt;
  return MbGbText(mb);
}

}  // namespace

void ShowDisplay(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  EnterPage(w, t, kPage);

  Screen s;
  ReadMonitor(app.wmi, s);
  ReadCard(app.wmi, t, s);
  std::optional<std::string> driverDate;
  if (s.driverDate) driverDate = WmiDateText(*s.driverDate, app.system);

  w.Titulo->SetCaption(t[10 + kPage]);
  HideAll({w.LNoDrive, w.Line1, w.Iaviso, w.Laviso});
  HeadingReset(w, 1);
  WriteRow(w, t, 1, t[109] + " ", s.monitor);
  WriteRow(w, t, 2, t[59] + " ", s.monitorMaker);
  WriteRow(w, t, 3, t[110] + " ", s.configuration);
  SetCaptionTip(w, 3, t[111]);
  WriteRateRow(w, t, s);

  BlankRow(w, kSpacerRow);
  SetCaptionTip(w, kSpacerRow, "");
  ShowSpacerLine(*w.Line1, w, kSpacerRow, kSpacerOffset);

  WriteRow(w, t, 6, t[119] + " ", s.card);
  WriteRow(w, t, 7, t[120] + " ", MemoryText(s.memoryMb));
  HeadingReset(w, 8);
  WriteRow(w, t, 8, t[121] + " ", s.dacType);
  WriteRow(w, t, 9, t[122] + " ", s.drivers);
  WriteRow(w, t, 10, t[123] + " ", s.driverVersion);
  WriteRow(w, t, 11, t[124] + " ", driverDate);
  BlankRow(w, kLastRow);
}

}  // namespace hv::sections

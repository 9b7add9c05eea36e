// The Bios page: the firmware's name, maker, version, release date and serial number, all
// from the first Win32_BIOS item.
#include "sections/bios.h"

#include <optional>
#include <string>

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 8;

struct Firmware {
  std::optional<std::string> name, maker, version, released, serial;
};

Firmware ReadFirmware(platform::WmiService* wmi) {
  Firmware f;
  const auto item = FirstItem(
      wmi,
      "Select Name, Manufacturer, SMBIOSBIOSVersion, ReleaseDate, SerialNumber from Win32_BIOS");
  if (!item) return f;
  f.name = ReadText(*item, "Name");
  f.maker = ReadText(*item, "Manufacturer");
  f.version = ReadText(*item, "SMBIOSBIOSVersion");
  f.released = ReadText(*item, "ReleaseDate");
  f.serial = ReadText(*item, "SerialNumber");
  return f;
}

}  // namespace

void ShowBios(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  EnterPage(w, t, kPage);

  const Firmware f = ReadFirmware(app.wmi);
  // Only the date counts; the time and the offset of the WMI text are left out.
  std::optional<std::string> released;
  if (f.released) released = WmiDateText(*f.released, app.system);

  w.Titulo->SetCaption(t[10 + kPage]);
  HideAll({w.LNoDrive, w.Line1, w.Iaviso, w.Laviso});
  HeadingReset(w, 1);
  WriteRow(w, t, 1, t[36] + " ", f.name);
  WriteRow(w, t, 2, t[59] + " ", f.maker);
  WriteRow(w, t, 3, t[107] + " ", f.version);
  WriteRow(w, t, 4, t[108] + " ", released);
  WriteRow(w, t, 5, t[74] + " ", f.serial);
  for (int row = 3; row <= 5; ++row) SetCaptionTip(w, row, "");
  BlankRows(w, 6, kLastRow);
}

}  // namespace hv::sections

// The Summary page: processor speed, RAM, graphics memory and free space under "Main
// features"; operating system, graphics card and motherboard under "Others features". Each
// row's query runs just before its row is written.
#include "sections/summary.h"

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 1;
constexpr double kBytesPerMb = 1024.0 * 1024.0;
// Nothing in the program writes this value; it shows only where another program put it.
constexpr const char* kMotherboardValue =
    "HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full";

struct Page {
  shell::App& app;
  shell::MainWindow& w;
  const lang::TextTable& t;
};

void Heading(const Page& p, int row, int element) {
  const shell::Appearance& look = p.app.look;
  StyleHeading(p.w, row, tk::Rgb(look.colorRed, look.colorGreen, look.colorBlue));
  p.w.LT[row]->SetCaption(p.t[element]);
  WriteValue(p.w, row, "");
}

// Rows 3 to 5 carry no caption description on this page.
void NumberRow(const Page& p, int row, const std::optional<std::string>& value) {
  WriteValue(p.w, row, ValueOrUnknown(value, p.t));
  SetCaptionTip(p.w, row, "");
}

void ProcessorSpeedRow(const Page& p) {
  WriteCaption(p.w, 3, p.t[27] + " ");
  std::int64_t mhz = 0;
  if (const auto item = FirstItem(p.app.wmi, "Select MaxClockSpeed from Win32_Processor"))
    mhz = ReadNumber(*item, "MaxClockSpeed").value_or(0);
  const int processors = p.app.system.ProcessorCount();
  NumberRow(p, 3, SummarySpeedText(mhz, processors, p.t[28], p.app.system.DecimalSeparator()));
}

std::optional<std::string> MbGbOrNothing(std::int64_t mb) {
  if (mb == 0) return std::nullopt;
  return MbGbText(mb);
}

void RamRow(const Page& p) {
  WriteCaption(p.w, 4, p.t[16] + ": ");
  const std::int64_t mb = SumFloor(
      QueryItems(p.app.wmi, "Select Capacity from Win32_PhysicalMemory"), "Capacity", kBytesPerMb);
  NumberRow(p, 4, MbGbOrNothing(mb));
}

// Returns the card's name for row 11, read from the same item.
std::optional<std::string> GraphicsMemoryRow(const Page& p) {
  WriteCaption(p.w, 5, p.t[29] + " ");
  std::int64_t mb = 0;
  std::optional<std::string> name;
  if (const auto item =
          FirstItem(p.app.wmi, "Select AdapterRAM, Name from Win32_VideoController")) {
    // Two separate reads: one failing leaves the other.
    if (const auto ram = ReadValue(*item, "AdapterRAM")) mb = AdapterMemoryMb(*ram).value_or(0);
    name = ReadText(*item, "Name");
  }
  NumberRow(p, 5, MbGbOrNothing(mb));
  return name;
}

void FreeSpaceRow(const Page& p) {
  WriteCaption(p.w, 6, p.t[30] + " ");
  const std::int64_t mb =
      SumFloor(QueryItems(p.app.wmi, "Select Freespace from Win32_LogicalDisk where DriveType = 3"),
               "Freespace", kBytesPerMb);
  std::optional<std::string> value;
  if (mb != 0) value = FreeSpaceText(mb, p.app.system.DecimalSeparator());
  WriteValue(p.w, 6, ValueOrUnknown(value, p.t));
}

void OperatingSystemRow(const Page& p) {
  WriteCaption(p.w, 10, p.t[14] + ": ");
  std::optional<std::string> caption;
  if (const auto item = FirstItem(p.app.wmi, "Select Caption from Win32_OperatingSystem"))
    caption = ReadText(*item, "Caption");
  WriteValue(p.w, 10, ValueOrUnknown(caption, p.t));
}

void MotherboardRow(const Page& p) {
  WriteCaption(p.w, 12, p.t[33] + " ");
  std::optional<std::string> name;
  if (p.app.shell)
    if (const auto v = p.app.shell->RegRead(kMotherboardValue))
      if (const auto text = platform::CStr(*v)) name = platform::Trim(*text);
  WriteValue(p.w, 12, ValueOrUnknown(name, p.t));
}

}  // namespace

void ShowSummary(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const Page p{app, w, app.text};
  w.Titulo->SetCaption(p.t[11]);
  EnterPage(w, p.t, kPage, {w.LNoDrive, w.Iaviso, w.Laviso, w.Line1});

  Heading(p, 1, 26);
  BlankRow(w, 2);
  ProcessorSpeedRow(p);
  RamRow(p);
  const std::optional<std::string> cardName = GraphicsMemoryRow(p);
  FreeSpaceRow(p);
  BlankRow(w, 7);

  Heading(p, 8, 31);
  BlankRow(w, 9);
  OperatingSystemRow(p);
  WriteCaption(w, 11, p.t[32] + ": ");
  WriteValue(w, 11, ValueOrUnknown(cardName, p.t));
  MotherboardRow(p);
}

}  // namespace hv::sections

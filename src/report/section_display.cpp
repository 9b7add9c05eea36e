// The report's Display section: the first monitor, the current screen configuration and the
// refresh rates the display supports. It reads the first video controller once for this
// section and the Graphics card section after it, and leaves that one's texts and memory
// for it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "report/display_slots.h"
#include "report/section_writers.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

constexpr std::size_t kMonitor = 1;
constexpr std::size_t kMonitorMaker = 2;
constexpr std::size_t kConfiguration = 3;
constexpr std::size_t kMinRate = 4;
constexpr std::size_t kMaxRate = 5;

void ReadMonitor(ReportRun& run) {
  const auto item = sections::FirstItem(
      run.app.wmi, "Select Name, MonitorManufacturer from Win32_DesktopMonitor");
  if (!item) return;
  run.app.sectionValues[kMonitor] = sections::ReadText(*item, "Name").value_or("");
  run.app.sectionValues[kMonitorMaker] =
      sections::ReadText(*item, "MonitorManufacturer").value_or("");
}

void ReadCard(ReportRun& run) {
  const auto item = sections::FirstItem(
      run.app.wmi,
      "Select CurrentHorizontalResolution, CurrentVerticalResolution, CurrentBitsPerPixel, "
      "CurrentRefreshRate, MinRefreshRate, MaxRefreshRate, Name, AdapterDACType, "
      "InstalledDisplayDrivers, DriverVersion, DriverDate, AdapterRAM from Win32_VideoController");
  if (!item) return;
  // A missing (Null) part fails the configuration's test like an empty one.
  auto text = [&](const char* prop) { return sections::ReadText(*item, prop).value_or(""); };
  std::array<std::string, 12>& slots = run.app.sectionValues;
  slots[kConfiguration] =
      sections::ConfigurationText(text("CurrentHorizontalResolution"),
                                  text("CurrentVerticalResolution"), text("CurrentBitsPerPixel"),
                                  text("CurrentRefreshRate"), Text(run, 112))
          .value_or("");
  slots[kMinRate] = text("MinRefreshRate");
  slots[kMaxRate] = text("MaxRefreshRate");
  slots[display_slots::kCardName] = text("Name");
  slots[display_slots::kMemoryType] = text("AdapterDACType");
  slots[display_slots::kDrivers] = text("InstalledDisplayDrivers");
  slots[display_slots::kDriverVersion] = text("DriverVersion");
  slots[display_slots::kDriverDate] = text("DriverDate");
  // AdapterRAM is an unsigned count that arrives signed: read so, 2 GB and more stay
  // positive. It is at most 4095 MB and fits.
  if (const auto ram = sections::ReadValue(*item, "AdapterRAM"))
    run.displayMemoryMb = static_cast<std::int32_t>(sections::AdapterMemoryMb(*ram).value_or(0));
}

ReportRow RateRow(ReportRun& run) {
  std::array<std::string, 12>& slots = run.app.sectionValues;
  if (slots[kMinRate].empty()) slots[kMinRate] = "0";
  if (slots[kMaxRate].empty()) slots[kMaxRate] = "0";
  const sections::RateRow rate =
      sections::UpdateRateRule(slots[kMinRate], slots[kMaxRate], Text(run, 168));
  int caption = 117;
  if (rate.caption == sections::RateCaption::Maximum) caption = 113;
  if (rate.caption == sections::RateCaption::Minimum) caption = 115;
  return {Text(run, caption), ValueOrUnknown(run, rate.value.value_or(""))};
}

}  // namespace

void ReportDisplay(ReportRun& run) {
  std::array<std::string, 12>& slots = run.app.sectionValues;
  for (std::size_t i = 1; i <= display_slots::kDriverDate; ++i) slots[i].clear();
  run.displayMemoryMb = 0;
  ReadMonitor(run);
  ReadCard(run);

  const std::vector<ReportRow> rows{
      {Text(run, 109), ValueOrUnknown(run, slots[kMonitor])},
      {Text(run, 59), ValueOrUnknown(run, slots[kMonitorMaker])},
      {Text(run, 110), ValueOrUnknown(run, slots[kConfiguration])},
      RateRow(run),
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

// The report's Computer section: manufacturer, model and system type of the machine, the
// auto restart option, the start-up list's delay and the workgroup or domain, from the first
// Win32_ComputerSystem item asked of WMI afresh.
#include <array>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

// Slots of app.sectionValues this section uses, in the order of the query's properties.
constexpr std::size_t kManufacturer = 1, kModel = 2, kSystemType = 3, kAutoRestart = 4,
                      kStartupDelay = 5, kDomain = 6;
constexpr const char* kProps[] = {"Manufacturer",       "Model",
                                  "SystemType",         "AutomaticResetBootOption",
                                  "SystemStartupDelay", "Domain"};

void Gather(platform::WmiService* wmi, std::array<std::string, 12>& s) {
  const auto item = sections::FirstItem(wmi,
                                        "Select Manufacturer, Model, SystemType, "
                                        "AutomaticResetBootOption, SystemStartupDelay, Domain "
                                        "from Win32_ComputerSystem");
  if (!item) return;
  // Separate reads: one that fails leaves only its own slot empty.
  std::size_t slot = kManufacturer;
  for (const char* prop : kProps) {
    if (const auto text = sections::ReadText(*item, prop)) s[slot] = *text;
    ++slot;
  }
}

// The option was kept as the text of its truth value and is read back as one.
std::string AutoRestart(const ReportRun& run, const std::string& option) {
  const auto on = sections::ReadTruthValue(option);
  if (!on) return {};
  return Text(run, *on ? 64 : 65);
}

// The delay goes into its template as gathered, without a test that it is a number.
std::string StartupDelay(const ReportRun& run, const std::string& delay) {
  if (delay.empty()) return {};
  return sections::FillPlaceholder(Text(run, 167), "(#)", delay);
}

}  // namespace

void ReportComputer(ReportRun& run) {
  std::array<std::string, 12>& s = run.app.sectionValues;
  for (std::size_t i = kManufacturer; i <= kDomain; ++i) s[i].clear();
  Gather(run.app.wmi, s);

  const auto row = [&run](int caption, const std::string& value) {
    return ReportRow{Text(run, caption), ValueOrUnknown(run, value)};
  };
  const std::vector<ReportRow> rows{
      row(59, s[kManufacturer]),
      row(60, s[kModel]),
      row(61, s[kSystemType]),
      row(62, AutoRestart(run, s[kAutoRestart])),
      row(66, StartupDelay(run, s[kStartupDelay])),
      row(69, sections::Capitalised(s[kDomain])),
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

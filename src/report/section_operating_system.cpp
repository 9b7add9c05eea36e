// The report's Operating system section: name, version and build, service pack,
// architecture, serial number, product key, language, registered user, process count,
// installation date and total virtual memory of the installed Windows, asked of WMI afresh.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/variant.h"
#include "report/section_writers.h"
#include "sections/item_pass.h"
#include "sections/operating_system.h"
#include "sections/value_rules.h"
#include "shell/app.h"
#include "shell/time_helpers.h"

namespace hv::report {

namespace {

using sections::ItemPass;

constexpr double kKbPerMb = 1024.0;

// What the passes gather. The second pass overwrites only what it reads again, so the
// architecture stays as far as the first pass got.
struct OsValues {
  std::optional<std::string> version;  // the built "6.1, 7601"; nullopt when never read
  std::string name, servicePack, architecture, serial, language, user, processes, installDate;
  std::int64_t totalMb = 0;
};

void Assign(std::optional<std::string> read, std::string& slot) {
  if (read) slot = std::move(*read);
}

// FreeVirtualMemory is asked for with the rest but the report has no use for it.
void Gather(ItemPass& pass, OsValues& s) {
  Assign(pass.Text("Caption"), s.name);
  if (const auto version = pass.Text("Version")) s.version = sections::VersionBuildText(*version);
  Assign(pass.Text("ServicePackMajorVersion"), s.servicePack);
  if (pass.Strict()) Assign(pass.Text("OSArchitecture"), s.architecture);
  Assign(pass.Text("SerialNumber"), s.serial);
  Assign(pass.Text("OSLanguage"), s.language);
  Assign(pass.Text("RegisteredUser"), s.user);
  Assign(pass.Text("NumberOfProcesses"), s.processes);
  Assign(pass.Text("InstallDate"), s.installDate);
  if (const auto total = pass.Floor("TotalVirtualMemorySize", kKbPerMb)) s.totalMb = *total;
}

OsValues ReadValues(platform::WmiService* wmi) {
  OsValues s;
  ItemPass full(wmi, sections::kOsFullQuery, ItemPass::Mode::Strict);
  Gather(full, s);
  // One retry, without the architecture; what still fails then shows "Unknown".
  if (full.Failed()) {
    ItemPass reduced(wmi, sections::kOsReducedQuery, ItemPass::Mode::Lenient);
    Gather(reduced, s);
  }
  return s;
}

std::string Or(const ReportRun& run, const std::optional<std::string>& value) {
  return ValueOrUnknown(run, value.value_or(""));
}

std::optional<std::string> InstallDate(ReportRun& run, const std::string& installDate) {
  if (installDate.empty()) return std::nullopt;
  sections::TimeFormat format;
  format.picture = run.app.system.LongTimeFormat();
  return sections::InstallationDateText(installDate, Text(run, 80),
                                        run.app.system.ShortDateFormat(), format);
}

std::optional<std::string> TotalVirtualMemory(std::int64_t totalMb) {
  if (totalMb < 1) return std::nullopt;
  return std::to_string(totalMb) + " MB";
}

}  // namespace

void ReportOperatingSystem(ReportRun& run) {
  const OsValues s = ReadValues(run.app.wmi);
  // Asked for after the query whether or not it gave an item: the key is in the registry.
  const std::string productKey = platform::Trim(shell::ProductKey(run.app.system));
  const auto t = [&run](int element) { return Text(run, element); };

  const std::vector<ReportRow> rows{
      {t(36), ValueOrUnknown(run, s.name)},
      // Shown as built, without an "Unknown": an empty version shows the bare ", ", and a
      // version never read leaves the row without a value.
      {t(70), s.version.value_or("")},
      {t(71), Or(run, sections::ServicePackText(s.servicePack, t(73), t(72)))},
      {t(61), ValueOrUnknown(run, s.architecture)},
      {t(74), ValueOrUnknown(run, s.serial)},
      {t(75), ValueOrUnknown(run, productKey)},
      {t(76), Or(run, sections::OsLanguageName(s.language))},
      {t(77), ValueOrUnknown(run, s.user)},
      {t(78), Or(run, sections::CountText(s.processes, 1))},
      {t(79), Or(run, InstallDate(run, s.installDate))},
      {t(161), Or(run, TotalVirtualMemory(s.totalMb))},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

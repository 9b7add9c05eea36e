// The report's Operating system section: name, version and build, service pack,
// architecture, serial number, product key, language, registered user, process count,
// installation date and total virtual memory of the installed Windows, asked of WMI afresh.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "sections/os_reader.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

std::string Or(const ReportRun& run, const std::optional<std::string>& value) {
  return ValueOrUnknown(run, value.value_or(""));
}

std::optional<std::string> InstallDate(ReportRun& run, const std::string& installDate) {
  if (installDate.empty()) return std::nullopt;
  return sections::InstallationDateText(installDate, Text(run, 80), run.app.system);
}

std::optional<std::string> TotalVirtualMemory(std::int64_t totalMb) {
  if (totalMb < 1) return std::nullopt;
  return std::to_string(totalMb) + " MB";
}

}  // namespace

void ReportOperatingSystem(ReportRun& run) {
  // Asked again only when the first query failed; the product key is read after the query.
  const sections::OsValues s = sections::ReadOperatingSystem(run.app.wmi, run.app.system, {});
  const auto t = [&run](int element) { return Text(run, element); };

  const std::vector<ReportRow> rows{
      {t(36), ValueOrUnknown(run, s.name)},
      // Shown as built, without an "Unknown": an empty version shows the bare ", ", and a
      // version never read leaves the row without a value.
      {t(70), s.version.value_or("")},
      {t(71), Or(run, sections::ServicePackText(s.servicePack, t(73), t(72)))},
      {t(61), ValueOrUnknown(run, s.architecture)},
      {t(74), ValueOrUnknown(run, s.serial)},
      {t(75), ValueOrUnknown(run, s.productKey)},
      {t(76), Or(run, sections::OsLanguageName(s.language))},
      {t(77), ValueOrUnknown(run, s.user)},
      {t(78), Or(run, sections::CountText(s.processes, 1))},
      {t(79), Or(run, InstallDate(run, s.installDate))},
      {t(161), Or(run, TotalVirtualMemory(s.totalMb))},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

// The report's Processor section: name, clock speed, the number of processors that Windows
// counts, manufacturer, type, socket, architecture and the level-2 and level-3 cache sizes
// of the first processor that WMI lists, asked of WMI afresh.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "sections/cpu_reader.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

std::string Or(const ReportRun& run, const std::optional<std::string>& value) {
  return ValueOrUnknown(run, value.value_or(""));
}

// Without a maximum speed the row still says "Speed:" with "Unknown".
ReportRow SpeedRow(const ReportRun& run, const sections::CpuValues& v) {
  const sections::SpeedRow speed = sections::SpeedRule(v.currentMhz, v.maximumMhz);
  const int caption = speed.caption == sections::SpeedCaption::CurrentAndMaximum ? 82 : 83;
  return {Text(run, caption), Or(run, speed.value)};
}

}  // namespace

void ReportProcessor(ReportRun& run) {
  // Asked again only when the first query failed; the processors are counted after it.
  const sections::CpuValues v = sections::ReadProcessor(run.app.wmi, run.app.system, {});
  const auto t = [&run](int element) { return Text(run, element); };

  const std::vector<ReportRow> rows{
      {t(36), ValueOrUnknown(run, v.name)},
      SpeedRow(run, v),
      {t(84), Or(run, sections::CountText(v.processors, 1))},
      {t(59), ValueOrUnknown(run, v.manufacturer)},
      {t(61), ValueOrUnknown(run, v.type)},
      {t(85), ValueOrUnknown(run, v.socket)},
      {t(86), Or(run, sections::ArchitectureName(v.architecture))},
      {t(87), Or(run, sections::CacheSizeText(v.l2Cache))},
      {t(88), Or(run, sections::CacheSizeText(v.l3Cache))},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

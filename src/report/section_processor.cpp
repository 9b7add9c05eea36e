// The report's Processor section: name, clock speed, the number of processors that Windows
// counts, manufacturer, type, socket, architecture and the level-2 and level-3 cache sizes
// of the first processor that WMI lists, asked of WMI afresh.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report/section_writers.h"
#include "sections/item_pass.h"
#include "sections/processor.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

using sections::ItemPass;

// What the passes gather. The second pass overwrites only what it reads again, so the
// level-3 cache stays as far as the first pass got.
struct CpuValues {
  std::string name, manufacturer, type, socket, architecture, l2Cache, l3Cache;
  std::int64_t currentMhz = 0, maximumMhz = 0;
};

void Assign(std::optional<std::string> read, std::string& slot) {
  if (read) slot = std::move(*read);
}

void Gather(ItemPass& pass, CpuValues& v) {
  Assign(pass.Text("Name"), v.name);
  if (const auto mhz = pass.Number("CurrentClockSpeed")) v.currentMhz = *mhz;
  if (const auto mhz = pass.Number("MaxClockSpeed")) v.maximumMhz = *mhz;
  Assign(pass.Text("Manufacturer"), v.manufacturer);
  Assign(pass.Text("Caption"), v.type);
  Assign(pass.Text("SocketDesignation"), v.socket);
  Assign(pass.Text("Architecture"), v.architecture);
  Assign(pass.Text("L2CacheSize"), v.l2Cache);
  if (pass.Strict()) Assign(pass.Text("L3CacheSize"), v.l3Cache);
}

CpuValues ReadValues(platform::WmiService* wmi) {
  CpuValues v;
  ItemPass full(wmi, sections::kCpuFullQuery, ItemPass::Mode::Strict);
  Gather(full, v);
  // One retry, without the level-3 cache; what still fails then shows "Unknown".
  if (full.Failed()) {
    ItemPass reduced(wmi, sections::kCpuReducedQuery, ItemPass::Mode::Lenient);
    Gather(reduced, v);
  }
  return v;
}

std::string Or(const ReportRun& run, const std::optional<std::string>& value) {
  return ValueOrUnknown(run, value.value_or(""));
}

// Without a maximum speed the row still says "Speed:" with "Unknown".
ReportRow SpeedRow(const ReportRun& run, const CpuValues& v) {
  const sections::SpeedRow speed = sections::SpeedRule(v.currentMhz, v.maximumMhz);
  const int caption = speed.caption == sections::SpeedCaption::CurrentAndMaximum ? 82 : 83;
  return {Text(run, caption), Or(run, speed.value)};
}

}  // namespace

void ReportProcessor(ReportRun& run) {
  const CpuValues v = ReadValues(run.app.wmi);
  // The logical processors Windows counts, not the cores WMI reports for one package.
  const std::string processors = std::to_string(run.app.system.ProcessorCount());
  const auto t = [&run](int element) { return Text(run, element); };

  const std::vector<ReportRow> rows{
      {t(36), ValueOrUnknown(run, v.name)},
      SpeedRow(run, v),
      {t(84), Or(run, sections::CountText(processors, 1))},
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

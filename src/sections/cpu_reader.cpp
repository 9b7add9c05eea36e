#include "sections/cpu_reader.h"

#include "sections/item_pass.h"

namespace hv::sections {

namespace {

void Gather(ItemPass& pass, CpuValues& v) {
  pass.TextInto("Name", v.name);
  if (const auto mhz = pass.Number("CurrentClockSpeed")) v.currentMhz = *mhz;
  if (const auto mhz = pass.Number("MaxClockSpeed")) v.maximumMhz = *mhz;
  pass.TextInto("Manufacturer", v.manufacturer);
  pass.TextInto("Caption", v.type);
  pass.TextInto("SocketDesignation", v.socket);
  pass.TextInto("Architecture", v.architecture);
  pass.TextInto("L2CacheSize", v.l2Cache);
  if (pass.Strict()) pass.TextInto("L3CacheSize", v.l3Cache);
}

}  // namespace

CpuValues ReadProcessor(platform::WmiService* wmi, platform::System& system,
                        const CpuReading& how) {
  // The logical processors Windows counts, not the cores WMI reports for one package.
  const auto count = [&system](CpuValues& v) {
    v.processors = std::to_string(system.ProcessorCount());
  };
  // One retry, without the level-3 cache; what still fails then shows "Unknown".
  return ReadWithRetry<CpuValues>(wmi, kCpuFullQuery, kCpuReducedQuery, Gather, count,
                                  how.countEachPass, how.retryAlso);
}

}  // namespace hv::sections

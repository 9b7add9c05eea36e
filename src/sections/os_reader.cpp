#include "sections/os_reader.h"

#include "sections/item_pass.h"
#include "sections/value_rules.h"
#include "shell/time_helpers.h"

namespace hv::sections {

namespace {

constexpr double kKbPerMb = 1024.0;

void Gather(ItemPass& pass, bool inUse, OsValues& s) {
  pass.TextInto("Caption", s.name);
  if (const auto version = pass.Text("Version")) s.version = VersionBuildText(*version);
  pass.TextInto("ServicePackMajorVersion", s.servicePack);
  if (pass.Strict()) pass.TextInto("OSArchitecture", s.architecture);
  pass.TextInto("SerialNumber", s.serial);
  pass.TextInto("OSLanguage", s.language);
  pass.TextInto("RegisteredUser", s.user);
  pass.TextInto("NumberOfProcesses", s.processes);
  pass.TextInto("InstallDate", s.installDate);
  if (const auto total = pass.Floor("TotalVirtualMemorySize", kKbPerMb)) s.totalMb = *total;
  if (!inUse) return;
  if (const auto free = pass.Floor("FreeVirtualMemory", kKbPerMb)) s.usedMb = s.totalMb - *free;
}

}  // namespace

OsValues ReadOperatingSystem(platform::WmiService* wmi, platform::System& system,
                             const OsReading& how) {
  const auto gather = [&how](ItemPass& pass, OsValues& s) { Gather(pass, how.inUse, s); };
  // Asked for whether or not the query gave an item: the key is in the registry.
  const auto key = [&system](OsValues& s) {
    s.productKey = platform::Trim(shell::ProductKey(system));
  };
  // One retry, without the architecture; what still fails then shows "Unknown".
  return ReadWithRetry<OsValues>(wmi, kOsFullQuery, kOsReducedQuery, gather, key, how.keyEachPass,
                                 how.retryAlso);
}

}  // namespace hv::sections

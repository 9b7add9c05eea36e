#pragma once
// Reading the installed Windows from the first Win32_OperatingSystem item, for the Operating
// system page and its report section alike. Each caller keeps its own rows; what sets their
// readings apart is given in OsReading.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/system.h"
#include "platform/wmi.h"

namespace hv::sections {

// Windows before Vista has no OSArchitecture, and a query that names it fails there as a
// whole: the page and the report then ask again without it.
inline constexpr const char* kOsFullQuery =
    "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
    "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version, "
    "OSArchitecture from Win32_OperatingSystem";
inline constexpr const char* kOsReducedQuery =
    "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
    "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version "
    "from Win32_OperatingSystem";

// What the passes gather. The second pass overwrites only what it reads again, so the
// architecture stays as far as the first pass got.
struct OsValues {
  std::optional<std::string> version;  // the built "6.1, 7601"; nullopt when never read
  std::string name, servicePack, architecture, serial, productKey, language, user, processes,
      installDate;
  std::int64_t totalMb = 0;
  std::int64_t usedMb = 0;  // only where the free memory is read
};

struct OsReading {
  // The page shows the virtual memory in use: each pass that reads FreeVirtualMemory takes
  // that pass's total less the free. The report asks for the free memory with the rest but
  // never reads it, so a free memory without a value cannot fail its first pass.
  bool inUse = false;
  // The page asks for the product key after each pass, the report once after the query.
  bool keyEachPass = false;
  // Besides a first pass that failed, what else calls for the second one.
  std::function<bool(const OsValues&)> retryAlso;
};

OsValues ReadOperatingSystem(platform::WmiService* wmi, platform::System& system,
                             const OsReading& how);

}  // namespace hv::sections

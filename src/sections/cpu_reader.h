#pragma once
// Reading the first processor that WMI lists, for the Processor page and its report section
// alike. Each caller keeps its own rows; what sets their readings apart is given in
// CpuReading.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/system.h"
#include "platform/wmi.h"

namespace hv::sections {

// Processors without a level-3 cache figure fail a query that names it: the page and the
// report then ask again without it.
inline constexpr const char* kCpuFullQuery =
    "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, L3CacheSize, Manufacturer, "
    "MaxClockSpeed, Name, SocketDesignation from Win32_Processor";
inline constexpr const char* kCpuReducedQuery =
    "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, Manufacturer, "
    "MaxClockSpeed, Name, SocketDesignation from Win32_Processor";

// What the passes gather. The second pass overwrites only what it reads again, so the
// level-3 cache stays as far as the first pass got.
struct CpuValues {
  std::string name, processors, manufacturer, type, socket, architecture, l2Cache, l3Cache;
  std::int64_t currentMhz = 0, maximumMhz = 0;
};

struct CpuReading {
  // The page counts the processors after each pass, the report once after the query.
  bool countEachPass = false;
  // Besides a first pass that failed, what else calls for the second one.
  std::function<bool(const CpuValues&)> retryAlso;
};

CpuValues ReadProcessor(platform::WmiService* wmi, platform::System& system, const CpuReading& how);

}  // namespace hv::sections

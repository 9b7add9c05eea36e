#pragma once
// The Processor page: the first processor that WMI lists.
namespace hv::shell {
class App;
}

namespace hv::sections {

// Processors without a level-3 cache figure fail a query that names it: the page and the
// report then ask again without it.
inline constexpr const char* kCpuFullQuery =
    "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, L3CacheSize, Manufacturer, "
    "MaxClockSpeed, Name, SocketDesignation from Win32_Processor";
inline constexpr const char* kCpuReducedQuery =
    "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, Manufacturer, "
    "MaxClockSpeed, Name, SocketDesignation from Win32_Processor";

void ShowProcessor(shell::App& app);

}  // namespace hv::sections

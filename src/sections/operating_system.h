#pragma once
// The Operating system page: the installed Windows.
namespace hv::shell {
class App;
}

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

void ShowOperatingSystem(shell::App& app);

}  // namespace hv::sections

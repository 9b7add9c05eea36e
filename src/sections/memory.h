#pragma once
// The RAM page: the installed modules in one summary, the memory in use and the cache setting.
#include <cstdint>
#include <optional>

#include "platform/wmi.h"

namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowMemory(shell::App& app);

// The free physical memory in KB of a Win32_OperatingSystem item; the page and its live
// refresh read it alike.
std::optional<std::int64_t> FreePhysicalMemoryKb(const platform::WmiItem& item);

}  // namespace hv::sections

#pragma once
// The one-second live refresh of the four pages with changing values: the usage time
// (User account), the process count and virtual memory (Operating system), the memory in
// use and available (RAM) and the battery (Others hardware). Each tick rewrites only those
// values, in place, from fresh readings; on any other page it switches the timer off.
namespace hv::shell {
class App;
}

namespace hv::sections {

// One tick of the main window's Timer1.
void LiveRefreshTick(shell::App& app);

}  // namespace hv::sections

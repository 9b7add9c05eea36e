#pragma once
// The Hard drives page: every fixed volume side by side in each row, and the physical disks.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowHardDrives(shell::App& app);

}  // namespace hv::sections

#pragma once
// The Removable memory page: every removable volume that holds a medium, side by side.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowRemovable(shell::App& app);

}  // namespace hv::sections

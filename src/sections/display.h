#pragma once
// The Display page: the monitor, the screen configuration and the graphics card.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowDisplay(shell::App& app);

}  // namespace hv::sections

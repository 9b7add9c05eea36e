#pragma once
// The Keyboard and mouse page: the first keyboard and the first pointing device Windows
// reports, and the number of mouse buttons.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowKeyboardMouse(shell::App& app);

}  // namespace hv::sections

#pragma once
// The Operating system page: the installed Windows.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowOperatingSystem(shell::App& app);

}  // namespace hv::sections

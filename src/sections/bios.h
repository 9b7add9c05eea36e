#pragma once
// The Bios page: the firmware's name, maker, version, release date and serial number.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowBios(shell::App& app);

}  // namespace hv::sections

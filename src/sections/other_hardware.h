#pragma once
// The Others hardware page: motherboard, sound device and battery. The battery's voltage,
// charge and run time are refreshed every second while the page is shown.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowOtherHardware(shell::App& app);

}  // namespace hv::sections

#pragma once
// The Computer page: the machine as a whole.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowComputer(shell::App& app);

}  // namespace hv::sections

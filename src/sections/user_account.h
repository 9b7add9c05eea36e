#pragma once
// The User account page: the Windows account that runs the program.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowUserAccount(shell::App& app);

}  // namespace hv::sections

#pragma once
// The section pages, by menu entry. Each page routine queries the machine and writes the
// main window's page-area controls.
namespace hv::shell {
class App;
}

namespace hv::sections {

// Runs the page routine of entry 1..13; any other entry leaves the page as it is.
void ShowSection(shell::App& app, int entry);

}  // namespace hv::sections

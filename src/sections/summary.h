#pragma once
// The Summary page: the machine's main figures under two headings.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowSummary(shell::App& app);

}  // namespace hv::sections

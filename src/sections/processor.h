#pragma once
// The Processor page: the first processor that WMI lists.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowProcessor(shell::App& app);

}  // namespace hv::sections

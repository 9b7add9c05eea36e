#pragma once
// The CDs/DVDs page: every optical drive holding a disc, side by side. Its rows are kept
// while it stays the page shown.
namespace hv::shell {
class App;
}

namespace hv::sections {

void ShowOpticalDrives(shell::App& app);

}  // namespace hv::sections

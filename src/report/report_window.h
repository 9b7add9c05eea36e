#pragma once
namespace hv::shell {
class App;
}

namespace hv::report {

class ReportWindow;

// Shows the report window modally; returns when it has closed.
void ShowReportWindow(shell::App& app);

}  // namespace hv::report

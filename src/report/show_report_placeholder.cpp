// Stands in for the report window until it is built: Make a report then does nothing.
// Delete this file when report_window.cpp defines ShowReportWindow.
#include "report/report_window.h"

namespace hv::report {

void ShowReportWindow(shell::App&) {}

}  // namespace hv::report

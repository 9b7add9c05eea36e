#pragma once
// The report's section writers, one per section, each in a file of its own.
#include "report/report_run.h"

namespace hv::report {

// Each gathers its section's values and appends its rows; the chain writes the title.
// void ReportUserAccount(ReportRun& run);

}  // namespace hv::report

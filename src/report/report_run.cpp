#include "report/report_run.h"

#include "shell/app.h"

namespace hv::report {

Accent AccentOf(const shell::Appearance& look) {
  return {look.colorRed, look.colorGreen, look.colorBlue};
}

const std::string& Text(const ReportRun& run, int element) { return run.app.text[element]; }

std::string ValueOrUnknown(const ReportRun& run, const std::string& value) {
  return value.empty() ? Text(run, 89) : value;
}

}  // namespace hv::report

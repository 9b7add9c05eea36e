#pragma once
// The twelve report sections, run in a fixed order. Each step writes its title line and
// shows its progress here; its writer then gathers its values and appends its rows to the
// neutral text (ReportRun::texts.Tb) with NeutralText::AppendRows.
#include <span>

#include "report/report_run.h"

namespace hv::report {

using SectionWriter = void (*)(ReportRun& run);

struct SectionStep {
  const char* step;  // the progress text, "1/12" .. "12/12"
  int titleElement;  // the section title's table element
  SectionWriter write;
};

// The chain in report order. This is where each section's writer is registered.
std::span<const SectionStep> ReportChain();

// Runs the steps in order. The neutral text starts afresh with the first section. A step
// without a writer shows its progress and writes nothing, so the text stays well formed.
void RunSections(ReportRun& run, std::span<const SectionStep> steps);

}  // namespace hv::report

// The report's Graphics card section. It queries nothing: the Display section before it read
// the first video controller and left its texts in the slots and its memory in the run.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "report/display_slots.h"
#include "report/section_writers.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

// Whole MB: "n MB" below 1024, whole GB from there; no memory found is "Unknown".
std::string MemoryText(const ReportRun& run, std::int32_t mb) {
  if (mb <= 0) return Text(run, 89);
  return ValueOrUnknown(run, sections::MbGbText(mb).value_or(""));
}

}  // namespace

void ReportGraphicsCard(ReportRun& run) {
  namespace slot = display_slots;
  const std::array<std::string, 12>& slots = run.app.sectionValues;
  const std::string driverDate =
      sections::WmiDateText(slots[slot::kDriverDate], run.app.system).value_or("");

  const std::vector<ReportRow> rows{
      {Text(run, 119), ValueOrUnknown(run, slots[slot::kCardName])},
      {Text(run, 120), MemoryText(run, run.displayMemoryMb)},
      {Text(run, 121), ValueOrUnknown(run, slots[slot::kMemoryType])},
      {Text(run, 122), ValueOrUnknown(run, slots[slot::kDrivers])},
      {Text(run, 123), ValueOrUnknown(run, slots[slot::kDriverVersion])},
      {Text(run, 124), ValueOrUnknown(run, driverDate)},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

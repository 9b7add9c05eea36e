#pragma once
// One report in the making: what BeginReport, the section writers and the closing share.
#include <cstdint>
#include <functional>
#include <string>

#include "report/formats.h"
#include "report/report_texts.h"

namespace hv::shell {
class App;
struct Appearance;
}  // namespace hv::shell

namespace hv::report {

struct ReportRun {
  shell::App& app;
  ReportTexts& texts;
  std::uint32_t reportStart = 0;  // the millisecond count when the report began
  // Sets the progress label's caption and repaints it at once: nothing else repaints while
  // the report runs.
  std::function<void(const std::string&)> showStatus;
  // The video memory in whole MB that the Display section found, for the Graphics card
  // section after it; kept here so no other section's scratch number can clobber it.
  std::int32_t displayMemoryMb = 0;
};

Accent AccentOf(const shell::Appearance& look);

// The text of a table element in the current language.
const std::string& Text(const ReportRun& run, int element);
// The value as a row shows it: "Unknown" (element 89) when empty.
std::string ValueOrUnknown(const ReportRun& run, const std::string& value);

}  // namespace hv::report

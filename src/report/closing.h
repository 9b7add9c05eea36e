#pragma once
// The report's beginning and end: the heads, the chain of sections, and the closing that
// turns the neutral text into the four outputs, adds the footers and the seconds taken.
#include <cstdint>
#include <string>

#include "report/report_run.h"

namespace hv::report {

// The seconds between two readings of the wrapping millisecond counter, as the first four
// characters of their shortest decimal text with the given separator (10.25 s gives "10.2").
std::string ElapsedSeconds(std::uint32_t start, std::uint32_t now, char decimalSeparator);

// Appends the neutral text, converted, to each output and empties it; the rich text's last
// section loses the spacing meant for a following one.
void ConvertOutputs(ReportTexts& texts, const Accent& accent);

// Writes the heads, runs the sections of the chain and closes the report.
void BeginReport(ReportRun& run);

// Converts, adds the footers, fills in the seconds and shows the final status.
void EndReport(ReportRun& run);

}  // namespace hv::report

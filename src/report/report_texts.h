#pragma once
// The five report texts the report window holds: the neutral text Tb and the rich text,
// HTML, forum markup and plain-text outputs Tb1..Tb4.
#include <cstddef>
#include <string>
#include <vector>

#include "report/formats.h"
#include "report/neutral_text.h"
#include "version.h"

namespace hv::report {

// The version the title line names.
inline constexpr const char* kVersion = HARVALA_VERSION_TEXT;
// The maker's web site, which every footer links to.
inline constexpr const char* kMakerWebSite = "https://harvala.example/";

// One output. The title line's "(2)" is left open until the report's seconds are known;
// secondsAt keeps where they go, so text that merely reads "(2)" is never filled.
struct ReportOutput {
  std::string text;
  std::vector<std::size_t> secondsAt;
};

struct ReportTexts {
  NeutralText Tb;
  ReportOutput Tb1, Tb2, Tb3, Tb4;

  ReportOutput& Output(Format format);
  const ReportOutput& Output(Format format) const;
  // Empties the four outputs (Accept does so; the neutral text is emptied by the closing).
  void ClearOutputs();
};

// The title line: the report-made template with the version, time and date in place, cut
// where the seconds go.
struct TitleLine {
  std::vector<std::string> pieces;  // the text before, between and after the "(2)"s
};

// Fills "(1)" with version, "(3)" with time and "(4)" with date in the template and leaves
// each "(2)" open.
TitleLine MakeTitleLine(const std::string& templateText, const std::string& version,
                        const std::string& time, const std::string& date);

// Appends the title line escaped for the format, recording where the seconds go.
void AppendTitleLine(ReportOutput& out, const TitleLine& title, Format format);

// Puts the seconds into every place the title line left open, in all four outputs.
void FillSeconds(ReportTexts& texts, const std::string& seconds);

// Every occurrence of what in text replaced by with.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);

}  // namespace hv::report

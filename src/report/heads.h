#pragma once
// The heads of the four outputs: each opens its document and carries the title line.
#include <string>

#include "report/formats.h"
#include "report/report_texts.h"

namespace hv::report {

struct HeadInputs {
  TitleLine title;
  Accent accent;
  std::string reportName;    // the HTML page title
  unsigned codePage = 1252;  // the ANSI code page the files are written in
};

// The rich text's character set number for an ANSI code page (0, the ANSI set, for 1252 and
// for any page without a set of its own).
int RtfCharset(unsigned codePage);

// Replaces each output with its head; the neutral text is not touched.
void WriteHeads(ReportTexts& texts, const HeadInputs& in);

}  // namespace hv::report

#pragma once
// The endings of the four outputs: the thanks line, a rule and the link to the maker's site.
#include <string>

#include "report/formats.h"
#include "report/report_texts.h"

namespace hv::report {

struct FooterInputs {
  Accent accent;
  std::string thanks;        // the thank-you line
  std::string websiteLabel;  // the link's text
  std::string website = kMakerWebSite;
};

// The rich text's converted rows end with the spacing of a further section; that tail is
// dropped, so the last row's "\i0\par" ends the text before the footer. A text without the
// tail (no sections) is left whole.
void DropRtfSectionTail(std::string& rtf);

// Appends each output's footer; the rich text's also closes the document.
void AppendFooters(ReportTexts& texts, const FooterInputs& in);

}  // namespace hv::report

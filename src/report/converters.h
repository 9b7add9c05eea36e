#pragma once
// Conversion of the neutral report text into each format's markup.
#include <string>

#include "report/formats.h"
#include "report/neutral_text.h"

namespace hv::report {

// What a marker becomes in a format.
std::string MarkerText(Format format, Marker marker, const Accent& accent);

// The neutral text in the format: every marker the text put there replaced by its markup,
// the text between escaped for the format. In the rich text the first section title keeps
// the size the head left (28 half-points), so it opens with "\cf1\i " alone.
std::string Convert(const NeutralText& neutral, Format format, const Accent& accent);

}  // namespace hv::report

#pragma once
// The four report outputs and what every format shares: the accent colour and how plain
// text is made safe inside each format's markup.
#include <string>
#include <string_view>

#include "platform/system.h"

namespace hv::report {

// Numbered as the save dialog lists them.
enum class Format { Rtf = 1, Html = 2, BBCode = 3, Plain = 4 };
inline constexpr Format kFormats[] = {Format::Rtf, Format::Html, Format::BBCode, Format::Plain};

// The accent colour of titles and footers, each channel 0..255 (clamped on use).
struct Accent {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// A channel as two lower-case hexadecimal digits: 10 gives "0a", 200 gives "c8".
std::string HexColor(int channel);
// "rrggbb" of the accent colour.
std::string HexColor(const Accent& accent);
// A channel in decimal.
std::string Channel(int channel);

// Text as it may stand in the format: the rich text escapes \ { }, the HTML & < >; forum
// markup and plain text have no escape and take the text as it is.
std::string Escape(Format format, std::string_view text);

// The rich text's ANSI bytes with both bytes of every double-byte character written as
// \'hh: on code pages 932, 936, 949 and 950 a second byte can be \, { or }, which would
// otherwise end a group or start a control word in the middle of a value. On a single-byte
// code page the bytes stay as they are.
std::string EscapeDoubleBytes(std::string_view ansi, platform::System& system);

// A report output saved as a file in the ANSI code page (the rich text with its double-byte
// characters escaped); false when it cannot be converted or written.
bool WriteReportFile(platform::System& system, const std::string& path, Format format,
                     const std::string& text);

}  // namespace hv::report

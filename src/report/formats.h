#pragma once
// The four report outputs and what every format shares: the accent colour and how plain
// text is made safe inside each format's markup.
#include <string>
#include <string_view>

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

}  // namespace hv::report

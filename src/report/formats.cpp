#include "report/formats.h"

#include <algorithm>

namespace hv::report {

namespace {

int Clamp(int channel) { return std::clamp(channel, 0, 255); }

std::string EscapeRtf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\\' || c == '{' || c == '}') out += '\\';
    out += c;
  }
  return out;
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string HexColor(int channel) {
  static constexpr char kDigits[] = "0123456789abcdef";
  const int c = Clamp(channel);
  return {kDigits[c / 16], kDigits[c % 16]};
}

std::string HexColor(const Accent& accent) {
  return HexColor(accent.red) + HexColor(accent.green) + HexColor(accent.blue);
}

std::string Channel(int channel) { return std::to_string(Clamp(channel)); }

std::string Escape(Format format, std::string_view text) {
  switch (format) {
    case Format::Rtf:
      return EscapeRtf(text);
    case Format::Html:
      return EscapeHtml(text);
    case Format::BBCode:
    case Format::Plain:
      break;
  }
  return std::string(text);
}

}  // namespace hv::report

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

std::string EscapeDoubleBytes(std::string_view ansi, platform::System& system) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(ansi.size());
  const auto hex = [&out](unsigned char b) {
    out += "\\'";
    out += kDigits[b / 16];
    out += kDigits[b % 16];
  };
  for (std::size_t i = 0; i < ansi.size(); ++i) {
    const auto b = static_cast<unsigned char>(ansi[i]);
    if (!system.IsAnsiLeadByte(b)) {
      out += ansi[i];
      continue;
    }
    hex(b);
    // A lead byte at the very end has no second byte; it is still written as \'hh.
    if (i + 1 < ansi.size()) hex(static_cast<unsigned char>(ansi[++i]));
  }
  return out;
}

bool WriteReportFile(platform::System& system, const std::string& path, Format format,
                     const std::string& text) {
  std::optional<std::string> bytes = system.ToAnsi(text);
  if (!bytes) return false;
  if (format == Format::Rtf) *bytes = EscapeDoubleBytes(*bytes, system);
  return system.WriteFileBytes(path, *bytes);
}

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

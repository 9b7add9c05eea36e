#include "report/report_file.h"

#include <cstdint>
#include <map>
#include <optional>

#include "platform/utf8.h"

namespace hv::report {

namespace {

constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

std::string Utf8Of(char32_t cp) {
  std::string utf8;
  platform::AppendUtf8(utf8, cp);
  return utf8;
}

// \uN takes a signed 16-bit number: code units above 0x7FFF are written negative.
std::string RtfUnicode(char32_t unit) {
  return "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit)));
}

// What a reader that does not know \u shows instead: the character's bytes in the ANSI code
// page as \'hh (a second byte of a double-byte character can be \, { or }), or "?" where the
// code page has no bytes for it. Returns the text and the number of bytes it stands for.
std::pair<std::string, int> RtfFallback(platform::System& system, char32_t cp) {
  const std::optional<platform::AnsiText> ansi = system.ToAnsi(Utf8Of(cp));
  if (!ansi || !ansi->exact || ansi->bytes.empty()) return {"?", 1};
  std::string escaped;
  for (char b : ansi->bytes) escaped += "\\'" + HexColor(static_cast<unsigned char>(b));
  return {escaped, static_cast<int>(ansi->bytes.size())};
}

// One character outside ASCII. The head sets \uc1, so a one-byte fallback follows \uN as it
// is; a longer one gets its own group with \ucN, which ends with the group and so never skips
// text after it. A character beyond the BMP is two surrogates, each with "?" to skip.
std::string RtfCharacter(platform::System& system, char32_t cp) {
  if (cp > 0xFFFF) {
    const char32_t v = cp - 0x10000;
    return RtfUnicode(0xD800 + (v >> 10)) + "?" + RtfUnicode(0xDC00 + (v & 0x3FF)) + "?";
  }
  const auto [fallback, bytes] = RtfFallback(system, cp);
  if (bytes == 1) return RtfUnicode(cp) + fallback;
  return "{\\uc" + std::to_string(bytes) + RtfUnicode(cp) + fallback + "}";
}

std::string RtfFileText(platform::System& system, const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::map<char32_t, std::string> written;  // a report repeats its few accented letters
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = platform::DecodeUtf8(text, i);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      continue;
    }
    auto at = written.find(cp);
    if (at == written.end()) at = written.emplace(cp, RtfCharacter(system, cp)).first;
    out += at->second;
  }
  return out;
}

// One numeric character reference per character, beyond the BMP too.
std::string HtmlFileText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = platform::DecodeUtf8(text, i);
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else {
      out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
    }
  }
  return out;
}

std::string TextFileBytes(platform::System& system, const std::string& text) {
  const std::optional<platform::AnsiText> ansi = system.ToAnsi(text);
  if (ansi && ansi->exact) return ansi->bytes;
  // Well-formed UTF-8 only: a stray byte inside becomes U+FFFD, as in the ANSI file.
  std::string utf8 = kUtf8Bom;
  for (std::size_t i = 0; i < text.size();)
    platform::AppendUtf8(utf8, platform::DecodeUtf8(text, i));
  return utf8;
}

}  // namespace

std::string ReportFileBytes(platform::System& system, Format format, const std::string& text) {
  switch (format) {
    case Format::Rtf:
      return RtfFileText(system, text);
    case Format::Html:
      return HtmlFileText(text);
    case Format::BBCode:
    case Format::Plain:
      break;
  }
  return TextFileBytes(system, text);
}

platform::FileWriteResult WriteReportFile(platform::System& system, const std::string& path,
                                          Format format, const std::string& text) {
  return system.WriteFileBytes(path, ReportFileBytes(system, format, text));
}

}  // namespace hv::report

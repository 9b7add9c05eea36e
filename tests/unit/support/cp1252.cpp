#include "support/cp1252.h"

#include <cstdint>
#include <iterator>
#include <optional>

#include "platform/utf8.h"

namespace hv::test {

namespace {

// The code points Windows-1252 keeps at 0x80..0x9F, by byte. The five bytes the code page
// leaves undefined stand, as on Windows, for the C1 controls of the same value.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> ToByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

// Decodes one well-formed sequence at s[i], advancing i; on a malformed one, advances past
// the first byte only and gives nullopt.
std::optional<char32_t> Decode(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<std::uint8_t>(s[i++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || lead > 0xF4) return std::nullopt;
  constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  const char32_t min = kMin[extra];
  char32_t cp = lead & (0x7Fu >> extra);
  if (s.size() - i < static_cast<std::size_t>(extra)) return std::nullopt;
  for (int k = 0; k < extra; ++k) {
    const auto c = static_cast<std::uint8_t>(s[i + static_cast<std::size_t>(k)]);
    if ((c & 0xC0) != 0x80) return std::nullopt;
    cp = cp << 6 | (c & 0x3Fu);
  }
  // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are malformed.
  if (cp < min || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return std::nullopt;
  i += static_cast<std::size_t>(extra);
  return cp;
}

struct DoubleByte {
  char32_t cp;
  unsigned char lead, trail;
};
constexpr DoubleByte kCp932Sample[] = {{0x30BD, 0x83, 0x5C},
                                       {0x8868, 0x95, 0x5C},
                                       {0xFF0B, 0x81, 0x7B},
                                       {0x00B1, 0x81, 0x7D},
                                       {0x30FC, 0x81, 0x5B}};

}  // namespace

std::string Utf8ToCp932Sample(std::string_view utf8, bool* exact) {
  if (exact) *exact = true;
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto cp = Decode(utf8, i);
    if (cp && *cp < 0x80) {
      out += static_cast<char>(*cp);
      continue;
    }
    const DoubleByte* known = nullptr;
    for (const DoubleByte& d : kCp932Sample)
      if (cp && d.cp == *cp) known = &d;
    if (!known) {
      out += '?';
      if (exact) *exact = false;
      continue;
    }
    out += static_cast<char>(known->lead);
    out += static_cast<char>(known->trail);
  }
  return out;
}

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string Cp932SampleToUtf8(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (!IsCp932LeadByte(lead)) {
      out += bytes[i];  // ASCII; the sample has no other single bytes
      continue;
    }
    const auto trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[++i]) : 0;
    char32_t cp = platform::kReplacementCharacter;
    for (const DoubleByte& d : kCp932Sample)
      if (d.lead == lead && d.trail == trail) cp = d.cp;
    platform::AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8, bool* exact) {
  if (exact) *exact = true;
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto cp = Decode(utf8, i);
    const auto byte = cp ? ToByte(*cp) : std::nullopt;
    out += byte ? *byte : '?';
    if (!byte && exact) *exact = false;
  }
  return out;
}

}  // namespace hv::test

// Text pieces of the value rules: cuts by characters, capitalising and placeholders.
#include <algorithm>

#include "sections/value_rules.h"

namespace hv::sections {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte offset after the character that starts at offset i. Stray continuation bytes
// count with the character before them (or as one at the start), so a malformed text is
// still cut without splitting anything further.
std::size_t NextChar(const std::string& text, std::size_t i) {
  ++i;
  while (i < text.size() && IsContinuationByte(text[i])) ++i;
  return i;
}

// Byte offset of the start of character number `chars` (counting from 0), or the text's
// size when it has fewer characters.
std::size_t OffsetOfChar(const std::string& text, std::size_t chars) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < chars && i < text.size(); ++n) i = NextChar(text, i);
  return i;
}

std::size_t CharCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i = NextChar(text, i)) ++count;
  return count;
}

// Latin-1 letters are the two-byte sequences C3 80..C3 BE; upper case C3 80..C3 9E and
// lower case C3 A0..C3 BE differ by 0x20, except the signs x (C3 97) and / (C3 B7).
void ChangeCase(std::string& s, std::size_t begin, std::size_t end, bool upper) {
  for (std::size_t i = begin; i < end; ++i) {
    char& c = s[i];
    if (c >= 'a' && c <= 'z' && upper) c = static_cast<char>(c - 0x20);
    if (c >= 'A' && c <= 'Z' && !upper) c = static_cast<char>(c + 0x20);
    if (static_cast<unsigned char>(c) != 0xC3 || i + 1 >= end) continue;
    auto next = static_cast<unsigned char>(s[i + 1]);
    if (upper && next >= 0xA0 && next <= 0xBE && next != 0xB7) next -= 0x20;
    if (!upper && next >= 0x80 && next <= 0x9E && next != 0x97) next += 0x20;
    s[++i] = static_cast<char>(next);
  }
}

}  // namespace

std::string CutText(const std::string& text, std::size_t chars) {
  return text.substr(0, OffsetOfChar(text, chars));
}

std::string RightText(const std::string& text, std::size_t chars) {
  const std::size_t count = CharCount(text);
  if (count <= chars) return text;
  return text.substr(OffsetOfChar(text, count - chars));
}

std::string DropLastText(const std::string& text, std::size_t chars) {
  const std::size_t count = CharCount(text);
  if (count <= chars) return "";
  return text.substr(0, OffsetOfChar(text, count - chars));
}

std::string Capitalised(const std::string& text) {
  std::string out = text;
  const std::size_t firstEnd = OffsetOfChar(out, 1);
  ChangeCase(out, 0, firstEnd, true);
  ChangeCase(out, firstEnd, out.size(), false);
  return out;
}

std::string FillPlaceholder(const std::string& text, std::string_view placeholder,
                            std::string_view value) {
  return FillPlaceholders(text, {{placeholder, value}});
}

std::string FillPlaceholders(
    const std::string& text,
    const std::vector<std::pair<std::string_view, std::string_view>>& fills) {
  const std::string_view rest(text);
  std::string out;
  std::size_t i = 0;
  while (i < rest.size()) {
    const auto match = std::find_if(fills.begin(), fills.end(), [&](const auto& f) {
      return !f.first.empty() && rest.substr(i).starts_with(f.first);
    });
    if (match == fills.end()) {
      out += rest[i++];
      continue;
    }
    out += match->second;
    i += match->first.size();
  }
  return out;
}

}  // namespace hv::sections

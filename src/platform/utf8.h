#pragma once
// UTF-8, the program's text inside, read and written one code point at a time. Malformed
// input never fails: each bad sequence reads as U+FFFD, as Windows' own conversions make of
// lone surrogates and stray bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace hv::platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at s[i] and advances i past it; a malformed or overlong sequence, a
// surrogate or a value past U+10FFFF gives U+FFFD and skips only the bytes that looked valid,
// so the next character is not swallowed. i must be below s.size().
char32_t DecodeUtf8(std::string_view s, std::size_t& i);

void AppendUtf8(std::string& out, char32_t cp);

}  // namespace hv::platform

#pragma once
// UTF-8 to Windows-1252, as report files are written natively: every character the code page
// cannot hold, and every byte that is not part of well-formed UTF-8, becomes one '?', and
// *exact (when given) tells whether none did.
#include <string>
#include <string_view>

namespace hv::test {

std::string Utf8ToCp1252(std::string_view utf8, bool* exact = nullptr);

// A double-byte code page in small: ASCII and a handful of characters of code page 932 whose
// second byte is a character RTF gives a meaning to ("ソ" 83 5C, "表" 95 5C, "＋" 81 7B,
// "±" 81 7D, "ー" 81 5B); every other character becomes '?'.
std::string Utf8ToCp932Sample(std::string_view utf8, bool* exact = nullptr);
// Whether a byte opens a double-byte character in code page 932.
bool IsCp932LeadByte(unsigned char byte);
// The sample's bytes back to UTF-8; a pair it does not know becomes U+FFFD.
std::string Cp932SampleToUtf8(std::string_view bytes);

}  // namespace hv::test

#pragma once
// UTF-8 to Windows-1252, as report files are written natively: every character the code page
// cannot hold, and every byte that is not part of well-formed UTF-8, becomes one '?'.
#include <string>
#include <string_view>

namespace hv::test {

std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace hv::test

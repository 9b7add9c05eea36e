#pragma once
// UTF-8 <-> UTF-16 without the Win32 calls, so the conversion that every W API call goes
// through is also checked natively. Malformed input never fails: each bad sequence becomes
// U+FFFD, as MultiByteToWideChar/WideCharToMultiByte do with lone surrogates and stray bytes.
#include <string>
#include <string_view>

namespace hv::win32 {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace hv::win32

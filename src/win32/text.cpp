// Widen/Narrow for the W API boundary. wchar_t is UTF-16 on Windows, so the portable codec
// does the work; it maps malformed input to U+FFFD instead of failing.
#include <string>

#include "win32/raii.h"
#include "win32/utf_codec.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W APIs take UTF-16");

namespace hv::win32 {

std::wstring Widen(const std::string& utf8) {
  const std::u16string u = Utf8ToUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}

std::string Narrow(const std::wstring& utf16) {
  return Utf16ToUtf8(std::u16string(utf16.begin(), utf16.end()));
}

std::string Narrow(const wchar_t* utf16, int length) {
  if (utf16 == nullptr || length <= 0) return {};
  return Utf16ToUtf8(std::u16string(utf16, utf16 + length));
}

}  // namespace hv::win32

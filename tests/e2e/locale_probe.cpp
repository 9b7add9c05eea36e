// A small Windows console program the end-to-end tests run beside Harvala to learn how
// Windows itself formats times and dates with the user's regional settings, and to read the
// clocks a live value comes from. Each word of the command line prints one line, in order,
// in UTF-8:
//   tick          GetTickCount64, in milliseconds
//   now           GetLocalTime, as "YYYY-MM-DD hh:mm:ss"
//   locale        the user's default locale name ("es-ES")
//   time=h:m:s    that time of day in the user's long time format
//   date=y-m-d    that date in the user's short date format
// A malformed word ends the program with code 64, a call that fails with code 2; the lines
// before it are printed all the same.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kUsage = 64;
constexpr int kFailed = 2;

void PrintLine(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
  }
  bytes += '\n';
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

// Three numbers joined by `separator`, each within its range; false on anything else.
bool ReadTriple(const wchar_t* text, wchar_t separator, const int (&limits)[3][2], WORD (&out)[3]) {
  for (int i = 0; i < 3; ++i) {
    if (*text < L'0' || *text > L'9') return false;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (value < limits[i][0] || value > limits[i][1]) return false;
    out[i] = static_cast<WORD>(value);
    const wchar_t expected = i < 2 ? separator : L'\0';
    if (*end != expected) return false;
    text = end + 1;
  }
  return true;
}

int TimeOfDay(const wchar_t* text) {
  static constexpr int kLimits[3][2] = {{0, 23}, {0, 59}, {0, 59}};
  WORD hms[3] = {};
  if (!ReadTriple(text, L':', kLimits, hms)) return kUsage;
  // Only the time fields matter; the date is any valid one.
  SYSTEMTIME st{2000, 1, 6, 1, hms[0], hms[1], hms[2], 0};
  wchar_t out[128];
  if (!GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, nullptr, out, 128)) return kFailed;
  PrintLine(out);
  return 0;
}

int ShortDate(const wchar_t* text) {
  static constexpr int kLimits[3][2] = {{1601, 30827}, {1, 12}, {1, 31}};
  WORD ymd[3] = {};
  if (!ReadTriple(text, L'-', kLimits, ymd)) return kUsage;
  // A round trip through FILETIME fills in the weekday and shows days the month lacks.
  SYSTEMTIME given{ymd[0], ymd[1], 0, ymd[2], 12, 0, 0, 0};
  FILETIME ft{};
  SYSTEMTIME st{};
  if (!SystemTimeToFileTime(&given, &ft) || !FileTimeToSystemTime(&ft, &st)) return kUsage;
  // Wine carries such a day into the next month where Windows fails the call.
  if (st.wYear != given.wYear || st.wMonth != given.wMonth || st.wDay != given.wDay) return kUsage;
  wchar_t out[128];
  if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, out, 128, nullptr))
    return kFailed;
  PrintLine(out);
  return 0;
}

int Now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  wchar_t out[32];
  std::swprintf(out, 32, L"%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                st.wMinute, st.wSecond);
  PrintLine(out);
  return 0;
}

int Locale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  if (!GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH)) return kFailed;
  PrintLine(name);
  return 0;
}

int Word(const wchar_t* word) {
  if (std::wcscmp(word, L"tick") == 0) {
    PrintLine(std::to_wstring(GetTickCount64()));
    return 0;
  }
  if (std::wcscmp(word, L"now") == 0) return Now();
  if (std::wcscmp(word, L"locale") == 0) return Locale();
  if (std::wcsncmp(word, L"time=", 5) == 0) return TimeOfDay(word + 5);
  if (std::wcsncmp(word, L"date=", 5) == 0) return ShortDate(word + 5);
  return kUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return kUsage;
  // Lines end in LF alone, whatever the C runtime would make of them.
  _setmode(_fileno(stdout), _O_BINARY);
  for (int i = 1; i < argc; ++i) {
    const int status = Word(argv[i]);
    if (status != 0) return status;
  }
  return 0;
}

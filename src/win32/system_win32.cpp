#include "win32/system_win32.h"

#include <windows.h>
// After windows.h, which they rely on.
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <climits>

#include "win32/file_save.h"
#include "win32/raii.h"
#include "win32/registry_shell.h"

namespace hv::win32 {
namespace {

// Big enough for any path the dialog can return, long-path prefixes included.
constexpr DWORD kSaveBufferChars = 32768;

const wchar_t* OrNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

// The dialog adds the extension after a dot of its own, so ".rtf" must be passed as "rtf".
std::wstring DefaultExtension(const std::string& extension) {
  std::wstring wide = Widen(extension);
  if (!wide.empty() && wide.front() == L'.') wide.erase(0, 1);
  return wide;
}

std::vector<wchar_t> FileBuffer(const std::string& defaultName) {
  std::vector<wchar_t> buffer(kSaveBufferChars, L'\0');
  const std::wstring name = Widen(defaultName);
  // A default name that cannot fit is left out rather than cut to a wrong name.
  if (name.size() < buffer.size()) name.copy(buffer.data(), name.size());
  return buffer;
}

// A text of the user's locale; nullopt when the locale has none.
std::optional<std::string> LocaleText(LCTYPE type) {
  wchar_t text[128] = {};  // the locale's texts are at most 80 characters
  const int got =
      ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, static_cast<int>(std::size(text)));
  if (got <= 1) return std::nullopt;
  return Narrow(std::wstring(text));
}

// A date Windows can hold: it refuses the rest itself, but a part outside 16 bits would be
// cut to another valid date on the way into the structure.
std::optional<SYSTEMTIME> DateOf(const platform::CalendarDate& date) {
  if (date.year < 1 || date.year > 30827 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > 31) {
    return std::nullopt;
  }
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(date.year);
  t.wMonth = static_cast<WORD>(date.month);
  t.wDay = static_cast<WORD>(date.day);
  return t;
}

std::optional<SYSTEMTIME> TimeOf(const platform::TimeOfDay& time) {
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 ||
      time.second > 59) {
    return std::nullopt;
  }
  // The date part is not shown, but the structure must hold a valid one.
  SYSTEMTIME t{};
  t.wYear = 2000;
  t.wMonth = 1;
  t.wDay = 1;
  t.wHour = static_cast<WORD>(time.hour);
  t.wMinute = static_cast<WORD>(time.minute);
  t.wSecond = static_cast<WORD>(time.second);
  return t;
}

// The text of a GetDateFormatEx-style call: asked for its size first, then written.
template <typename FormatFn>
std::optional<std::string> Formatted(FormatFn format) {
  const int size = format(nullptr, 0);
  if (size <= 1) return std::nullopt;  // failed, or an empty text
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int got = format(text.data(), size);
  if (got <= 0 || got > size) return std::nullopt;
  text.resize(static_cast<std::size_t>(got - 1));  // less the NUL
  return Narrow(text);
}

}  // namespace

std::wstring DialogFilter(const std::string& filter) {
  if (filter.empty()) return {};
  std::wstring list = Widen(filter);
  for (wchar_t& c : list) {
    if (c == L'|') c = L'\0';
  }
  if (list.back() != L'\0') list += L'\0';
  list += L'\0';
  return list;
}

std::optional<platform::AnsiText> SystemWin32::ToAnsi(const std::string& utf8) {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return platform::AnsiText{};
  if (wide.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int length = static_cast<int>(wide.size());
  // Without WC_NO_BEST_FIT_CHARS the conversion writes look-alikes ("O" for an omega, "8"
  // for infinity) instead of "?". With UTF-8 as the ANSI code page every character fits, and
  // WideCharToMultiByte rejects the flag, a default character and the used-default flag.
  const bool utf8Acp = ::GetACP() == CP_UTF8;
  const DWORD flags = utf8Acp ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* replacement = utf8Acp ? nullptr : "?";
  BOOL usedDefault = FALSE;
  BOOL* lossy = utf8Acp ? nullptr : &usedDefault;
  const int size =
      ::WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, replacement, nullptr);
  if (size <= 0) return std::nullopt;
  platform::AnsiText ansi;
  ansi.bytes.assign(static_cast<std::size_t>(size), '\0');
  if (::WideCharToMultiByte(CP_ACP, flags, wide.data(), length, ansi.bytes.data(), size,
                            replacement, lossy) != size) {
    return std::nullopt;
  }
  ansi.exact = usedDefault == FALSE;
  return ansi;
}

int SystemWin32::ProcessorCount() {
  // GetSystemInfo counts only the processor group the program runs in, at most 64 logical
  // processors; the count over all groups is 0 where the call fails.
  if (const DWORD all = ::GetActiveProcessorCount(ALL_PROCESSOR_GROUPS); all > 0)
    return static_cast<int>(all);
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  return static_cast<int>(info.dwNumberOfProcessors);
}

int SystemWin32::MouseButtons() { return ::GetSystemMetrics(SM_CMOUSEBUTTONS); }

std::uint32_t SystemWin32::TickCount() { return ::timeGetTime(); }

std::uint64_t SystemWin32::TickCount64() { return ::GetTickCount64(); }

std::optional<std::string> SystemWin32::Environment(const std::string& name) {
  const std::wstring wideName = Widen(name);
  std::vector<wchar_t> buffer(256);
  // The variable can change between calls; a too-small buffer reports the size needed.
  for (int attempt = 0; attempt < 8; ++attempt) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD got = ::GetEnvironmentVariableW(wideName.c_str(), buffer.data(),
                                                static_cast<DWORD>(buffer.size()));
    if (got == 0) {
      // 0 is both "unset" and "set to the empty text"; only the error code tells them apart.
      if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (got < buffer.size()) return Narrow(buffer.data(), static_cast<int>(got));
    buffer.resize(got);
  }
  return std::nullopt;
}

bool SystemWin32::SameNameIgnoringCase(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a);
  const std::wstring wb = Widen(b);
  if (wa.size() > static_cast<std::size_t>(INT_MAX) ||
      wb.size() > static_cast<std::size_t>(INT_MAX))
    return false;
  // Ordinal with case ignored is how Windows matches account names: by the system's own
  // upper-case table, the same whatever the user's locale.
  return ::CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(),
                                static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

std::optional<std::uint32_t> SystemWin32::FileAttributes(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

void SystemWin32::OpenUrl(std::uintptr_t owner, const std::string& url) {
  ::ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", Widen(url).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

std::optional<std::vector<std::uint8_t>> SystemWin32::DigitalProductId() {
  HKEY raw = nullptr;
  // The 64-bit view: a 32-bit build would otherwise be redirected to WOW6432Node, which holds
  // no product id.
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, &raw) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const RegKey key(raw);
  std::optional<RegistryValueBytes> value = ReadRegistryValue(key.get(), L"DigitalProductId");
  if (!value) return std::nullopt;
  return std::move(value->bytes);
}

platform::SaveDialogResult SystemWin32::SaveDialog(const platform::SaveDialogRequest& request) {
  const std::wstring filter = DialogFilter(request.filter);
  const std::wstring title = Widen(request.title);
  const std::wstring folder = Widen(request.initialFolder);
  const std::wstring extension = DefaultExtension(request.defaultExtension);
  std::vector<wchar_t> file = FileBuffer(request.defaultName);

  OPENFILENAMEW ofn{};
  // The structure's real size; a 32-bit era constant makes the 64-bit dialog fail.
  ofn.lStructSize = sizeof(OPENFILENAMEW);
  ofn.hwndOwner = reinterpret_cast<HWND>(request.owner);
  ofn.hInstance = ::GetModuleHandleW(nullptr);
  ofn.lpstrFilter = OrNull(filter);
  ofn.nFilterIndex = request.filterIndex > 0 ? static_cast<DWORD>(request.filterIndex) : 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = OrNull(folder);
  ofn.lpstrTitle = OrNull(title);
  ofn.lpstrDefExt = OrNull(extension);
  // Asks before replacing a file and before making a new one; a folder that is not there is
  // refused by the dialog rather than left to a write that would fail without a word.
  // A read-only file is refused too: it could not be replaced.
  ofn.Flags = OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
              OFN_NOREADONLYRETURN | OFN_EXPLORER;
  if (!::GetSaveFileNameW(&ofn)) return {};  // cancelled, or the dialog failed

  file.back() = L'\0';  // the path is read up to its NUL, which must exist
  platform::SaveDialogResult result;
  result.path = Narrow(std::wstring(file.data()));
  result.filterIndex = static_cast<int>(ofn.nFilterIndex);
  return result;
}

platform::FileWriteResult SystemWin32::WriteFileBytes(const std::string& path,
                                                      const std::string& bytes) {
  return SaveFile(Widen(path), bytes);
}

void SystemWin32::ShowError(std::uintptr_t owner, const std::string& title,
                            const std::string& message) {
  // OK alone: Return and Escape both close it.
  ::MessageBoxW(reinterpret_cast<HWND>(owner), Widen(message).c_str(), Widen(title).c_str(),
                MB_OK | MB_ICONERROR);
}

std::optional<std::string> SystemWin32::ShortDate(const platform::CalendarDate& date) {
  const std::optional<SYSTEMTIME> when = DateOf(date);
  if (!when) return std::nullopt;
  return Formatted([&](wchar_t* buffer, int size) {
    return ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &*when, nullptr, buffer,
                             size, nullptr);
  });
}

std::optional<std::string> SystemWin32::LongTime(const platform::TimeOfDay& time) {
  const std::optional<SYSTEMTIME> when = TimeOf(time);
  if (!when) return std::nullopt;
  // No flags and no picture: the user's long time format, markers and all.
  return Formatted([&](wchar_t* buffer, int size) {
    return ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &*when, nullptr, buffer, size);
  });
}

std::optional<std::string> SystemWin32::LongTimeFormat() { return LocaleText(LOCALE_STIMEFORMAT); }

unsigned SystemWin32::AnsiCodePage() { return ::GetACP(); }

char SystemWin32::DecimalSeparator() {
  const std::optional<std::string> separator = LocaleText(LOCALE_SDECIMAL);
  // The number texts are built byte by byte, so a separator outside ASCII cannot be used.
  if (!separator || separator->empty() || static_cast<unsigned char>(separator->front()) > 0x7F)
    return '.';
  return separator->front();
}

platform::LocalTime SystemWin32::Now() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace hv::win32

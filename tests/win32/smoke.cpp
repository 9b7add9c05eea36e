// Checks the real services under Wine (or Windows): WMI over COM, the registry shell, the
// special folders, the ANSI file writer, the resource assets and the system calls. Prints one
// line per failure and "N passed, N failed" last; exits non-zero when anything failed.
#include <windows.h>
// After windows.h, which it relies on.
#include <oleauto.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "win32/file_save.h"
#include "win32/raii.h"
#include "win32/registry_shell.h"
#include "win32/resource_assets.h"
#include "win32/system_win32.h"
#include "win32/wmi_com.h"

namespace {

using hv::platform::Variant;
namespace w32 = hv::win32;

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& what) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

bool IsNonEmptyString(const std::optional<Variant>& v) {
  return v && v->AsString() != nullptr && !v->AsString()->empty();
}

std::optional<Variant> FirstProperty(w32::WmiCom& wmi, const std::string& wql,
                                     const std::string& name) {
  const auto items = wmi.ExecQuery(wql);
  if (!items || items->empty()) return std::nullopt;
  return items->front().Get(name);
}

void CheckWmi() {
  const std::unique_ptr<w32::WmiCom> wmi = w32::WmiCom::Connect();
  Check(wmi != nullptr, "WMI connects to ROOT\\CIMV2");
  if (!wmi) return;
  Check(
      IsNonEmptyString(FirstProperty(*wmi, "Select Caption from Win32_OperatingSystem", "Caption")),
      "Win32_OperatingSystem has a Caption");
  Check(IsNonEmptyString(FirstProperty(*wmi, "Select Name from Win32_Processor", "name")),
        "Win32_Processor has a Name (read without regard to case)");
  Check(!wmi->ExecQuery("Select * from Win32_NoSuchClass"), "a missing class fails the query");
  // 64-bit CIM integers come as decimal text, as the scripting interface gives them.
  const auto memory = FirstProperty(
      *wmi, "Select TotalVisibleMemorySize from Win32_OperatingSystem", "TotalVisibleMemorySize");
  Check(IsNonEmptyString(memory) &&
            memory->AsString()->find_first_not_of("0123456789") == std::string::npos,
        "a uint64 property arrives as decimal text");
  const auto cores =
      FirstProperty(*wmi, "Select NumberOfCores from Win32_Processor", "NumberOfCores");
  Check(cores && cores->GetType() == Variant::Type::Int32, "a uint32 property arrives as Int32");
}

struct VariantCase {
  VARTYPE type;
  void (*fill)(VARIANT&);
  Variant expected;
  const char* what;
};

SAFEARRAY* MakeArray(VARTYPE type, const std::vector<std::int32_t>& values) {
  SAFEARRAY* array = ::SafeArrayCreateVector(type, 0, static_cast<ULONG>(values.size()));
  for (LONG i = 0; i < static_cast<LONG>(values.size()); ++i) {
    if (type == VT_BSTR) {
      w32::Bstr text(std::to_wstring(values[i]).c_str());
      ::SafeArrayPutElement(array, &i, text.get());  // copies the string
    } else {
      auto byte = static_cast<unsigned char>(values[i]);
      std::int32_t number = values[i];
      std::int64_t wide = values[i];
      void* element = type == VT_UI1  ? static_cast<void*>(&byte)
                      : type == VT_I8 ? static_cast<void*>(&wide)
                                      : static_cast<void*>(&number);
      ::SafeArrayPutElement(array, &i, element);
    }
  }
  return array;
}

void CheckVariantMapping() {
  const std::vector<Variant> strings{Variant("1"), Variant("22")};
  const std::vector<Variant> bytes{Variant(std::int32_t{7}), Variant(std::int32_t{255})};
  const VariantCase cases[] = {
      {VT_NULL, [](VARIANT&) {}, Variant::Null(), "VT_NULL"},
      {VT_EMPTY, [](VARIANT&) {}, Variant::Null(), "VT_EMPTY"},
      {VT_BSTR, [](VARIANT& v) { V_BSTR(&v) = ::SysAllocString(L"caf\u00E9"); },
       Variant("caf\xC3\xA9"), "VT_BSTR"},
      {VT_BSTR, [](VARIANT& v) { V_BSTR(&v) = nullptr; }, Variant(""), "null BSTR"},
      {VT_I1, [](VARIANT& v) { V_I1(&v) = -5; }, Variant(std::int32_t{-5}), "VT_I1"},
      {VT_UI1, [](VARIANT& v) { V_UI1(&v) = 200; }, Variant(std::int32_t{200}), "VT_UI1"},
      {VT_I2, [](VARIANT& v) { V_I2(&v) = -300; }, Variant(std::int32_t{-300}), "VT_I2"},
      {VT_UI2, [](VARIANT& v) { V_UI2(&v) = 65535; }, Variant(std::int32_t{65535}), "VT_UI2"},
      {VT_I4, [](VARIANT& v) { V_I4(&v) = INT32_MIN; }, Variant(std::int32_t{INT32_MIN}), "VT_I4"},
      {VT_UI4, [](VARIANT& v) { V_UI4(&v) = 0x7FFFFFFF; }, Variant(std::int32_t{INT32_MAX}),
       "VT_UI4 at INT32_MAX"},
      {VT_UI4, [](VARIANT& v) { V_UI4(&v) = 0xFFFFFFFF; }, Variant(std::int64_t{4294967295}),
       "VT_UI4 above INT32_MAX"},
      {VT_I8, [](VARIANT& v) { V_I8(&v) = INT64_MIN; }, Variant(std::int64_t{INT64_MIN}), "VT_I8"},
      {VT_I8, [](VARIANT& v) { V_I8(&v) = 7; }, Variant(std::int64_t{7}), "small VT_I8"},
      {VT_UI8, [](VARIANT& v) { V_UI8(&v) = 3298534883328; }, Variant(std::int64_t{3298534883328}),
       "VT_UI8"},
      {VT_UI8, [](VARIANT& v) { V_UI8(&v) = INT64_MAX; }, Variant(std::int64_t{INT64_MAX}),
       "VT_UI8 at INT64_MAX"},
      {VT_UI8, [](VARIANT& v) { V_UI8(&v) = UINT64_MAX; }, Variant("18446744073709551615"),
       "VT_UI8 above INT64_MAX, as decimal text"},
      {VT_R4, [](VARIANT& v) { V_R4(&v) = 1.5f; }, Variant(1.5), "VT_R4"},
      {VT_R8, [](VARIANT& v) { V_R8(&v) = -0.25; }, Variant(-0.25), "VT_R8"},
      {VT_BOOL, [](VARIANT& v) { V_BOOL(&v) = VARIANT_TRUE; }, Variant(true), "VT_BOOL true"},
      {VT_BOOL, [](VARIANT& v) { V_BOOL(&v) = VARIANT_FALSE; }, Variant(false), "VT_BOOL false"},
      {VT_UNKNOWN, [](VARIANT& v) { V_UNKNOWN(&v) = nullptr; }, Variant::Null(), "VT_UNKNOWN"},
      {VT_DATE, [](VARIANT& v) { V_DATE(&v) = 1.0; }, Variant::Null(), "VT_DATE"},
      {VT_ARRAY | VT_BSTR,
       [](VARIANT& v) {
         V_ARRAY(&v) = MakeArray(VT_BSTR, {1, 22});
       },
       Variant(strings), "array of BSTR"},
      {VT_ARRAY | VT_UI1,
       [](VARIANT& v) {
         V_ARRAY(&v) = MakeArray(VT_UI1, {7, 255});
       },
       Variant(bytes), "array of bytes"},
      {VT_ARRAY | VT_I8,
       [](VARIANT& v) {
         V_ARRAY(&v) = MakeArray(VT_I8, {-2, 3});
       },
       Variant(std::vector<Variant>{Variant(std::int64_t{-2}), Variant(std::int64_t{3})}),
       "array of VT_I8"},
      {VT_ARRAY | VT_I4, [](VARIANT& v) { V_ARRAY(&v) = MakeArray(VT_I4, {}); },
       Variant(std::vector<Variant>{}), "empty array"},
      {VT_ARRAY | VT_I4, [](VARIANT& v) { V_ARRAY(&v) = nullptr; }, Variant::Null(), "null array"},
  };
  for (const VariantCase& c : cases) {
    w32::ComVariant v;
    VARIANT* raw = v.put();
    V_VT(raw) = c.type;
    c.fill(*raw);
    Check(w32::FromComVariant(v.get()) == c.expected, std::string("maps ") + c.what);
  }
}

// uint32 properties come in a VT_I4; the CIM type decides how its bits read.
void CheckUnsignedMapping() {
  struct Case {
    std::int32_t bits;
    CIMTYPE cim;
    Variant expected;
  };
  const Case cases[] = {
      {-1048576, CIM_UINT32, Variant(std::int64_t{4293918720})},
      {INT32_MIN, CIM_UINT32, Variant(std::int64_t{2147483648})},
      {268435456, CIM_UINT32, Variant(std::int32_t{268435456})},
      {-5, CIM_SINT32, Variant(std::int32_t{-5})},
      {-5, CIM_EMPTY, Variant(std::int32_t{-5})},
  };
  for (const Case& c : cases) {
    w32::ComVariant v;
    VARIANT* raw = v.put();
    V_VT(raw) = VT_I4;
    V_I4(raw) = c.bits;
    Check(w32::FromComVariant(v.get(), c.cim) == c.expected,
          "VT_I4 " + std::to_string(c.bits) + " with CIM type " + std::to_string(c.cim));
  }
  w32::ComVariant array;
  VARIANT* raw = array.put();
  V_VT(raw) = VT_ARRAY | VT_I4;
  V_ARRAY(raw) = MakeArray(VT_I4, {-1, 1});
  Check(w32::FromComVariant(array.get(), CIM_UINT32 | CIM_FLAG_ARRAY) ==
            Variant(
                std::vector<Variant>{Variant(std::int64_t{4294967295}), Variant(std::int32_t{1})}),
        "an array of uint32");
}

const std::wstring kTestKey = L"Software\\HarvalaSmokeTest";
const std::string kTestPath = "HKEY_CURRENT_USER\\Software\\HarvalaSmokeTest\\";

void SetRaw(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const w32::RegKey owner(key);
  ::RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size()));
}

void CheckRegistryWrites(w32::RegistryShell& shell) {
  struct WriteCase {
    const char* name;
    Variant value;
    const char* type;
    std::optional<Variant> readBack;  // nullopt: the write must fail
  };
  const WriteCase cases[] = {
      {"Language", Variant("Espa\xC3\xB1ol"), "REG_SZ", Variant("Espa\xC3\xB1ol")},
      {"Empty", Variant(""), "REG_SZ", Variant("")},
      {"Number", Variant(std::int32_t{16750080}), "REG_SZ", Variant("16750080")},
      {"Color", Variant(std::int32_t{16750080}), "REG_DWORD", Variant(std::int32_t{16750080})},
      {"Negative", Variant(std::int32_t{-1}), "REG_DWORD", Variant(std::int32_t{-1})},
      {"FromText", Variant("24"), "REG_DWORD", Variant(std::int32_t{24})},
      {"Rounded", Variant(2.5), "REG_DWORD", Variant(std::int32_t{2})},
      {"TooBig", Variant(4294967295.0), "REG_DWORD", std::nullopt},
      {"NotNumber", Variant("abc"), "REG_DWORD", std::nullopt},
      {"NullText", Variant::Null(), "REG_SZ", std::nullopt},
      {"BadType", Variant("x"), "REG_BINARY", std::nullopt},
  };
  for (const WriteCase& c : cases) {
    const std::string path = kTestPath + "Sub\\" + c.name;
    const bool wrote = shell.RegWrite(path, c.value, c.type);
    Check(wrote == c.readBack.has_value(), std::string("RegWrite result for ") + c.name);
    Check(shell.RegRead(path) == c.readBack, std::string("RegRead after RegWrite of ") + c.name);
  }
  Check(shell.RegWrite(kTestPath + "Sub\\", Variant("default"), "REG_SZ") &&
            shell.RegRead(kTestPath + "Sub\\") == Variant("default"),
        "a trailing backslash names the default value");
  Check(!shell.RegWrite("HKEY_NOWHERE\\X\\Y", Variant("x"), "REG_SZ"), "unknown root fails");
}

void CheckRegistryReads(w32::RegistryShell& shell) {
  SetRaw(L"Binary", REG_BINARY, {1, 2, 255});
  SetRaw(L"ShortDword", REG_DWORD, {7, 0});
  SetRaw(L"Unterminated", REG_SZ, {'o', 0, 'k', 0, 'x'});
  SetRaw(L"Multi", REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0});
  SetRaw(L"Qword", REG_QWORD, {0, 0, 0, 0, 1, 0, 0, 0});
  std::vector<BYTE> big(300000);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<BYTE>(i * 7);
  SetRaw(L"Big", REG_BINARY, big);

  const std::vector<Variant> binary{Variant(std::int32_t{1}), Variant(std::int32_t{2}),
                                    Variant(std::int32_t{255})};
  Check(shell.RegRead(kTestPath + "Binary") == Variant(binary), "REG_BINARY reads as bytes");
  Check(shell.RegRead(kTestPath + "ShortDword") ==
            Variant(std::vector<Variant>{Variant(std::int32_t{7}), Variant(std::int32_t{0})}),
        "a short REG_DWORD reads as its bytes");
  Check(shell.RegRead(kTestPath + "Unterminated") == Variant("ok"),
        "REG_SZ without terminator and with an odd size");
  Check(shell.RegRead(kTestPath + "Multi") ==
            Variant(std::vector<Variant>{Variant("a"), Variant("b")}),
        "REG_MULTI_SZ reads as strings");
  Check(shell.RegRead(kTestPath + "Qword") == Variant(std::int64_t{1} << 32), "REG_QWORD");
  const auto read = shell.RegRead("HKCU\\Software\\HarvalaSmokeTest\\Big");
  const auto* items = read ? read->AsArray() : nullptr;
  Check(items != nullptr && items->size() == big.size() &&
            (*items)[299999] == Variant(static_cast<std::int32_t>(big[299999])),
        "a 300000-byte value is read whole");
  Check(!shell.RegRead(kTestPath + "Missing"), "a missing value reads as nullopt");
  Check(!shell.RegRead(kTestPath + "NoKey\\Value"), "a missing key reads as nullopt");
  Check(!shell.RegRead("Software\\HarvalaSmokeTest\\Binary"), "a path without root");
}

void CheckRegistry() {
  w32::RegistryShell shell;
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str());
  CheckRegistryWrites(shell);
  CheckRegistryReads(shell);
  Check(::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey.c_str()) == ERROR_SUCCESS &&
            !shell.RegRead(kTestPath + "Binary"),
        "the test key is removed");
  const auto fonts = shell.SpecialFolders("Fonts");
  Check(fonts && !fonts->empty(), "SpecialFolders(Fonts)");
  const auto desktop = shell.SpecialFolders("Desktop");
  Check(desktop && !desktop->empty(), "SpecialFolders(Desktop)");
  Check(!shell.SpecialFolders("Nowhere"), "an unknown special folder");
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a folder, "." and ".." left out.
std::vector<std::wstring> FolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  return names;
}

void CheckAnsi(w32::SystemWin32& system) {
  struct Case {
    std::string utf8;
    std::string ansi;
    bool exact;
  };
  const Case cases[] = {
      {"caf\xC3\xA9\xC2\xB7", "caf\xE9\xB7", true},
      {"\xE2\x82\xAC\r\n\xCE\xA9", "\x80\r\n?", false},  // the euro is in cp1252, omega is not
      {"", "", true},
      {"bad \xFF byte", "bad ? byte", false},
      {"?", "?", true},
  };
  for (const Case& c : cases) {
    const auto ansi = system.ToAnsi(c.utf8);
    Check(ansi && ansi->bytes == c.ansi && ansi->exact == c.exact,
          "ToAnsi writes cp1252 and says whether it lost anything for \"" + c.utf8 + "\"");
  }
}

// The old file held the way a scanner holds it: Wine refuses to replace a file open without
// FILE_SHARE_DELETE.
HANDLE Hold(const std::string& path) {
  return ::CreateFileW(w32::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

DWORD WINAPI CloseSoon(void* held) {
  ::Sleep(300);
  ::CloseHandle(held);
  return 0;
}

// ReplaceFileW's worst documented failure, which Wine never gives: the old file moved to the
// backup name, the new one not moved in.
BOOL WINAPI ReplaceHalfway(LPCWSTR replaced, LPCWSTR, LPCWSTR backup, DWORD, LPVOID, LPVOID) {
  ::MoveFileExW(replaced, backup, MOVEFILE_REPLACE_EXISTING);
  ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
  return FALSE;
}

// A network share that cannot replace a file: both files keep their names.
BOOL WINAPI ReplaceUnsupported(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID) {
  ::SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}

// The old file removed between the look and the replace; Wine's own ReplaceFileW answers.
BOOL WINAPI ReplaceGone(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags,
                        LPVOID exclude, LPVOID reserved) {
  ::DeleteFileW(replaced);
  return ::ReplaceFileW(replaced, replacement, backup, flags, exclude, reserved);
}

void CheckHeldFiles(w32::SystemWin32& system, const std::wstring& folder) {
  const std::string file = w32::Narrow(folder) + "\\held.txt";
  system.WriteFileBytes(file, "old");
  const std::size_t files = FolderNames(folder).size();
  const w32::KernelHandle closer(::CreateThread(nullptr, 0, CloseSoon, Hold(file), 0, nullptr));
  Check(system.WriteFileBytes(file, "new").ok && FileBytes(file) == "new",
        "WriteFileBytes waits for a file held for a moment");
  ::WaitForSingleObject(closer.get(), INFINITE);
  {
    const w32::KernelHandle held(Hold(file));
    const auto refused = system.WriteFileBytes(file, "newer");
    Check(!refused.ok && FileBytes(file) == "new" && FolderNames(folder).size() == files,
          "WriteFileBytes fails over a file held throughout and leaves it: " + refused.error);
  }
  const auto halfway = w32::SaveFile(w32::Widen(file), "newer", ReplaceHalfway);
  Check(!halfway.ok && FileBytes(file) == "new" && FolderNames(folder).size() == files,
        "a save cut short after the old file moved aside puts it back: " + halfway.error);
  for (const w32::ReplaceFileCall replace : {ReplaceUnsupported, ReplaceGone}) {
    const auto saved = w32::SaveFile(w32::Widen(file), "moved in", replace);
    Check(saved.ok && FileBytes(file) == "moved in" && FolderNames(folder).size() == files,
          "a save moves the new file in where ReplaceFileW cannot serve: " + saved.error);
  }
  ::DeleteFileW(w32::Widen(file).c_str());
}

// A save replaces the file whole, or fails and leaves it as it was with nothing beside it.
void CheckFiles(w32::SystemWin32& system) {
  wchar_t temp[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"harvala_smoke";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::string base = w32::Narrow(folder) + "\\";
  const std::string file = base + "report.txt";
  Check(system.WriteFileBytes(file, "a much longer first version").ok &&
            system.WriteFileBytes(file, "caf\xE9\r\n").ok && FileBytes(file) == "caf\xE9\r\n" &&
            FolderNames(folder).size() == 1,
        "WriteFileBytes replaces a file whole and leaves no other file");
  const std::string readOnly = base + "read-only.txt";
  Check(system.WriteFileBytes(readOnly, "old").ok, "WriteFileBytes makes a new file");
  ::SetFileAttributesW(w32::Widen(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
  const auto refused = system.WriteFileBytes(readOnly, "new");
  Check(!refused.ok && !refused.error.empty() && FileBytes(readOnly) == "old",
        "WriteFileBytes leaves a read-only file as it was and says why: " + refused.error);
  ::SetFileAttributesW(w32::Widen(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);
  const std::wstring inner = folder + L"\\folder.txt";
  ::CreateDirectoryW(inner.c_str(), nullptr);
  ::CreateDirectoryW((inner + L"\\inside").c_str(), nullptr);
  const auto onFolder = system.WriteFileBytes(w32::Narrow(inner), "new");
  Check(!onFolder.ok && !onFolder.error.empty() && FolderNames(inner).size() == 1,
        "WriteFileBytes does not replace a folder: " + onFolder.error);
  Check(FolderNames(folder).size() == 3, "a failed WriteFileBytes leaves no file behind");
  Check(!system.WriteFileBytes("C:\\no\\such\\folder\\report.txt", "x").ok,
        "WriteFileBytes fails in a missing folder");
  Check(!system.WriteFileBytes("", "x").ok, "WriteFileBytes fails for an empty path");
  CheckHeldFiles(system, folder);
  ::RemoveDirectoryW((inner + L"\\inside").c_str());
  ::RemoveDirectoryW(inner.c_str());
  for (const std::wstring& name : FolderNames(folder))
    ::DeleteFileW((folder + L"\\" + name).c_str());
  ::RemoveDirectoryW(folder.c_str());
}

// Windows writes the dates and times; what the user's locale makes of them is checked end to
// end, here only what holds in any locale.
void CheckDatesAndTimes(w32::SystemWin32& system) {
  const auto date = system.ShortDate({2012, 8, 6});
  Check(date && date->find("12") != std::string::npos,
        "ShortDate of 2012-08-06: " + date.value_or("none"));
  Check(!system.ShortDate({2012, 2, 30}), "ShortDate refuses 30 February");
  Check(!system.ShortDate({2012, 13, 1}) && !system.ShortDate({70000, 1, 1}),
        "ShortDate refuses parts out of range");
  const auto early = system.ShortDate({1500, 1, 1});
  Check(!early, "ShortDate refuses a date before 1601: " + early.value_or("none"));
  const auto time = system.LongTime({13, 5, 9});
  Check(time && time->find("05") != std::string::npos && time->find("09") != std::string::npos,
        "LongTime of 13:05:09: " + time.value_or("none"));
  Check(
      !system.LongTime({24, 0, 0}) && !system.LongTime({0, 60, 0}) && !system.LongTime({0, 0, -1}),
      "LongTime refuses parts out of range");
  const auto picture = system.LongTimeFormat();
  Check(picture && picture->find('m') != std::string::npos,
        "LongTimeFormat: " + picture.value_or("none"));
}

void CheckSystem(w32::SystemWin32& system) {
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  // All processor groups together hold at least the program's own group.
  Check(system.ProcessorCount() >= static_cast<int>(info.dwNumberOfProcessors) &&
            info.dwNumberOfProcessors >= 1,
        "ProcessorCount " + std::to_string(system.ProcessorCount()) + " counts every group");
  Check(system.MouseButtons() >= 0, "MouseButtons");
  Check(system.TickCount64() > 0, "TickCount64");
  Check(system.Environment("PATH").has_value(), "PATH is set");
  Check(!system.Environment("HARVALA_SMOKE_UNSET"), "an unset variable reads as nullopt");
  Check(system.SameNameIgnoringCase("JSmith", "jsmith") &&
            system.SameNameIgnoringCase("\xC3\x89lo\xC3\xAFse", "\xC3\xA9LO\xC3\x8FSE") &&
            !system.SameNameIgnoringCase("Anna", "Anne"),
        "SameNameIgnoringCase ignores letter case only");
  ::SetEnvironmentVariableW(L"HARVALA_SMOKE_EMPTY", L"");
  Check(system.Environment("HARVALA_SMOKE_EMPTY") == std::string(), "an empty variable");
  const std::wstring longValue(5000, L'v');
  ::SetEnvironmentVariableW(L"HARVALA_SMOKE_LONG", longValue.c_str());
  const auto longRead = system.Environment("HARVALA_SMOKE_LONG");
  Check(longRead && longRead->size() == 5000, "a variable longer than the first buffer");
  const auto windows = system.FileAttributes("C:\\windows");
  Check(windows && (*windows & FILE_ATTRIBUTE_DIRECTORY), "FileAttributes of a folder");
  Check(!system.FileAttributes("C:\\no\\such\\file"), "FileAttributes of a missing file");
  Check(system.AnsiCodePage() == 1252, "the ANSI code page here is 1252");
  const char separator = system.DecimalSeparator();
  Check(separator > ' ' && separator < 0x7F, "DecimalSeparator is printable ASCII");
  const auto now = system.Now();
  Check(now.year >= 2020 && now.month >= 1 && now.month <= 12, "Now");
  const auto productId = system.DigitalProductId();  // absent under Wine; must not crash
  Check(!productId || !productId->empty(), "DigitalProductId reads or fails cleanly");
}

void CheckDialogFilter() {
  struct Case {
    const char* filter;
    std::wstring list;
  };
  const Case cases[] = {
      {"Rich text format (*.rtf)|*.rtf|Plain text (*.txt)|*.txt|",
       std::wstring(L"Rich text format (*.rtf)\0*.rtf\0Plain text (*.txt)\0*.txt\0\0", 57)},
      {"Web page (*.htm)|*.htm", std::wstring(L"Web page (*.htm)\0*.htm\0\0", 24)},
      {"", L""},
  };
  for (const Case& c : cases) {
    Check(w32::DialogFilter(c.filter) == c.list, std::string("DialogFilter of ") + c.filter);
  }
}

void CheckAssets() {
  w32::ResourceAssets assets;
  Check(assets.Bytes("smoke_asset") == std::vector<std::uint8_t>{'a', 'b', 'c'},
        "an RCDATA resource by its lower-case name");
  Check(!assets.Bytes("no_such_asset"), "a missing resource");
  Check(!assets.Bytes(""), "an empty resource name");
}

}  // namespace

int main() {
  {
    const w32::ComInit com;
    Check(com.ok(), "COM initialises");
    w32::SystemWin32 system;
    CheckWmi();
    CheckVariantMapping();
    CheckUnsignedMapping();
    CheckRegistry();
    CheckAnsi(system);
    CheckFiles(system);
    CheckDatesAndTimes(system);
    CheckSystem(system);
    CheckDialogFilter();
    CheckAssets();
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  std::fflush(stdout);
  return failed == 0 ? 0 : 1;
}

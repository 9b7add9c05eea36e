#include "win32/registry_shell.h"

#include <shlobj.h>

#include <climits>

#include "win32/raii.h"
#include "win32/registry_data.h"

namespace hv::win32 {
namespace {

static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegBinary == REG_BINARY &&
              kRegDword == REG_DWORD && kRegMultiSz == REG_MULTI_SZ && kRegQword == REG_QWORD);

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::Users:
      return HKEY_USERS;
    case RegistryRoot::CurrentConfig:
      return HKEY_CURRENT_CONFIG;
  }
  return HKEY_CURRENT_USER;
}

bool SetValue(HKEY key, const std::wstring& name, DWORD type, const void* data, std::size_t size) {
  if (size > ULONG_MAX) return false;
  return ::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool WriteString(HKEY key, const std::wstring& name, const platform::Variant& value) {
  const std::optional<std::string> text = platform::CStr(value);
  if (!text) return false;
  const std::wstring wide = Widen(*text);
  // The stored size includes the terminating NUL, as readers of REG_SZ expect.
  return SetValue(key, name, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

bool WriteDword(HKEY key, const std::wstring& name, const platform::Variant& value) {
  const std::optional<std::int32_t> number = platform::CLng(value);
  if (!number) return false;
  const auto bits = static_cast<DWORD>(*number);
  return SetValue(key, name, REG_DWORD, &bits, sizeof bits);
}

}  // namespace

std::optional<RegistryValueBytes> ReadRegistryValue(HKEY key, const std::wstring& name) {
  RegistryValueBytes value;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  // The value may grow between the size query and the read (another program writing it);
  // ERROR_MORE_DATA reports the new size, so try again a few times rather than forever.
  for (int attempt = 0; attempt < 8 && status == ERROR_SUCCESS; ++attempt) {
    value.bytes.resize(size);
    DWORD got = size;
    status = ::RegQueryValueExW(key, name.c_str(), nullptr, &value.type,
                                value.bytes.empty() ? nullptr : value.bytes.data(), &got);
    if (status == ERROR_MORE_DATA) {
      size = got > size ? got : size * 2 + 16;
      status = ERROR_SUCCESS;
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    value.bytes.resize(got < size ? got : size);
    return value;
  }
  return std::nullopt;
}

std::optional<platform::Variant> RegistryShell::RegRead(const std::string& path) {
  const std::optional<RegistryPath> parsed = ParseRegistryPath(path);
  if (!parsed) return std::nullopt;
  RegKey key;
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(RootKey(parsed->root), Widen(parsed->key).c_str(), 0, KEY_QUERY_VALUE,
                      &raw) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  key.reset(raw);
  const std::optional<RegistryValueBytes> value =
      ReadRegistryValue(key.get(), Widen(parsed->value));
  if (!value) return std::nullopt;
  return DecodeRegistryValue(value->type, value->bytes);
}

bool RegistryShell::RegWrite(const std::string& path, const platform::Variant& value,
                             const std::string& type) {
  const std::optional<RegistryPath> parsed = ParseRegistryPath(path);
  if (!parsed || (type != "REG_SZ" && type != "REG_DWORD")) return false;
  RegKey key;
  HKEY raw = nullptr;
  if (::RegCreateKeyExW(RootKey(parsed->root), Widen(parsed->key).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &raw,
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  key.reset(raw);
  const std::wstring name = Widen(parsed->value);
  return type == "REG_SZ" ? WriteString(key.get(), name, value)
                          : WriteDword(key.get(), name, value);
}

std::optional<std::string> RegistryShell::SpecialFolders(const std::string& name) {
  int csidl = 0;
  if (_stricmp(name.c_str(), "Fonts") == 0) {
    csidl = CSIDL_FONTS;
  } else if (_stricmp(name.c_str(), "Desktop") == 0) {
    csidl = CSIDL_DESKTOPDIRECTORY;
  } else {
    return std::nullopt;
  }
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return std::nullopt;
  }
  return Narrow(std::wstring(folder));
}

}  // namespace hv::win32

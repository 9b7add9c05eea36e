#include "win32/registry_data.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "win32/utf_codec.h"

namespace hv::win32 {
namespace {

using platform::Variant;

bool EqualsNoCase(const std::string& a, const char* b) {
  const std::string other(b);
  return std::equal(a.begin(), a.end(), other.begin(), other.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

std::optional<RegistryRoot> ParseRoot(const std::string& name) {
  struct Alias {
    const char* name;
    RegistryRoot root;
  };
  static constexpr std::array<Alias, 8> kRoots{{
      {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
      {"HKCU", RegistryRoot::CurrentUser},
      {"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
      {"HKLM", RegistryRoot::LocalMachine},
      {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
      {"HKCR", RegistryRoot::ClassesRoot},
      {"HKEY_USERS", RegistryRoot::Users},
      {"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
  }};
  for (const Alias& a : kRoots) {
    if (EqualsNoCase(name, a.name)) return a.root;
  }
  return std::nullopt;
}

// Little-endian UTF-16 code units of the bytes; an odd last byte cannot form a unit.
std::u16string Units(std::span<const std::uint8_t> bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return units;
}

std::string TextUpToNul(std::u16string_view units) {
  return Utf16ToUtf8(units.substr(0, units.find(u'\0')));
}

// Strings separated by NULs; an empty string ends the list (the double NUL), and a missing
// final terminator still yields the last string.
Variant MultiString(std::span<const std::uint8_t> bytes) {
  const std::u16string units = Units(bytes);
  std::vector<Variant> items;
  std::size_t start = 0;
  while (start < units.size()) {
    std::size_t end = units.find(u'\0', start);
    if (end == std::u16string::npos) end = units.size();
    if (end == start) break;
    items.emplace_back(Utf16ToUtf8(std::u16string_view(units).substr(start, end - start)));
    start = end + 1;
  }
  return Variant(std::move(items));
}

std::uint64_t LittleEndian(std::span<const std::uint8_t> bytes) {
  std::uint64_t v = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) v = (v << 8) | bytes[i];
  return v;
}

Variant ByteArray(std::span<const std::uint8_t> bytes) {
  std::vector<Variant> items;
  items.reserve(bytes.size());
  for (std::uint8_t b : bytes) items.emplace_back(static_cast<std::int32_t>(b));
  return Variant(std::move(items));
}

}  // namespace

std::optional<RegistryPath> ParseRegistryPath(const std::string& path) {
  const std::size_t firstSlash = path.find('\\');
  if (firstSlash == std::string::npos) return std::nullopt;
  const std::optional<RegistryRoot> root = ParseRoot(path.substr(0, firstSlash));
  if (!root) return std::nullopt;
  const std::size_t lastSlash = path.rfind('\\');
  RegistryPath parsed;
  parsed.root = *root;
  parsed.value = path.substr(lastSlash + 1);
  if (lastSlash > firstSlash) parsed.key = path.substr(firstSlash + 1, lastSlash - firstSlash - 1);
  return parsed;
}

Variant DecodeRegistryValue(std::uint32_t type, std::span<const std::uint8_t> bytes) {
  switch (type) {
    case kRegSz:
    case kRegExpandSz:
      return Variant(TextUpToNul(Units(bytes)));
    case kRegMultiSz:
      return MultiString(bytes);
    case kRegDword:
      if (bytes.size() != 4) break;
      return Variant(static_cast<std::int32_t>(static_cast<std::uint32_t>(LittleEndian(bytes))));
    case kRegQword:
      if (bytes.size() != 8) break;
      return Variant(static_cast<std::int64_t>(LittleEndian(bytes)));
    default:
      break;
  }
  return ByteArray(bytes);
}

}  // namespace hv::win32

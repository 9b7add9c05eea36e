#pragma once
// The portable half of the registry shell: splitting a shell-object path into root, key and
// value name, and turning the bytes of a value into the Variant that RegRead hands over.
// Registry data is whatever any program stored, so every size and type is accepted.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/variant.h"

namespace hv::win32 {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot, Users, CurrentConfig };

struct RegistryPath {
  RegistryRoot root = RegistryRoot::CurrentUser;
  std::string key;    // below the root, without leading or trailing backslash; may be empty
  std::string value;  // empty names the key's default value
  bool operator==(const RegistryPath&) const = default;
};

// "HKCU\Software\X\Name" -> {CurrentUser, "Software\X", "Name"}; a trailing backslash names
// the key's default value. Root names are matched without regard to case. nullopt when the
// root is unknown or there is no backslash after it.
std::optional<RegistryPath> ParseRegistryPath(const std::string& path);

// The value types the registry reports (the same numbers as winnt.h's REG_* constants).
enum RegistryType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
  kRegQword = 11,
};

// The Variant for a value's raw bytes: text types as String (up to the first NUL, an odd last
// byte ignored), REG_MULTI_SZ as an Array of String, REG_DWORD as Int32 and REG_QWORD as Int64
// (little-endian, bits kept), everything else - and a number of the wrong size - as an Array of
// the bytes as Int32.
platform::Variant DecodeRegistryValue(std::uint32_t type, std::span<const std::uint8_t> bytes);

}  // namespace hv::win32

#pragma once
// The shell object's registry and special-folder operations. Paths are full registry paths
// as the shell object takes them ("HKEY_CURRENT_USER\...\Value"; "HKCU\" too).
#include <optional>
#include <string>

#include "platform/variant.h"

namespace hv::platform {

class ShellObject {
 public:
  virtual ~ShellObject() = default;
  // A REG_SZ/REG_EXPAND_SZ value as String, a REG_DWORD as Int32 (its bits), a REG_QWORD as
  // Int64, REG_BINARY / REG_MULTI_SZ as an Array; nullopt when the key or value is missing.
  virtual std::optional<Variant> RegRead(const std::string& path) = 0;
  // type is "REG_SZ" or "REG_DWORD"; false when the write failed.
  virtual bool RegWrite(const std::string& path, const Variant& value, const std::string& type) = 0;
  // "Fonts", "Desktop": the folder's full path, nullopt when unknown.
  virtual std::optional<std::string> SpecialFolders(const std::string& name) = 0;
};

}  // namespace hv::platform

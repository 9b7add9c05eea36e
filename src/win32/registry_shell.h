#pragma once
// The shell object's registry reads and writes and its special folders, over the W registry
// and shell-folder calls.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell_object.h"

namespace hv::win32 {

struct RegistryValueBytes {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> bytes;
};

// A value's type and bytes, whatever its size; nullopt when it cannot be read.
std::optional<RegistryValueBytes> ReadRegistryValue(HKEY key, const std::wstring& name);

class RegistryShell : public platform::ShellObject {
 public:
  std::optional<platform::Variant> RegRead(const std::string& path) override;
  bool RegWrite(const std::string& path, const platform::Variant& value,
                const std::string& type) override;
  std::optional<std::string> SpecialFolders(const std::string& name) override;
};

}  // namespace hv::win32

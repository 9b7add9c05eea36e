#pragma once
// The pictures and other asset files embedded in the exe as RCDATA resources named after them.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/assets.h"

namespace hv::win32 {

class ResourceAssets : public platform::Assets {
 public:
  // The resources of module (the exe itself when null).
  explicit ResourceAssets(HMODULE module = nullptr) : module_(module) {}
  std::optional<std::vector<std::uint8_t>> Bytes(const std::string& name) override;

 private:
  HMODULE module_;
};

}  // namespace hv::win32

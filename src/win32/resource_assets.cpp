#include "win32/resource_assets.h"

#include "win32/raii.h"

namespace hv::win32 {

std::optional<std::vector<std::uint8_t>> ResourceAssets::Bytes(const std::string& name) {
  // A name starting with '#' would be taken as a numeric id; assets are named, never numbered.
  if (name.empty() || name.front() == '#') return std::nullopt;
  std::wstring resourceName = Widen(name);
  // windres stores resource names upper-cased (ASCII letters only); fold the same letters
  // here rather than rely on how the loader folds the name it is asked for.
  for (wchar_t& c : resourceName) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  HMODULE module = module_ != nullptr ? module_ : ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, resourceName.c_str(), RT_RCDATA);
  if (found == nullptr) return std::nullopt;
  const DWORD size = ::SizeofResource(module, found);
  HGLOBAL loaded = ::LoadResource(module, found);
  // Resource memory belongs to the module image: nothing to free or unlock.
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace hv::win32

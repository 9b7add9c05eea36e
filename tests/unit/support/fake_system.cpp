#include "support/fake_system.h"

#include <fstream>

#include "support/ascii.h"
#include "support/cp1252.h"

namespace hv::test {

namespace {

template <typename Map>
auto FindNoCase(const Map& map, const std::string& name)
    -> std::optional<typename Map::mapped_type> {
  for (const auto& [key, value] : map)
    if (EqualsNoCase(key, name)) return value;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FakeSystem::Environment(const std::string& name) {
  return FindNoCase(environment, name);
}

std::optional<std::uint32_t> FakeSystem::FileAttributes(const std::string& path) {
  return FindNoCase(fileAttributes, path);
}

void FakeSystem::OpenUrl(std::uintptr_t owner, const std::string& url) {
  openedUrls.emplace_back(owner, url);
}

platform::SaveDialogResult FakeSystem::SaveDialog(const platform::SaveDialogRequest& request) {
  saveRequests.push_back(request);
  return saveDialogHandler ? saveDialogHandler(request) : saveResult;
}

bool FakeSystem::WriteAnsiFile(const std::string& path, const std::string& utf8) {
  if (failFileWrites || path.empty()) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const std::string bytes = Utf8ToCp1252(utf8);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return false;
  writtenFiles.push_back(path);
  return true;
}

void FakeSystem::AdvanceTicks(std::uint64_t ms) {
  tickCount64 += ms;
  tickCount = static_cast<std::uint32_t>(tickCount + ms);
}

}  // namespace hv::test

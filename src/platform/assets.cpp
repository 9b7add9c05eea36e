#include "platform/assets.h"

#include <fstream>
#include <iterator>

namespace hv::platform {

std::shared_ptr<const tk::Picture> Assets::Picture(const std::string& name) {
  for (const auto& [cached, picture] : cache_)
    if (cached == name) return picture;
  std::shared_ptr<const tk::Picture> picture;
  if (auto bytes = Bytes(name)) {
    if (auto decoded = tk::Picture::FromBmp(*bytes))
      picture = std::make_shared<const tk::Picture>(std::move(*decoded));
  }
  // A missing picture is remembered too: it will not appear later in the run.
  cache_.emplace_back(name, picture);
  return picture;
}

FolderAssets::FolderAssets(std::string folder) : folder_(std::move(folder)) {}

std::optional<std::vector<std::uint8_t>> FolderAssets::Bytes(const std::string& name) {
  // Asset names are plain file names; anything that could leave the folder is refused.
  if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
    return std::nullopt;
  const bool hasExtension = name.find('.') != std::string::npos;
  std::ifstream in(folder_ + "/" + name + (hasExtension ? "" : ".bmp"), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace hv::platform

#pragma once
// The pictures the windows show, by asset name ("Sec1", "skin_left" ...). Natively they are
// read from the assets folder; in the exe they are resources built from the same files.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/picture.h"

namespace hv::platform {

class Assets {
 public:
  virtual ~Assets() = default;
  virtual std::optional<std::vector<std::uint8_t>> Bytes(const std::string& name) = 0;
  // A BMP asset as a picture, cached; nullptr when missing or unreadable.
  std::shared_ptr<const tk::Picture> Picture(const std::string& name);

 private:
  std::vector<std::pair<std::string, std::shared_ptr<const tk::Picture>>> cache_;
};

// Reads "<name>.bmp" (and other files by full name) from a folder.
class FolderAssets : public Assets {
 public:
  explicit FolderAssets(std::string folder);
  std::optional<std::vector<std::uint8_t>> Bytes(const std::string& name) override;

 private:
  std::string folder_;
};

}  // namespace hv::platform

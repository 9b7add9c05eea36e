#include "platform/assets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace hv::platform {
namespace {

class MapAssets : public Assets {
 public:
  std::optional<std::vector<std::uint8_t>> Bytes(const std::string& name) override {
    ++reads[name];
    const auto it = files.find(name);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::map<std::string, int> reads;
};

TEST(AssetsTest, DecodesOnceAndCachesByName) {
  MapAssets assets;
  tk::Picture red(2, 3, tk::Rgb(255, 0, 0));
  assets.files["Sec1"] = red.ToBmp();
  assets.files["broken"] = {'B', 'M', 1, 2};
  const auto first = assets.Picture("Sec1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(*first, red);
  EXPECT_EQ(assets.Picture("Sec1"), first);
  EXPECT_EQ(assets.Picture("broken"), nullptr);
  EXPECT_EQ(assets.Picture("missing"), nullptr);
  EXPECT_EQ(assets.Picture("missing"), nullptr);
  EXPECT_EQ(assets.reads, (std::map<std::string, int>{{"Sec1", 1}, {"broken", 1}, {"missing", 1}}));
}

TEST(AssetsTest, FolderAssetsReadsBmpByNameAndOtherFilesByFullName) {
  const auto dir = ::testing::TempDir() + "harvala_assets_test";
  std::filesystem::create_directories(dir);
  const std::vector<std::uint8_t> bmp = tk::Picture(1, 1).ToBmp();
  {
    std::ofstream(dir + "/Logo.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  }
  { std::ofstream(dir + "/hand.cur", std::ios::binary) << "CUR"; }
  FolderAssets assets(dir);
  EXPECT_EQ(assets.Bytes("Logo"), bmp);
  EXPECT_EQ(assets.Bytes("hand.cur"), (std::vector<std::uint8_t>{'C', 'U', 'R'}));
  EXPECT_NE(assets.Picture("Logo"), nullptr);
  for (const char* name : {"Nothing", "", "..", "../harvala_assets_test/Logo.bmp", "sub\\Logo"})
    EXPECT_EQ(assets.Bytes(name), std::nullopt) << name;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace hv::platform

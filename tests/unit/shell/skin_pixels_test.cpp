#include <gtest/gtest.h>

#include <vector>

#include "shell/skin.h"

namespace hv::shell {
namespace {

TEST(Skin, TransparencyAlphaClampsBothWays) {
  const std::pair<int, int> cases[] = {{0, 255},   {9, 232}, {50, 127},      {80, 51},
                                       {100, 0},   {108, 0}, {-8, 255},      {30, 178},
                                       {-28, 255}, {228, 0}, {-100000, 255}, {100000, 0}};
  for (auto [percent, alpha] : cases) EXPECT_EQ(TransparencyAlpha(percent), alpha) << percent;
}

// One pixel of grey g, recoloured with the usual tint (red 0, green 150, blue 255).
std::vector<std::uint8_t> RecolorGrey(int g, int shine) {
  std::vector<std::uint8_t> px(4, static_cast<std::uint8_t>(g));
  px[3] = 77;  // row padding
  RecolorDib(px.data(), 1, 1, 4, 0, 150, 255, shine);
  return px;
}

TEST(Skin, RecolourClampsEachChannel) {
  // Bytes are blue, green, red.
  EXPECT_EQ(RecolorGrey(200, 24), (std::vector<std::uint8_t>{235, 130, 0, 77}));
  EXPECT_EQ(RecolorGrey(240, 24), (std::vector<std::uint8_t>{255, 170, 20, 77}));
  EXPECT_EQ(RecolorGrey(0, 0), (std::vector<std::uint8_t>{11, 0, 0, 77}));
}

TEST(Skin, RecolourLeavesRowPaddingAlone) {
  // The 31-pixel right strip: 93 bytes of pixels in a 96-byte row.
  const int width = 31, height = 2, stride = 96;
  std::vector<std::uint8_t> dib(stride * height, 128);
  RecolorDib(dib.data(), width, height, stride, 255, 255, 255, 24);
  for (int row = 0; row < height; ++row) {
    for (int i = 0; i < 93; ++i) EXPECT_EQ(dib[row * stride + i], 163) << row << ":" << i;
    for (int i = 93; i < 96; ++i) EXPECT_EQ(dib[row * stride + i], 128);
  }
}

}  // namespace
}  // namespace hv::shell

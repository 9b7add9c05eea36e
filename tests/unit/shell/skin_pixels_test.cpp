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

#include "shell/app.h"
#include "toolkit/headless_backend.h"

namespace hv::shell {
namespace {

class SkinBoxes : public ::testing::Test {
 protected:
  tk::PictureBox& Box(const char* name, int w, int h, std::shared_ptr<const tk::Picture> pic) {
    auto& box = form.Add<tk::PictureBox>(name);
    box.Move(0, 0, w, h);
    box.SetPicture(std::move(pic));
    return box;
  }
  tk::HeadlessBackend backend;
  tk::Form form{backend, "T", 100, 100};
};

TEST_F(SkinBoxes, ApplyColorTintsFromTheAssignedGreyEveryTime) {
  auto grey = std::make_shared<tk::Picture>(31, 3, tk::Rgb(200, 200, 200));
  auto& box = Box("S4", 31, 3, grey);
  Appearance look;
  look.tintRed = 0;
  look.tintGreen = 150;
  look.tintBlue = 255;
  look.shine = 24;
  ApplyColor(box, look);
  const tk::Picture once = box.Image();
  EXPECT_EQ(once.At(30, 2), tk::Rgb(0, 130, 235));
  ApplyColor(box, look);
  EXPECT_EQ(box.Image(), once);
  EXPECT_EQ(*box.Assigned(), *grey);  // the assigned picture is never altered
}

TEST_F(SkinBoxes, ApplyColorLeavesABoxWithoutAnImageAlone) {
  Appearance look;
  look.tintBlue = 255;
  // Sizes no drawn image can have: nothing to recolour, and no overflow on the way.
  const std::pair<int, int> sizes[] = {{0, 553}, {170, 0}, {800000000, 1}, {20000, 20000}};
  for (auto [w, h] : sizes) {
    auto& box = Box("Huge", 1, 1, std::make_shared<tk::Picture>(1, 1, tk::Rgb(9, 9, 9)));
    box.Move(0, 0, w, h);
    const tk::Picture before = box.Image();
    ApplyColor(box, look);
    EXPECT_EQ(box.Image(), before) << w << " x " << h;
  }
}

TEST_F(SkinBoxes, BlendPictureAtTheEndsOfTheAlphaRange) {
  auto background = std::make_shared<tk::Picture>(4, 4, tk::Rgb(10, 20, 30));
  auto source = std::make_shared<tk::Picture>(4, 4, tk::Rgb(250, 100, 0));
  auto& to = Box("to", 4, 4, background);
  auto& from = Box("from", 4, 4, source);
  BlendPicture(to, from, 0);
  EXPECT_EQ(to.Image(), *background);
  BlendPicture(to, from, 255);
  EXPECT_EQ(to.Image(), *source);
  BlendPicture(to, from, 128);  // each frame starts again from the assigned picture
  EXPECT_EQ(to.Image().At(1, 1),
            tk::Rgb((250 * 128 + 10 * 127 + 127) / 255, (100 * 128 + 20 * 127 + 127) / 255,
                    (0 + 30 * 127 + 127) / 255));
}

TEST_F(SkinBoxes, BlendPictureStretchesTheWholeSourceOverTheWholeDestination) {
  auto quarters = std::make_shared<tk::Picture>(2, 2);
  quarters->Set(0, 0, tk::Rgb(255, 0, 0));
  quarters->Set(1, 0, tk::Rgb(0, 255, 0));
  quarters->Set(0, 1, tk::Rgb(0, 0, 255));
  quarters->Set(1, 1, tk::Rgb(9, 9, 9));
  auto& from = Box("from", 2, 2, quarters);
  auto& to = Box("to", 4, 4, nullptr);
  BlendPicture(to, from, 255);
  EXPECT_EQ(to.Image().At(1, 1), tk::Rgb(255, 0, 0));
  EXPECT_EQ(to.Image().At(2, 1), tk::Rgb(0, 255, 0));
  EXPECT_EQ(to.Image().At(1, 2), tk::Rgb(0, 0, 255));
  EXPECT_EQ(to.Image().At(3, 3), tk::Rgb(9, 9, 9));
  // Sizes that do not divide each other, and boxes without an image, stay inside both.
  const int sizes[][4] = {{3, 5, 7, 2}, {7, 2, 3, 5}, {1, 1, 48, 48}, {0, 4, 4, 4}, {4, 4, 0, 4}};
  for (const auto& s : sizes) {
    auto& src = Box("src", s[0], s[1], std::make_shared<tk::Picture>(8, 8, tk::Rgb(1, 2, 3)));
    auto& dst = Box("dst", s[2], s[3], nullptr);
    BlendPicture(dst, src, 128);
    EXPECT_EQ(dst.Image().Width(), s[2] > 0 && s[3] > 0 ? s[2] : 0);
  }
}

TEST_F(SkinBoxes, SplitAndAccentColours) {
  struct Case {
    std::int32_t colour;
    int shine;
    int r, g, b;
  };
  const Case cases[] = {{16750080, 24, 0, 84, 189},
                        {16750080, 0, 0, 60, 165},
                        {0xFFFFFF, 24, 189, 189, 189},
                        {0, 0, 0, 0, 0}};
  for (const Case& c : cases) {
    Appearance look;
    look.shine = c.shine;
    SplitColour(look, c.colour);
    ComputeAccent(look);
    EXPECT_EQ(look.colorRed, c.r);
    EXPECT_EQ(look.colorGreen, c.g);
    EXPECT_EQ(look.colorBlue, c.b);
  }
}

}  // namespace
}  // namespace hv::shell

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/picture.h"

namespace hv::tk {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// The 3 × 2 picture every reader case must yield: red green blue over white black grey.
Picture Expected() {
  Picture p(3, 2);
  p.Set(0, 0, Rgb(255, 0, 0));
  p.Set(1, 0, Rgb(0, 255, 0));
  p.Set(2, 0, Rgb(0, 0, 255));
  p.Set(0, 1, Rgb(255, 255, 255));
  p.Set(1, 1, Rgb(0, 0, 0));
  p.Set(2, 1, Rgb(128, 128, 128));
  return p;
}

// Writes Expected() as a BMP of the given depth, bottom-up or top-down.
Bytes MakeBmp(int bits, bool topDown) {
  const Picture p = Expected();
  const std::vector<Color> palette = {Rgb(255, 0, 0),     Rgb(0, 255, 0), Rgb(0, 0, 255),
                                      Rgb(255, 255, 255), Rgb(0, 0, 0),   Rgb(128, 128, 128)};
  const std::size_t paletteBytes = bits == 8 ? palette.size() * 4 : 0;
  const std::size_t stride = (static_cast<std::size_t>(3 * bits) + 31) / 32 * 4;
  const std::size_t offset = 54 + paletteBytes;
  Bytes b(offset + stride * 2, 0xEE);  // 0xEE in the padding: it must be skipped
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 6, 0);
  Put32(b, 10, static_cast<std::uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, 3);
  Put32(b, 22, static_cast<std::uint32_t>(topDown ? -2 : 2));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint16_t>(bits));
  Put32(b, 30, 0);
  for (std::size_t i = 34; i < 54; ++i) b[i] = 0;
  Put32(b, 46, bits == 8 ? static_cast<std::uint32_t>(palette.size()) : 0);
  for (std::size_t i = 0; i < paletteBytes / 4; ++i) {
    b[54 + i * 4] = static_cast<std::uint8_t>(BlueOf(palette[i]));
    b[54 + i * 4 + 1] = static_cast<std::uint8_t>(GreenOf(palette[i]));
    b[54 + i * 4 + 2] = static_cast<std::uint8_t>(RedOf(palette[i]));
    b[54 + i * 4 + 3] = 0;
  }
  for (int y = 0; y < 2; ++y) {
    const std::size_t row = offset + stride * static_cast<std::size_t>(topDown ? y : 1 - y);
    for (int x = 0; x < 3; ++x) {
      const Color c = p.At(x, y);
      if (bits == 8) {
        b[row + static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(y * 3 + x);
        continue;
      }
      const std::size_t px = row + static_cast<std::size_t>(x * bits / 8);
      b[px] = static_cast<std::uint8_t>(BlueOf(c));
      b[px + 1] = static_cast<std::uint8_t>(GreenOf(c));
      b[px + 2] = static_cast<std::uint8_t>(RedOf(c));
      if (bits == 32) b[px + 3] = 0x7F;
    }
  }
  return b;
}

TEST(PictureBmp, ReadsEveryDepthAndRowOrder) {
  for (int bits : {8, 24, 32})
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(std::to_string(bits) + (topDown ? " top-down" : " bottom-up"));
      const auto picture = Picture::FromBmp(MakeBmp(bits, topDown));
      ASSERT_TRUE(picture.has_value());
      EXPECT_EQ(*picture, Expected());
    }
}

TEST(PictureBmp, WritesWhatItReads) {
  const Bytes bytes = Expected().ToBmp();
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 9 bytes a row padded to 12
  EXPECT_EQ(Picture::FromBmp(bytes), Expected());
  EXPECT_TRUE(Picture().ToBmp().empty());
}

TEST(PictureBmp, RefusesMalformedFiles) {
  struct Case {
    const char* what;
    int bits;
    std::function<void(Bytes&)> spoil;
  };
  const std::vector<Case> cases = {
      {"not BM", 24, [](Bytes& b) { b[0] = 'X'; }},
      {"compressed", 24, [](Bytes& b) { Put32(b, 30, 1); }},
      {"bit fields", 32, [](Bytes& b) { Put32(b, 30, 3); }},
      {"16 bits", 24, [](Bytes& b) { Put16(b, 28, 16); }},
      {"two planes", 24, [](Bytes& b) { Put16(b, 26, 2); }},
      {"small header", 24, [](Bytes& b) { Put32(b, 14, 12); }},
      {"zero width", 24, [](Bytes& b) { Put32(b, 18, 0); }},
      {"negative width", 24, [](Bytes& b) { Put32(b, 18, static_cast<std::uint32_t>(-3)); }},
      {"zero height", 24, [](Bytes& b) { Put32(b, 22, 0); }},
      {"lowest height", 24, [](Bytes& b) { Put32(b, 22, 0x80000000u); }},
      {"huge width", 24, [](Bytes& b) { Put32(b, 18, 0x7FFFFFFFu); }},
      {"huge area", 24,
       [](Bytes& b) {
         Put32(b, 18, 16000);
         Put32(b, 22, 16000);
       }},
      {"pixels past the end", 24, [](Bytes& b) { Put32(b, 10, 0xFFFFFFF0u); }},
      {"pixels in the header", 24, [](Bytes& b) { Put32(b, 10, 20); }},
      {"header size past the end", 24, [](Bytes& b) { Put32(b, 14, 0xFFFFFFFFu); }},
      {"palette too long", 8, [](Bytes& b) { Put32(b, 46, 257); }},
      {"palette past the end", 8, [](Bytes& b) { Put32(b, 46, 256); }},
      {"index outside the palette", 8, [](Bytes& b) { b[b.size() - 4] = 200; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes b = MakeBmp(c.bits, false);
    c.spoil(b);
    EXPECT_FALSE(Picture::FromBmp(b).has_value());
  }
}

TEST(PictureBmp, RefusesEveryTruncation) {
  for (int bits : {8, 24, 32}) {
    const Bytes whole = MakeBmp(bits, false);
    // Cutting into the headers, the palette or any pixel must fail; only the last row's
    // padding may be missing.
    const std::size_t lastPixelEnd = whole.size() - ((4 - (3 * bits / 8) % 4) % 4);
    for (std::size_t len = 0; len < lastPixelEnd; ++len) {
      SCOPED_TRACE(std::to_string(bits) + " bits cut at " + std::to_string(len));
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(len));
      EXPECT_FALSE(Picture::FromBmp(cut).has_value());
    }
    const Bytes unpadded(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(lastPixelEnd));
    EXPECT_EQ(Picture::FromBmp(unpadded), Expected());
  }
}

TEST(Picture, PixelsOutsideAreBlackAndIgnored) {
  Picture p(2, 2, Rgb(1, 2, 3));
  for (auto [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
    p.Set(x, y, Rgb(9, 9, 9));
    EXPECT_EQ(p.At(x, y), Rgb(0, 0, 0));
  }
  EXPECT_EQ(p, Picture(2, 2, Rgb(1, 2, 3)));
  EXPECT_EQ(p.Bytes(), (Bytes{3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1}));  // blue, green, red
}

TEST(Picture, ImpossibleSizesGiveAnEmptyPicture) {
  for (auto [w, h] :
       std::vector<std::pair<int, int>>{{0, 5}, {5, 0}, {-1, 5}, {100000, 1}, {5000, 5000}})
    EXPECT_TRUE(Picture(w, h).Empty()) << w << " x " << h;
}

TEST(Picture, CopyFromCoversOnlyTheOverlap) {
  Picture big(3, 3, Rgb(0, 0, 0));
  big.CopyFrom(Picture(2, 4, Rgb(7, 7, 7)));
  EXPECT_EQ(big.At(1, 2), Rgb(7, 7, 7));
  EXPECT_EQ(big.At(2, 0), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace hv::tk

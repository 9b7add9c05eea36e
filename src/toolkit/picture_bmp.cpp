// Reading and writing uncompressed BMP files. Every field is read through bounds-checked
// little-endian helpers, so a cut or lying file ends in nullopt and never in a read past the
// end of the bytes.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "toolkit/picture.h"

namespace hv::tk {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::optional<std::uint32_t> U32(std::size_t at) const {
    if (at > bytes_.size() || bytes_.size() - at < 4) return std::nullopt;
    return static_cast<std::uint32_t>(bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
                                      static_cast<std::uint32_t>(bytes_[at + 3]) << 24);
  }
  std::optional<std::uint16_t> U16(std::size_t at) const {
    if (at > bytes_.size() || bytes_.size() - at < 2) return std::nullopt;
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::optional<std::int32_t> I32(std::size_t at) const {
    auto v = U32(at);
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
  }
  bool Has(std::uint64_t at, std::uint64_t count) const {
    return at <= bytes_.size() && bytes_.size() - at >= count;
  }
  std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

 private:
  std::span<const std::uint8_t> bytes_;
};

struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint64_t pixelOffset = 0;
  std::uint64_t stride = 0;
  std::vector<Color> palette;
};

std::optional<std::vector<Color>> ReadPalette(const Reader& in, std::size_t at,
                                              std::uint32_t used) {
  const std::uint32_t count = used == 0 ? 256 : used;
  if (count > 256 || !in.Has(at, std::uint64_t{count} * 4)) return std::nullopt;
  std::vector<Color> palette;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t p = at + i * 4;  // blue, green, red, reserved
    palette.push_back(Rgb(in[p + 2], in[p + 1], in[p]));
  }
  return palette;
}

std::optional<Layout> ReadLayout(const Reader& in) {
  if (!in.Has(0, kFileHeaderSize + kInfoHeaderSize) || in[0] != 'B' || in[1] != 'M')
    return std::nullopt;
  const auto offBits = in.U32(10), headerSize = in.U32(14), clrUsed = in.U32(46);
  const auto width = in.I32(18), height = in.I32(22);
  const auto planes = in.U16(26), bitCount = in.U16(28);
  const auto compression = in.U32(30);
  if (!offBits || !headerSize || !clrUsed || !width || !height || !planes || !bitCount ||
      !compression)
    return std::nullopt;
  // 40 is BITMAPINFOHEADER; the V4 and V5 headers extend it and keep its fields in place.
  if (*headerSize < kInfoHeaderSize || *planes != 1 || *compression != kBiRgb) return std::nullopt;
  if (*bitCount != 8 && *bitCount != 24 && *bitCount != 32) return std::nullopt;
  if (*offBits < kFileHeaderSize + *headerSize) return std::nullopt;  // pixels inside the header
  const long long absHeight = *height < 0 ? -static_cast<long long>(*height) : *height;
  if (!Picture::FitsLimits(*width, absHeight)) return std::nullopt;

  Layout l;
  l.width = *width;
  l.height = static_cast<int>(absHeight);
  l.topDown = *height < 0;
  l.bitCount = *bitCount;
  l.pixelOffset = *offBits;
  l.stride = (static_cast<std::uint64_t>(l.width) * l.bitCount + 31) / 32 * 4;
  if (l.bitCount == 8) {
    auto palette = ReadPalette(in, kFileHeaderSize + *headerSize, *clrUsed);
    if (!palette) return std::nullopt;
    l.palette = std::move(*palette);
  }
  // The last row need not carry its padding: only the pixels themselves must be present.
  const std::uint64_t lastRow = (static_cast<std::uint64_t>(l.width) * l.bitCount + 7) / 8;
  if (!in.Has(l.pixelOffset, l.stride * (l.height - 1) + lastRow)) return std::nullopt;
  return l;
}

bool ReadPixels(const Reader& in, const Layout& l, Picture& out) {
  for (int row = 0; row < l.height; ++row) {
    const int y = l.topDown ? row : l.height - 1 - row;
    const std::uint64_t start = l.pixelOffset + l.stride * static_cast<std::uint64_t>(row);
    for (int x = 0; x < l.width; ++x) {
      const std::size_t ux = static_cast<std::size_t>(x);
      if (l.bitCount == 8) {
        const std::uint8_t index = in[start + ux];
        if (index >= l.palette.size()) return false;  // points outside the colour table
        out.Set(x, y, l.palette[index]);
      } else {
        const std::size_t p = start + ux * static_cast<std::size_t>(l.bitCount / 8);
        out.Set(x, y, Rgb(in[p + 2], in[p + 1], in[p]));  // 32-bit: the fourth byte is unused
      }
    }
  }
  return true;
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::optional<Picture> Picture::FromBmp(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  const auto layout = ReadLayout(in);
  if (!layout) return std::nullopt;
  Picture picture(layout->width, layout->height, Rgb(0, 0, 0));
  if (!ReadPixels(in, *layout, picture)) return std::nullopt;
  return picture;
}

std::vector<std::uint8_t> Picture::ToBmp() const {
  if (Empty()) return {};
  const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) / 4 * 4;
  const std::size_t imageSize = stride * static_cast<std::size_t>(height_);
  const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> out(offset + imageSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
  PutU32(out, 10, static_cast<std::uint32_t>(offset));
  PutU32(out, 14, static_cast<std::uint32_t>(kInfoHeaderSize));
  PutU32(out, 18, static_cast<std::uint32_t>(width_));
  PutU32(out, 22, static_cast<std::uint32_t>(height_));  // positive: bottom-up
  out[26] = 1;                                           // planes
  out[28] = 24;                                          // bits per pixel
  PutU32(out, 34, static_cast<std::uint32_t>(imageSize));
  PutU32(out, 38, 2835);  // 72 dpi, in pixels per metre
  PutU32(out, 42, 2835);
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* src = Row(y);
    std::copy_n(src, static_cast<std::size_t>(width_) * 3,
                out.begin() + static_cast<std::ptrdiff_t>(offset + stride * (height_ - 1 - y)));
  }
  return out;
}

}  // namespace hv::tk

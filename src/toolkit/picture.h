#pragma once
// An owned 24-bit picture: rows top-down, three bytes a pixel in blue, green, red order,
// no row padding. Pixel work (recolouring, blending) happens here so that it is tested
// natively to the byte; the Win32 backend only paints the result.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace hv::tk {

// A colour as Windows keeps it: red | green << 8 | blue << 16.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 255) | (g & 255) << 8 | (b & 255) << 16);
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 255); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 255); }

class Picture {
 public:
  // Larger pictures are refused (an empty picture, or nullopt from FromBmp), so that a
  // corrupt size can never ask for gigabytes.
  static constexpr int kMaxSide = 16384;
  static constexpr long long kMaxPixels = 16LL * 1024 * 1024;
  static bool FitsLimits(long long width, long long height);

  Picture() = default;
  Picture(int width, int height, Color fill = Rgb(255, 255, 255));

  // A 24-bit (or 8-bit paletted / 32-bit) uncompressed BMP file's bytes; nullopt when the
  // bytes are no such file or are cut short.
  static std::optional<Picture> FromBmp(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> ToBmp() const;  // 24-bit, bottom-up, padded rows; empty: no bytes

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  Color At(int x, int y) const;     // out of range gives black
  void Set(int x, int y, Color c);  // out of range is ignored
  void Fill(Color c);
  // Copies source's pixels onto this picture's top-left corner, as far as both reach.
  void CopyFrom(const Picture& source);
  std::uint8_t* Row(int y) { return bgr_.data() + static_cast<std::size_t>(y) * width_ * 3; }
  const std::uint8_t* Row(int y) const {
    return bgr_.data() + static_cast<std::size_t>(y) * width_ * 3;
  }
  std::vector<std::uint8_t>& Bytes() { return bgr_; }
  const std::vector<std::uint8_t>& Bytes() const { return bgr_; }

  bool operator==(const Picture&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bgr_;
};

}  // namespace hv::tk

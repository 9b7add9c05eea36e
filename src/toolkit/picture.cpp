#include "toolkit/picture.h"

#include <algorithm>

namespace hv::tk {

Picture::Picture(int width, int height, Color fill) {
  if (!FitsLimits(width, height)) return;  // an impossible size gives an empty picture
  width_ = width;
  height_ = height;
  bgr_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  Fill(fill);
}

bool Picture::FitsLimits(long long width, long long height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

Color Picture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgb(0, 0, 0);
  const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
  return Rgb(p[2], p[1], p[0]);
}

void Picture::Set(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
  p[0] = static_cast<std::uint8_t>(BlueOf(c));
  p[1] = static_cast<std::uint8_t>(GreenOf(c));
  p[2] = static_cast<std::uint8_t>(RedOf(c));
}

void Picture::Fill(Color c) {
  const std::uint8_t b = static_cast<std::uint8_t>(BlueOf(c));
  const std::uint8_t g = static_cast<std::uint8_t>(GreenOf(c));
  const std::uint8_t r = static_cast<std::uint8_t>(RedOf(c));
  for (std::size_t i = 0; i + 2 < bgr_.size(); i += 3) {
    bgr_[i] = b;
    bgr_[i + 1] = g;
    bgr_[i + 2] = r;
  }
}

void Picture::CopyFrom(const Picture& source) {
  const int w = std::min(width_, source.width_);
  const int h = std::min(height_, source.height_);
  for (int y = 0; y < h; ++y) std::copy_n(source.Row(y), static_cast<std::size_t>(w) * 3, Row(y));
}

}  // namespace hv::tk

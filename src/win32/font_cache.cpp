#include "win32/font_cache.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace hv::win32 {

namespace {

std::vector<std::wstring_view> SplitLines(std::wstring_view text) {
  std::vector<std::wstring_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r' && text[i] != L'\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

int FontHeightForPoints(double points, int pixelsPerInch) {
  // Hundredths of a point keep sizes such as 9.75 exact through MulDiv's integer rounding.
  if (!(points > 0.0)) return 0;  // no size (or not a number): the face's default height
  const double clamped = std::min(points, 2000.0);
  const int hundredths = static_cast<int>(std::lround(clamped * 100.0));
  return -::MulDiv(hundredths, pixelsPerInch, 7200);
}

FontCache::FontCache() : measureDc_(::CreateCompatibleDC(nullptr)) {
  pixelsPerInchY_ = measureDc_ ? ::GetDeviceCaps(measureDc_.get(), LOGPIXELSY) : 96;
  if (pixelsPerInchY_ <= 0) pixelsPerInchY_ = 96;
}

HFONT FontCache::Get(const tk::Font& font) {
  for (const auto& [key, handle] : fonts_) {
    if (key == font) return handle.get();
  }
  const int weight = font.bold ? std::max(700, font.weight) : std::clamp(font.weight, 0, 1000);
  const std::wstring face = Widen(font.name).substr(0, LF_FACESIZE - 1);
  HFONT made = ::CreateFontW(FontHeightForPoints(font.size, pixelsPerInchY_), 0, 0, 0, weight,
                             font.italic ? TRUE : FALSE, font.underline ? TRUE : FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (!made) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace_back(font, GdiObject<HFONT>(made));
  return made;
}

tk::TextSize FontCache::Measure(const tk::Font& font, const std::wstring& text) {
  tk::TextSize size;
  if (!measureDc_) return size;
  SelectGuard selected(measureDc_.get(), Get(font));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(measureDc_.get(), &metrics);
  for (std::wstring_view line : SplitLines(text)) {
    SIZE extent{};
    if (!line.empty()) {
      ::GetTextExtentPoint32W(measureDc_.get(), line.data(), static_cast<int>(line.size()),
                              &extent);
    }
    int width = static_cast<int>(extent.cx);
    // An italic line's last letter leans past its advance; without the overhang an
    // auto-sized label would clip it.
    if (!line.empty()) {
      ABC abc{};
      const UINT last = line.back();
      if (::GetCharABCWidthsW(measureDc_.get(), last, last, &abc) && abc.abcC < 0)
        width -= abc.abcC;
    }
    size.width = std::max(size.width, width);
    size.height += static_cast<int>(metrics.tmHeight);
  }
  return size;
}

}  // namespace hv::win32

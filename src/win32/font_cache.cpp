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

// How far an italic letter may lean past its advance: its height above the baseline along
// the face's slant.
int SlantReach(HDC dc, const TEXTMETRICW& metrics) {
  OUTLINETEXTMETRICW outline{};
  outline.otmSize = sizeof(outline);
  if (!::GetOutlineTextMetricsW(dc, sizeof(outline), &outline)) return 0;
  if (outline.otmsCharSlopeRise <= 0 || outline.otmsCharSlopeRun <= 0) return 0;
  return ::MulDiv(metrics.tmAscent, outline.otmsCharSlopeRun, outline.otmsCharSlopeRise) + 1;
}

// How far the last letter's ink reaches past the advance that the text extent counts. An
// italic letter leans over it; without it an auto-sized label would cut the letter's edge.
int Overhang(HDC dc, wchar_t last, bool italic, const TEXTMETRICW& metrics) {
  int overhang = 0;
  ABC abc{};
  if (::GetCharABCWidthsW(dc, last, last, &abc) && abc.abcC < 0) overhang = -abc.abcC;
  if (!italic) return overhang;  // upright text keeps the width it always had
  // The ABC widths miss part of a slanted letter's ink (measured under Wine: Segoe UI's
  // italic "d" inks two pixels past them), and all of it where GDI slants an upright face
  // (Tahoma). The glyph's black box covers the slanted face; the slant of the face bounds
  // any letter's lean, with a pixel for the smoothing at its edge (ClearType on Windows).
  GLYPHMETRICS glyph{};
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  if (::GetGlyphOutlineW(dc, last, GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
    const int ink = glyph.gmptGlyphOrigin.x + static_cast<int>(glyph.gmBlackBoxX);
    overhang = std::max(overhang, ink - glyph.gmCellIncX);
  }
  overhang = std::max(overhang, SlantReach(dc, metrics));
  // Raster fonts made italic by GDI report their slant here instead.
  return std::max(overhang, static_cast<int>(metrics.tmOverhang));
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
    if (!line.empty()) width += Overhang(measureDc_.get(), line.back(), font.italic, metrics);
    size.width = std::max(size.width, width);
    size.height += static_cast<int>(metrics.tmHeight);
  }
  return size;
}

}  // namespace hv::win32

#pragma once
// GDI fonts made from the toolkit's font descriptions, kept for the program's life: the
// windows use a handful of fonts, and creating one per paint would be slow.
#include <windows.h>

#include <utility>
#include <vector>

#include "toolkit/font.h"
#include "win32/raii.h"

namespace hv::win32 {

class FontCache {
 public:
  FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The GDI font for a description; the stock GUI font if it cannot be made.
  HFONT Get(const tk::Font& font);
  // A memory DC compatible with the screen, for measuring text.
  HDC MeasureDc() const { return measureDc_.get(); }
  // Text extent with the real font: the widest line and the height of all lines. CR LF, LF
  // and CR each end a line, as DrawText breaks them.
  tk::TextSize Measure(const tk::Font& font, const std::wstring& text);

 private:
  MemDc measureDc_;
  int pixelsPerInchY_;
  std::vector<std::pair<tk::Font, GdiObject<HFONT>>> fonts_;
};

// The character height (negative: without internal leading) of a point size at a DPI.
int FontHeightForPoints(double points, int pixelsPerInch);

}  // namespace hv::win32

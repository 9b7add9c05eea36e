#include "backend_fixture.h"

#include <cstring>

#include "win32/form_painter.h"

namespace hv::win32::test {

bool PumpUntil(const std::function<bool()>& done, int limitMs) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(limitMs);
  while (!done()) {
    if (::GetTickCount64() >= end) return done();
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return done();
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

Rendering::Rendering(const tk::Form& form, FontCache& fonts)
    : width_(form.ClientWidth()), height_(form.ClientHeight()) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  MemDc dc(::CreateCompatibleDC(nullptr));
  GdiObject<HBITMAP> bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !bitmap || !bits) return;
  {
    SelectGuard selected(dc.get(), bitmap.get());
    PaintForm(dc.get(), form, fonts);
    ::GdiFlush();
  }
  const auto* raw = static_cast<const std::uint32_t*>(bits);
  pixels_.reserve(static_cast<std::size_t>(width_) * height_);
  for (int i = 0; i < width_ * height_; ++i) {
    const std::uint32_t p = raw[i];  // 0x00RRGGBB
    pixels_.push_back(tk::Rgb(static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255),
                              static_cast<int>(p & 255)));
  }
}

tk::Color Rendering::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) return 0xFFFFFFFF;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

}  // namespace hv::win32::test

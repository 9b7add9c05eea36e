#include "shell/skin.h"

#include <algorithm>
#include <new>
#include <vector>

#include "shell/app.h"
#include "shell/main_window.h"

namespace hv::shell {

namespace {

std::uint8_t ClampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

int Stride(int width) { return (3 * width + 3) & ~3; }

}  // namespace

std::uint8_t TransparencyAlpha(int percent) {
  const long long a = (100LL - percent) * 255 / 100;
  return static_cast<std::uint8_t>(std::clamp(a, 0LL, 255LL));
}

void SetTransparency(tk::Form& window, int percent) {
  window.GetBackend().SetLayeredAlpha(window, TransparencyAlpha(percent));
}

void BlendPicture(tk::PictureBox& destination, const tk::PictureBox& source, std::uint8_t alpha) {
  destination.Cls();
  const tk::Picture& from = source.Image();
  tk::Picture& to = destination.Image();
  const int dw = to.Width(), dh = to.Height(), sw = from.Width(), sh = from.Height();
  if (dw > 0 && dh > 0 && sw > 0 && sh > 0) {
    for (int y = 0; y < dh; ++y) {
      const std::uint8_t* srcRow = from.Row(static_cast<int>(static_cast<long long>(y) * sh / dh));
      std::uint8_t* dstRow = to.Row(y);
      for (int x = 0; x < dw; ++x) {
        // The source column first, then its bytes: scaling the byte offset itself would
        // land between pixels and, on the last column, past the row.
        const std::uint8_t* s = srcRow + 3 * (static_cast<long long>(x) * sw / dw);
        std::uint8_t* d = dstRow + 3 * x;
        for (int c = 0; c < 3; ++c)
          d[c] = static_cast<std::uint8_t>((s[c] * alpha + d[c] * (255 - alpha) + 127) / 255);
      }
    }
  }
  destination.Refresh();
}

void RecolorDib(std::uint8_t* bits, int width, int height, int stride, std::uint8_t tintRed,
                std::uint8_t tintGreen, std::uint8_t tintBlue, int shine) {
  // Blue, green and red in that order within each pixel.
  const int offset[3] = {tintBlue - 220 + shine - 24, tintGreen - 220 + shine - 24,
                         tintRed - 220 + shine - 24};
  for (int row = 0; row < height; ++row) {
    std::uint8_t* p = bits + static_cast<std::size_t>(row) * stride;
    for (int i = 0; i <= 3 * width - 3; i += 3)
      for (int c = 0; c < 3; ++c) p[i + c] = ClampByte(p[i + c] + offset[c]);
  }
}

void ApplyColor(tk::PictureBox& box, const Appearance& look) {
  const int w = box.Width(), h = box.Height();
  // Everything needed is prepared before the picture is touched, so a failure leaves it as
  // it was. A box too large to hold a drawn image has nothing to recolour, and checking
  // that first also keeps the stride arithmetic in range.
  if (!tk::Picture::FitsLimits(w, h)) return;
  const int stride = Stride(w);
  std::vector<std::uint8_t> dib;
  try {
    dib.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h));
  } catch (const std::bad_alloc&) {
    return;
  }
  box.SetPicture(box.Assigned());  // start from the grey picture: tints never accumulate
  tk::Picture& image = box.Image();
  if (image.Width() != w || image.Height() != h) return;
  // The DIB is bottom-up: stored row r is picture row h - 1 - r.
  for (int r = 0; r < h; ++r)
    std::copy_n(image.Row(h - 1 - r), 3 * w, dib.data() + static_cast<std::size_t>(r) * stride);
  RecolorDib(dib.data(), w, h, stride, look.tintRed, look.tintGreen, look.tintBlue, look.shine);
  for (int r = 0; r < h; ++r)
    std::copy_n(dib.data() + static_cast<std::size_t>(r) * stride, 3 * w, image.Row(h - 1 - r));
  box.Refresh();
}

void SplitColour(Appearance& look, std::int32_t colour) {
  look.tintRed = static_cast<std::uint8_t>(colour & 255);
  look.tintGreen = static_cast<std::uint8_t>((colour / 256) & 255);
  look.tintBlue = static_cast<std::uint8_t>((colour / 65536) & 255);
}

void ComputeAccent(Appearance& look) {
  auto channel = [&](int tint) { return std::clamp(tint - 90 + look.shine, 0, 255); };
  look.colorRed = channel(look.tintRed);
  look.colorGreen = channel(look.tintGreen);
  look.colorBlue = channel(look.tintBlue);
}

void MainWindow::SplitColor(std::int32_t colour) { SplitColour(app.look, colour); }

void MainWindow::ComputeTitleColor() { ComputeAccent(app.look); }

void MainWindow::ApplySkin() {
  SplitColor(app.look.skinColor);
  for (tk::PictureBox* box : {S[1], BM, S[2], S[3], S[4]}) ApplyColor(*box, app.look);
  ComputeTitleColor();
  Titulo->SetForeColor(tk::Rgb(app.look.colorRed, app.look.colorGreen, app.look.colorBlue));
}

}  // namespace hv::shell

#include "win32/form_painter.h"

#include <algorithm>
#include <cstring>

namespace hv::win32 {

namespace {

RECT ToRect(const tk::Rect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

// Restricts drawing to a rectangle for the guard's lifetime.
class ClipScope {
 public:
  ClipScope(HDC dc, const tk::Rect& clip) : dc_(dc), saved_(::SaveDC(dc)) {
    ::IntersectClipRect(dc, clip.left, clip.top, clip.left + clip.width, clip.top + clip.height);
  }
  ~ClipScope() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  HDC dc_;
  int saved_;
};

void FillSolid(HDC dc, const RECT& r, tk::Color color) {
  GdiObject<HBRUSH> brush(::CreateSolidBrush(color));
  if (brush) ::FillRect(dc, &r, brush.get());
}

void DrawPicture(HDC dc, const tk::Picture& picture, int left, int top) {
  if (picture.Empty()) return;
  const std::size_t rowBytes = static_cast<std::size_t>(picture.Width()) * 3;
  std::vector<std::uint8_t> padded;
  const std::uint8_t* bits = picture.Bytes().data();
  if (picture.Bytes().size() < rowBytes * static_cast<std::size_t>(picture.Height())) return;
  if (rowBytes % 4 != 0) {
    padded = PaddedDibRows(picture);
    bits = padded.data();
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // negative: rows run top-down, as in Picture
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  ::StretchDIBits(dc, left, top, picture.Width(), picture.Height(), 0, 0, picture.Width(),
                  picture.Height(), bits, &info, DIB_RGB_COLORS, SRCCOPY);
}

void PaintPictureBox(HDC dc, const tk::PictureBox& box, const tk::Form::PaintItem& item) {
  tk::Rect clip = item.clip;
  if (box.Kind() == tk::ControlKind::Image) {
    // An image control shows its picture at its own size and nothing else: where it is
    // larger than the picture, or has none, what lies beneath shows through.
    if (!box.Assigned()) return;
    clip.width =
        std::min(clip.left + clip.width, item.clientBounds.left + box.Assigned()->Width()) -
        clip.left;
    clip.height =
        std::min(clip.top + clip.height, item.clientBounds.top + box.Assigned()->Height()) -
        clip.top;
    if (clip.width <= 0 || clip.height <= 0) return;
  }
  ClipScope scope(dc, clip);
  DrawPicture(dc, box.Image(), item.clientBounds.left, item.clientBounds.top);
}

void PaintLabel(HDC dc, const tk::Label& label, const tk::Form::PaintItem& item, FontCache& fonts) {
  ClipScope scope(dc, item.clip);
  RECT bounds = ToRect(item.clientBounds);
  if (!label.Transparent()) FillSolid(dc, bounds, label.BackColor());
  if (label.Caption().empty()) return;
  const std::wstring text = Widen(label.Caption());
  SelectGuard font(dc, fonts.Get(label.GetFont()));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, label.ForeColor());
  // A label that does not size itself breaks its words at its width, as it always has on
  // Windows; an auto-sized one is exactly as wide as its lines unless told to wrap.
  const bool wrap = label.WordWrap() || !label.AutoSize();
  const UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX | (wrap ? DT_WORDBREAK : 0u);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, format);
}

void PaintLine(HDC dc, const tk::Line& line, const tk::Form::PaintItem& item) {
  int originX = 0;
  int originY = 0;
  if (const tk::PictureBox* container = line.Container()) {
    const tk::Rect c = container->ClientBounds();
    originX = c.left;
    originY = c.top;
  }
  ClipScope scope(dc, item.clip);
  GdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, line.LineColor()));
  if (!pen) return;
  SelectGuard selected(dc, pen.get());
  ::MoveToEx(dc, originX + line.X1(), originY + line.Y1(), nullptr);
  ::LineTo(dc, originX + line.X2(), originY + line.Y2());
  // LineTo leaves out the last point; a line control covers both of its ends.
  ::SetPixel(dc, originX + line.X2(), originY + line.Y2(), line.LineColor());
}

void PaintItem(HDC dc, const tk::Form::PaintItem& item, FontCache& fonts) {
  if (item.clip.width <= 0 || item.clip.height <= 0) return;
  const tk::Control& control = *item.control;
  switch (control.Kind()) {
    case tk::ControlKind::PictureBox:
    case tk::ControlKind::Image:
      PaintPictureBox(dc, static_cast<const tk::PictureBox&>(control), item);
      return;
    case tk::ControlKind::Label:
      PaintLabel(dc, static_cast<const tk::Label&>(control), item, fonts);
      return;
    case tk::ControlKind::Line:
      PaintLine(dc, static_cast<const tk::Line&>(control), item);
      return;
    case tk::ControlKind::HScrollBar:
    case tk::ControlKind::ComboBox:
    case tk::ControlKind::CheckBox:
    case tk::ControlKind::CommandButton:
      return;  // real child windows
  }
}

}  // namespace

std::vector<std::uint8_t> PaddedDibRows(const tk::Picture& picture) {
  if (picture.Empty()) return {};
  const std::size_t rowBytes = static_cast<std::size_t>(picture.Width()) * 3;
  const std::size_t stride = (rowBytes + 3) & ~static_cast<std::size_t>(3);
  const std::size_t height = static_cast<std::size_t>(picture.Height());
  if (picture.Bytes().size() < rowBytes * height) return {};
  std::vector<std::uint8_t> rows(stride * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    std::memcpy(rows.data() + y * stride, picture.Bytes().data() + y * rowBytes, rowBytes);
  }
  return rows;
}

void PaintForm(HDC dc, const tk::Form& form, FontCache& fonts) {
  const RECT all{0, 0, form.ClientWidth(), form.ClientHeight()};
  FillSolid(dc, all, form.BackColor);
  for (const tk::Form::PaintItem& item : form.PaintList()) PaintItem(dc, item, fonts);
}

}  // namespace hv::win32

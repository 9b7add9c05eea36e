#include "toolkit/control.h"
#include "toolkit/form.h"

namespace hv::tk {

PictureBox::PictureBox(Form& form, std::string name, PictureBox* container, ControlKind kind)
    : Control(form, kind, std::move(name), container) {}

void PictureBox::SetPicture(std::shared_ptr<const Picture> p) {
  assigned_ = std::move(p);
  ResetImage();
  Changed();
}

void PictureBox::Cls() {
  ResetImage();
  Changed();
}

void PictureBox::SetBackColor(Color c) {
  if (c == backColor_) return;
  backColor_ = c;
  // As with a real picture box, a new back colour clears what was drawn.
  ResetImage();
  Changed();
}

void PictureBox::ResetImage() {
  // The assigned picture sits at the top-left corner, unscaled; the back colour shows
  // wherever the box is larger than the picture.
  image_ = Picture(Width(), Height(), backColor_);
  if (assigned_) image_.CopyFrom(*assigned_);
}

}  // namespace hv::tk

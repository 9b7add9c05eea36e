#include "toolkit/control.h"

namespace hv::tk {

CheckBox::CheckBox(Form& form, std::string name, PictureBox* container)
    : Control(form, ControlKind::CheckBox, std::move(name), container) {}

void CheckBox::SetCaption(std::string text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  Changed();
}

void CheckBox::SetValue(int v) {
  if (v != 0 && v != 1) return;  // only clear and ticked exist here
  if (v == value_) return;
  value_ = v;
  Changed();
  if (onClick) onClick();
}

}  // namespace hv::tk

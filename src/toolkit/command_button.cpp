#include "toolkit/control.h"

namespace hv::tk {

CommandButton::CommandButton(Form& form, std::string name, PictureBox* container)
    : Control(form, ControlKind::CommandButton, std::move(name), container) {}

void CommandButton::SetCaption(std::string text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  Changed();
}

}  // namespace hv::tk

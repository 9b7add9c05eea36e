#include "toolkit/control.h"

namespace hv::tk {

ComboBox::ComboBox(Form& form, std::string name, PictureBox* container)
    : Control(form, ControlKind::ComboBox, std::move(name), container) {}

void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  Changed();
}

void ComboBox::AddItem(std::string text) {
  items_.push_back(std::move(text));
  Changed();
}

void ComboBox::SetListIndex(int i) {
  // An index outside the list is refused and changes nothing; -1 clears the selection.
  if (i < -1 || i >= static_cast<int>(items_.size())) return;
  if (i == listIndex_) return;
  listIndex_ = i;
  Changed();
  if (onClick) onClick();
}

std::string ComboBox::Text() const {
  if (listIndex_ < 0 || listIndex_ >= static_cast<int>(items_.size())) return {};
  return items_[static_cast<std::size_t>(listIndex_)];
}

}  // namespace hv::tk

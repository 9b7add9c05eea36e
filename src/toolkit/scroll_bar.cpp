#include <algorithm>

#include "toolkit/control.h"

namespace hv::tk {

HScrollBar::HScrollBar(Form& form, std::string name, PictureBox* container)
    : Control(form, ControlKind::HScrollBar, std::move(name), container) {}

namespace {
// Min may exceed Max (the bar then runs backwards); the value stays between the two.
int Clamp(int v, int a, int b) { return std::clamp(v, std::min(a, b), std::max(a, b)); }
}  // namespace

void HScrollBar::SetRange(int min, int max) {
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  Changed();
  SetValue(value_);  // a value left outside the new range moves in, with its Change
}

void HScrollBar::SetValue(int v) {
  v = Clamp(v, min_, max_);
  if (v == value_) return;
  value_ = v;
  Changed();
  if (onChange) onChange();
}

void HScrollBar::UserScroll(int v, bool dragging) {
  v = Clamp(v, min_, max_);
  const bool moved = v != value_;
  value_ = v;
  if (moved) Changed();
  // The final move always reports a Change: while dragging, the value was already taken.
  if (dragging) {
    if (onScroll) onScroll();
  } else if (onChange) {
    onChange();
  }
}

}  // namespace hv::tk

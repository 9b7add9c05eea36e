// Stacking, hit testing, mouse dispatch and the painting order. Within one container the
// windowless controls (labels, images, lines) lie beneath the windowed ones, and among
// equals a later control lies above an earlier one, as Windows stacks them.
#include <algorithm>

#include "toolkit/form.h"

namespace hv::tk {

namespace {

Rect Intersect(const Rect& a, const Rect& b) {
  const long long left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const long long right =
      std::min(static_cast<long long>(a.left) + a.width, static_cast<long long>(b.left) + b.width);
  const long long bottom =
      std::min(static_cast<long long>(a.top) + a.height, static_cast<long long>(b.top) + b.height);
  if (right <= left || bottom <= top) return {static_cast<int>(left), static_cast<int>(top), 0, 0};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

bool IsContainer(const Control& c) {
  return c.Kind() == ControlKind::PictureBox || c.Kind() == ControlKind::Image;
}

const PictureBox* AsContainer(const Control& c) {
  return IsContainer(c) ? static_cast<const PictureBox*>(&c) : nullptr;
}

// The handler is copied: it may replace itself while it runs.
void SendMouse(MouseHandler handler, const Control* target, int button, int shift, int x, int y) {
  if (!handler) return;
  if (target) {
    const Rect r = target->ClientBounds();
    x -= r.left;
    y -= r.top;
  }
  handler(button, shift, x, y);
}

}  // namespace

std::vector<Control*> Form::StackOf(const PictureBox* container) const {
  std::vector<Control*> stack = container ? container->Children() : topLevel_;
  std::stable_partition(stack.begin(), stack.end(), [](Control* c) { return !c->Windowed(); });
  return stack;  // bottom to top
}

Control* Form::HitIn(const PictureBox* container, int x, int y) const {
  const std::vector<Control*> stack = StackOf(container);
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    Control* c = *it;
    // Lines are never hit; hidden and disabled controls let the press through.
    if (c->Kind() == ControlKind::Line || !c->Visible() || !c->Enabled()) continue;
    if (!c->ClientBounds().Contains(x, y)) continue;
    if (const PictureBox* inner = AsContainer(*c))
      if (Control* child = HitIn(inner, x, y)) return child;
    return c;
  }
  return nullptr;
}

Control* Form::ControlAt(int x, int y) const {
  if (!Rect{0, 0, clientWidth_, clientHeight_}.Contains(x, y)) return nullptr;
  return HitIn(nullptr, x, y);
}

const Control* Form::CursorSourceAt(int x, int y) const {
  for (const Control* c = ControlAt(x, y); c; c = c->Container())
    if (c->Cursor() != CursorKind::Default) return c;
  return nullptr;
}

CursorKind Form::CursorAt(int x, int y) const {
  const Control* source = CursorSourceAt(x, y);
  return source ? source->Cursor() : CursorKind::Arrow;
}

void Form::PaintInto(const PictureBox* container, const Rect& clip,
                     std::vector<PaintItem>& out) const {
  for (Control* c : StackOf(container)) {
    if (!c->Visible()) continue;
    const Rect bounds = c->ClientBounds();
    const Rect visible = Intersect(bounds, clip);
    out.push_back({c, bounds, visible});
    if (const PictureBox* inner = AsContainer(*c)) PaintInto(inner, visible, out);
  }
}

std::vector<Form::PaintItem> Form::PaintList() const {
  std::vector<PaintItem> out;
  PaintInto(nullptr, {0, 0, clientWidth_, clientHeight_}, out);
  return out;
}

void Form::MouseDown(int button, int shift, int x, int y) {
  // The first button pressed takes the capture; further presses go where it went.
  if (capturedButton_ == 0) {
    captured_ = ControlAt(x, y);
    capturedButton_ = button;
  }
  Control* target = captured_;
  SendMouse(target ? target->onMouseDown : onMouseDown, target, button, shift, x, y);
}

void Form::MouseUp(int button, int shift, int x, int y) {
  if (capturedButton_ == 0) {  // pressed elsewhere, released here: no Click
    Control* under = ControlAt(x, y);
    SendMouse(under ? under->onMouseUp : onMouseUp, under, button, shift, x, y);
    return;
  }
  Control* target = captured_;
  const bool releases = button == capturedButton_;
  if (releases) {
    captured_ = nullptr;
    capturedButton_ = 0;
  }
  // Decided before MouseUp runs, which may move or hide the control.
  const bool click = releases && button == 1 && target && ControlAt(x, y) == target;
  SendMouse(target ? target->onMouseUp : onMouseUp, target, button, shift, x, y);
  if (click) ClickControl(*target);
}

void Form::MouseMove(int button, int shift, int x, int y) {
  Control* target = capturedButton_ != 0 ? captured_ : ControlAt(x, y);
  SendMouse(target ? target->onMouseMove : onMouseMove, target, button, shift, x, y);
}

void Form::CancelPress() {
  // No MouseUp either: a release handler may act as a click would (the Options corner opens
  // its menu on release), and nothing was released.
  captured_ = nullptr;
  capturedButton_ = 0;
}

void Form::ClickControl(Control& c) {
  switch (c.Kind()) {
    case ControlKind::CheckBox: {
      auto& box = static_cast<CheckBox&>(c);
      box.SetValue(box.Value() == 0 ? 1 : 0);  // raises the Click itself
      return;
    }
    case ControlKind::ComboBox:  // their Click is a selection, not a press
    case ControlKind::HScrollBar:
      return;
    default:
      if (c.onClick) c.onClick();
  }
}

}  // namespace hv::tk

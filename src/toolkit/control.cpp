#include "toolkit/control.h"

#include "toolkit/form.h"

namespace hv::tk {

Control::Control(Form& form, ControlKind kind, std::string name, PictureBox* container)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container) {
  if (container_) container_->AddChild(this);
}

bool Control::Windowed() const {
  switch (kind_) {
    case ControlKind::PictureBox:
    case ControlKind::HScrollBar:
    case ControlKind::ComboBox:
    case ControlKind::CheckBox:
    case ControlKind::CommandButton:
      return true;
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Line:
      return false;
  }
  return false;
}

void Control::SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
void Control::SetTop(int v) { SetBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
void Control::SetWidth(int v) { SetBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
void Control::SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
void Control::Move(int left, int top, int width, int height) {
  SetBounds({left, top, width, height});
}

void Control::SetBounds(const Rect& r) {
  // Negative sizes are refused as Windows refuses them; the position may be anything.
  const Rect next{r.left, r.top, r.width < 0 ? 0 : r.width, r.height < 0 ? 0 : r.height};
  if (next == bounds_) return;
  const Rect oldClient = ClientBounds();
  const bool resized = next.width != bounds_.width || next.height != bounds_.height;
  bounds_ = next;
  if (resized) Resized();
  form_.ControlChanged(*this, oldClient);
  NotifyDescendants();
}

void Control::Resized() {
  if (kind_ == ControlKind::PictureBox || kind_ == ControlKind::Image)
    static_cast<PictureBox*>(this)->ResetImage();
}

void Control::Changed() { form_.ControlChanged(*this, ClientBounds()); }

void Control::NotifyDescendants() {
  if (kind_ != ControlKind::PictureBox && kind_ != ControlKind::Image) return;
  // Windowed children of a moved or hidden container have moved or hidden with it on
  // screen, so their real windows must follow.
  for (Control* child : static_cast<PictureBox*>(this)->Children()) {
    if (child->Windowed()) form_.ControlChanged(*child, child->ClientBounds());
    child->NotifyDescendants();
  }
}

Rect Control::ClientBounds() const {
  Rect r = bounds_;
  for (const PictureBox* c = container_; c; c = c->Container()) {
    r.left += c->Left();
    r.top += c->Top();
  }
  return r;
}

bool Control::ShownOnForm() const {
  for (const Control* c = this; c; c = c->Container())
    if (!c->Visible()) return false;
  return true;
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Changed();
  NotifyDescendants();
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Changed();
  NotifyDescendants();
}

void Control::SetCursor(CursorKind c) {
  if (c == cursor_) return;
  cursor_ = c;
  if (form_.Loaded()) form_.GetBackend().ControlCursorChanged(*this);
}

void Control::SetToolTipText(std::string t) {
  if (t == toolTip_) return;
  toolTip_ = std::move(t);
  Changed();
}

}  // namespace hv::tk

#include "toolkit/form.h"

#include <algorithm>

namespace hv::tk {

Form::Form(Backend& backend, std::string name, int clientWidth, int clientHeight)
    : backend_(backend),
      name_(std::move(name)),
      clientWidth_(std::max(0, clientWidth)),
      clientHeight_(std::max(0, clientHeight)) {}

Form::~Form() {
  // A form that still has its window gives it back before its controls go.
  if (loaded_) backend_.DestroyForm(*this);
  backend_.FormDestroying(*this);
}

void Form::SetCaption(std::string c) {
  if (c == caption_) return;
  caption_ = std::move(c);
  if (loaded_) backend_.FormCaptionChanged(*this);
}

Timer& Form::AddTimer(std::string name, int intervalMs) {
  timers_.push_back(std::make_unique<Timer>(*this, std::move(name), intervalMs));
  return *timers_.back();
}

Menu& Form::AddMenu(std::string name) {
  menus_.push_back(std::make_unique<Menu>());
  menus_.back()->name = std::move(name);
  return *menus_.back();
}

Control* Form::Find(const std::string& name) const {
  for (const auto& c : controls_)
    if (c->Name() == name) return c.get();
  return nullptr;
}

void Form::Adopt(std::unique_ptr<Control> c) {
  if (!c->Container()) topLevel_.push_back(c.get());
  controls_.push_back(std::move(c));
  ControlChanged(*controls_.back(), controls_.back()->ClientBounds());
}

void Form::EnsureCreated() {
  if (created_) return;
  created_ = true;
  loaded_ = true;
  unloaded_ = false;
  backend_.FormCreated(*this);
}

void Form::Show() {
  EnsureCreated();
  visible_ = true;
  backend_.ShowForm(*this);
}

void Form::ShowModal(Form* owner) {
  EnsureCreated();
  visible_ = true;
  backend_.ShowModal(*this, owner);
}

void Form::Hide() {
  visible_ = false;
  if (created_) backend_.HideForm(*this);
}

bool Form::RequestClose() {
  // Not loaded, or a close already under way (a handler asking again): nothing to do.
  if (!loaded_ || unloading_) return false;
  unloading_ = true;
  bool cancel = false;
  if (onUnload) onUnload(cancel);
  unloading_ = false;
  if (cancel || !loaded_) return false;
  loaded_ = false;
  created_ = false;
  visible_ = false;
  unloaded_ = true;
  captured_ = nullptr;
  capturedButton_ = 0;
  backend_.DestroyForm(*this);
  if (onUnloaded) onUnloaded();
  return true;
}

void Form::Refresh() {
  if (loaded_) backend_.RepaintNow(*this);
}

void Form::Invalidate(const Rect& r) {
  if (loaded_ && r.width > 0 && r.height > 0) backend_.Invalidate(*this, r);
}

void Form::InvalidateAll() { Invalidate({0, 0, clientWidth_, clientHeight_}); }

void Form::ControlChanged(Control& c, const Rect& oldClientBounds) {
  if (!loaded_) return;  // the window is built from the model when it is created
  const Rect now = c.ClientBounds();
  Invalidate(oldClientBounds);
  if (!(now == oldClientBounds)) Invalidate(now);
  if (c.Windowed()) backend_.ControlChanged(c);
}

void Form::PopupMenu(Menu& menu, int x, int y, bool atPointer, std::optional<int> defaultItem) {
  if (!loaded_) return;  // a popup needs the window
  // The popup takes the mouse: the release of a press that opened it goes to the menu and
  // never reaches the form, so the form lets go of the pressed control here. Otherwise every
  // later press would still go to that control.
  captured_ = nullptr;
  capturedButton_ = 0;
  const std::optional<int> chosen = backend_.PopupMenu(*this, menu, x, y, atPointer, defaultItem);
  if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(menu.items.size())) return;
  // Copied: the handler may rebuild the menu's items while it runs.
  const MenuItem item = menu.items[static_cast<std::size_t>(*chosen)];
  if (item.separator || !item.enabled || !item.visible || !item.onClick) return;
  item.onClick();
}

}  // namespace hv::tk

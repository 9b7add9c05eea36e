#include "toolkit/headless_backend.h"

#include <algorithm>
#include <cmath>

namespace hv::tk {

namespace {

const HeadlessBackend::FormRecord kNoRecord{};

std::size_t CodePoints(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;  // continuation bytes don't count
  }));
}

}  // namespace

const HeadlessBackend::FormRecord& HeadlessBackend::Record(const std::string& formName) const {
  auto it = records_.find(formName);
  return it == records_.end() ? kNoRecord : it->second;
}

CursorKind HeadlessBackend::AppCursor() const {
  return appCursors_.empty() ? CursorKind::Default : appCursors_.back();
}

void HeadlessBackend::Note(Form& form) {
  if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end()) forms_.push_back(&form);
}

std::vector<Timer*> HeadlessBackend::TimersInOrder() const {
  std::vector<Timer*> out;
  for (Form* form : forms_)
    for (const auto& timer : form->Timers()) out.push_back(timer.get());
  return out;
}

bool HeadlessBackend::Alive(const Timer* timer) const {
  const auto all = TimersInOrder();
  return std::find(all.begin(), all.end(), timer) != all.end();
}

void HeadlessBackend::Tick(Timer& timer) {
  Note(timer.Owner());
  timer.Fire();
}

void HeadlessBackend::TickEnabled() {
  std::vector<Timer*> enabled = TimersInOrder();
  std::erase_if(enabled, [](Timer* t) { return !t->Enabled(); });
  // A handler may switch other timers off or unload their forms: check again before each.
  for (Timer* timer : enabled)
    if (Alive(timer)) timer->Fire();
}

void HeadlessBackend::AdvanceMs(std::int64_t ms) {
  if (ms <= 0) return;
  const std::int64_t target = now_ + ms;
  while (!ended_) {
    Timer* next = nullptr;
    std::int64_t nextDue = target + 1;
    for (Timer* timer : TimersInOrder()) {
      auto it = due_.find(timer);
      if (it != due_.end() && it->second < nextDue) {
        next = timer;
        nextDue = it->second;
      }
    }
    if (!next) break;
    now_ = nextDue;
    due_[next] = nextDue + next->Interval();
    next->Fire();
  }
  now_ = std::max(now_, target);
}

void HeadlessBackend::FormCreated(Form& form) {
  Note(form);
  ++records_[form.Name()].created;
  events_.push_back("created " + form.Name());
}

void HeadlessBackend::ShowForm(Form& form) {
  Note(form);
  ++records_[form.Name()].shown;
  events_.push_back("shown " + form.Name());
}

void HeadlessBackend::ShowModal(Form& form, Form* owner) {
  Note(form);
  const std::string name = form.Name();
  ++records_[name].shownModal;
  events_.push_back("modal " + name + (owner ? " over " + owner->Name() : std::string()));
  const std::size_t index = modals_.size();
  modals_.push_back({name, owner ? owner->Name() : std::string(), false});
  if (modalDriver) {
    auto driver = modalDriver;  // the driver may replace itself for a nested modal form
    driver(form);
  }
  // The driver may even have destroyed the form object: look before touching it.
  const bool alive = std::find(forms_.begin(), forms_.end(), &form) != forms_.end();
  modals_[index].returnedLoaded = alive && form.Loaded();
}

void HeadlessBackend::HideForm(Form& form) {
  ++records_[form.Name()].hidden;
  events_.push_back("hidden " + form.Name());
}

void HeadlessBackend::DestroyForm(Form& form) {
  ++records_[form.Name()].destroyed;
  events_.push_back("destroyed " + form.Name());
  for (const auto& timer : form.Timers()) due_.erase(timer.get());
}

void HeadlessBackend::FormDestroying(Form& form) {
  for (const auto& timer : form.Timers()) due_.erase(timer.get());
  std::erase(forms_, &form);
}

void HeadlessBackend::Invalidate(Form& form, const Rect& clientRect) {
  records_[form.Name()].invalidated.push_back(clientRect);
}

void HeadlessBackend::RepaintNow(Form& form) { ++records_[form.Name()].repaints; }

void HeadlessBackend::ControlChanged(Control& control) {
  controlChanges_.push_back(control.Name());
}

void HeadlessBackend::TimerChanged(Timer& timer) {
  Note(timer.Owner());
  // Switching on, or a new interval, starts the count again from now.
  if (timer.Enabled() && timer.Interval() > 0)
    due_[&timer] = now_ + timer.Interval();
  else
    due_.erase(&timer);
}

void HeadlessBackend::FormCaptionChanged(Form& form) { ++records_[form.Name()].captionChanges; }

void HeadlessBackend::SetLayeredAlpha(Form& form, std::uint8_t alpha) {
  FormRecord& r = records_[form.Name()];
  r.layered = true;
  r.alphas.push_back(alpha);
}

void HeadlessBackend::SetAppCursor(CursorKind cursor) { appCursors_.push_back(cursor); }

void HeadlessBackend::ControlCursorChanged(Control& control) {
  cursorChanges_.push_back(control.Name());
}

std::optional<int> HeadlessBackend::PopupMenu(Form& form, const Menu& menu, int x, int y,
                                              bool atPointer, std::optional<int> defaultItem) {
  popups_.push_back({form.Name(), menu.name, x, y, atPointer, defaultItem});
  if (popupAnswers_.empty()) return std::nullopt;
  const std::optional<int> answer = popupAnswers_.front();
  popupAnswers_.pop_front();
  return answer;
}

void HeadlessBackend::SetClipboardText(const std::string& utf8) {
  clipboard_ = utf8;
  ++clipboardWrites_;
}

TextSize HeadlessBackend::MeasureText(const Font& font, const std::string& utf8) {
  // A size that is no size (negative, huge or not a number) measures as nothing.
  const double size = std::isfinite(font.size) && font.size > 0 && font.size < 1000 ? font.size : 0;
  const bool bold = font.bold || font.weight >= 700;
  const double width = static_cast<double>(CodePoints(utf8)) * size * 0.55 * (bold ? 1.1 : 1.0);
  return {static_cast<int>(std::lround(width)),
          static_cast<int>(std::lround(size * 96 / 72 * 1.25))};
}

void HeadlessBackend::DoEvents() {
  ++doEvents_;
  if (doEventsHook) {
    auto hook = doEventsHook;
    hook();
  }
}

}  // namespace hv::tk

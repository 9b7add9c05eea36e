#include "toolkit/timer.h"

#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace hv::tk {

Timer::Timer(Form& form, std::string name, int intervalMs)
    : form_(form), name_(std::move(name)), interval_(intervalMs < 0 ? 0 : intervalMs) {}

void Timer::SetInterval(int ms) {
  if (ms < 0) return;  // not an interval; the timer keeps its own
  if (ms == interval_) return;
  interval_ = ms;
  form_.GetBackend().TimerChanged(*this);
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  form_.GetBackend().TimerChanged(*this);
}

void Timer::Fire() {
  // A tick still queued when the timer was switched off, the form unloaded or the program
  // ended must not run the handler.
  if (!enabled_ || interval_ == 0 || form_.Unloaded() || form_.GetBackend().Ended()) return;
  if (onTimer) onTimer();
}

}  // namespace hv::tk

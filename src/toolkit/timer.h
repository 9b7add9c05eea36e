#pragma once
#include <functional>
#include <string>

namespace hv::tk {

class Form;

class Timer {
 public:
  Timer(Form& form, std::string name, int intervalMs);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  const std::string& Name() const { return name_; }
  Form& Owner() const { return form_; }
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);  // switching on restarts the interval
  std::function<void()> onTimer;
  // The backend calls this for each tick; it runs onTimer only while enabled.
  void Fire();

 private:
  Form& form_;
  std::string name_;
  int interval_;
  bool enabled_ = false;
};

}  // namespace hv::tk

#include "report/clock_texts.h"

#include "sections/value_rules.h"

namespace hv::report {

std::string MediumTime(const platform::LocalTime& when) {
  const int hour = ((when.hour % 24) + 24) % 24;
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  return sections::TwoDigitClock(hour12, when.minute) + (hour < 12 ? " AM" : " PM");
}

std::string TitleTime(const std::string& languageName, platform::System& system,
                      const platform::LocalTime& when) {
  if (languageName != "Spanish") return MediumTime(when);
  return system.LongTime({when.hour, when.minute, when.second}).value_or("") + " hs.";
}

std::string TitleDate(platform::System& system, const platform::LocalTime& when) {
  return system.ShortDate({when.year, when.month, when.day}).value_or("");
}

}  // namespace hv::report

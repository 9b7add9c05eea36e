#pragma once
// The time and date of the title line.
#include <string>

#include "platform/system.h"

namespace hv::report {

// Hours and minutes on the 12-hour clock with the AM/PM designator ("09:05 PM").
std::string MediumTime(const platform::LocalTime& when);

// The title line's time: in Spanish the user's long time followed by " hs.", otherwise the
// medium time.
std::string TitleTime(const std::string& languageName, platform::System& system,
                      const platform::LocalTime& when);

// The title line's date: the user's short date, "" should Windows not write it.
std::string TitleDate(platform::System& system, const platform::LocalTime& when);

}  // namespace hv::report

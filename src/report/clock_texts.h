#pragma once
// The time and date of the title line, in the user's formats.
#include <string>

#include "platform/system.h"

namespace hv::report {

// A date or time in a Windows picture format: d dd ddd dddd, M MM MMM MMMM, y yy yyyy,
// h hh H HH, m mm, s ss, t tt, 'quoted text'; any other character stands for itself.
std::string FormatLocalTime(const std::string& picture, const platform::LocalTime& when);

// Hours and minutes on the 12-hour clock with the AM/PM designator ("09:05 PM").
std::string MediumTime(const platform::LocalTime& when);

// The title line's time: in Spanish the long time followed by " hs.", otherwise the medium
// time.
std::string TitleTime(const std::string& languageName, const std::string& longTimeFormat,
                      const platform::LocalTime& when);

}  // namespace hv::report

#pragma once
// Raw system values turned into display texts: the time since Windows started, a count of
// minutes as a short time, and the installed Windows product key.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"

namespace hv::shell {

class App;

// The parts of the latest result.
struct ClockParts {
  std::int64_t days = 0;
  std::int32_t hours = 0, minutes = 0, seconds = 0;
};

// Milliseconds since start-up cut into whole days and the hours, minutes and seconds left.
ClockParts UpTimeParts(std::uint64_t ms);
// A duration drawn in a Windows time picture: each hour field (h, hh, H, HH) takes every hour
// of it, with at least two digits; each minute and second field two digits; quoted text stands
// as it is ('' is one apostrophe) and so does any other character; the morning or afternoon
// marker (t, tt) is left out with the one blank that joins it to the fields. A picture that
// lacks an hour, a minute or a second field gives "HH:mm:ss": a duration shows all three.
// "HH' h 'mm' min 'ss' s'" gives "51 h 04 min 05 s" for 51 hours, 4 minutes and 5 seconds.
std::string DurationInPicture(const std::string& picture, std::int64_t hours, std::int32_t minutes,
                              std::int32_t seconds);
// The time since Windows started as a duration in the user's long time format: all its hours,
// whole days included ("51:04:05" after 2 days, 3 hours, 4 minutes and 5 seconds). From the
// 64-bit tick count, so it keeps counting past the 24.9 and 49.7 days at which a 32-bit
// millisecond count turns negative or wraps.
std::string UpTime(App& app, ClockParts* parts = nullptr);

// A count of minutes as "HH:mm" on the 24-hour clock, days dropped; a negative count goes
// back from midnight (-61 gives 22:59). nullopt when the count is too large for the parts
// (from 1,966,080 minutes on, either way).
std::optional<std::string> MinutesToTime(std::int32_t minutes, ClockParts* parts = nullptr);

// The five groups of five characters encoded in a DigitalProductId value, in the encoding of
// Windows before 8 or in the newer one that places an "N" among them; "" when the value is
// too short to hold a key or longer than the 164 bytes such a value has.
std::string DecodeProductKey(const std::vector<std::uint8_t>& digitalProductId);
// The installed Windows product key, or "" when it cannot be read.
std::string ProductKey(platform::System& system);

}  // namespace hv::shell

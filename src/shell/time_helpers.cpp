#include "shell/time_helpers.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::shell {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Each part of a time value must fit 16 signed bits.
constexpr std::int32_t kPartMin = -32768;
constexpr std::int32_t kPartMax = 32767;

bool FitsPart(std::int32_t v) { return v >= kPartMin && v <= kPartMax; }

// The registry value's layout: the key sits in bytes 52..66, least significant byte first.
constexpr std::size_t kValueSize = 164;
constexpr std::size_t kKeyOffset = 52;
constexpr std::size_t kKeyBytes = 15;
constexpr int kKeyChars = 25;
constexpr std::uint8_t kNewerEncodingBit = 0x08;
constexpr std::array<char, 24> kKeyAlphabet{'B', 'C', 'D', 'F', 'G', 'H', 'J', 'K',
                                            'M', 'P', 'Q', 'R', 'T', 'V', 'W', 'X',
                                            'Y', '2', '3', '4', '6', '7', '8', '9'};

// Divides the 120-bit number in place by 24 and returns the remainder.
int DivideBy24(std::array<std::uint8_t, kKeyBytes>& number) {
  int remainder = 0;
  for (std::size_t j = kKeyBytes; j-- > 0;) {
    const int a = remainder * 256 + number[j];
    number[j] = static_cast<std::uint8_t>(a / 24);
    remainder = a % 24;
  }
  return remainder;
}

// The newer encoding has no "N" in its alphabet: the first character's index says where
// the N stands among the other 24. That index is a remainder of a division by 24, so it is
// 0..23 and always a place in the 24; a larger one would put the N last.
std::string WithLetterN(const std::string& chars) {
  std::size_t place = 0;
  while (place < kKeyAlphabet.size() && kKeyAlphabet[place] != chars.front()) ++place;
  std::string rest = chars.substr(1);
  rest.insert(std::min(place, rest.size()), 1, 'N');
  return rest;
}

// The blanks that join a morning or afternoon marker to the fields: the space, and the
// no-break and narrow no-break spaces that some locales put there.
constexpr std::string_view kBlanks[] = {" ", "\xC2\xA0", "\xE2\x80\xAF"};

std::size_t BlankAt(std::string_view text, std::size_t at) {
  for (std::string_view blank : kBlanks)
    if (text.substr(at).starts_with(blank)) return blank.size();
  return 0;
}

std::size_t BlankAtEnd(std::string_view text) {
  for (std::string_view blank : kBlanks)
    if (text.ends_with(blank)) return blank.size();
  return 0;
}

std::string TwoDigitsAtLeast(std::int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// The duration in the picture, or nullopt when the picture lacks an hour, a minute or a
// second field.
std::optional<std::string> DrawDuration(const std::string& picture, std::int64_t hours,
                                        std::int32_t minutes, std::int32_t seconds) {
  std::string out;
  bool quoted = false, hour = false, minute = false, second = false;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      // '' is an apostrophe, in quoted text or outside it; a lone quote opens or closes text
      // that stands as it is (an unclosed one runs to the end).
      if (i + 1 < picture.size() && picture[i + 1] == '\'') {
        out += '\'';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      continue;
    }
    if (quoted) {
      out += c;
      ++i;
      continue;
    }
    std::size_t run = i;
    while (run < picture.size() && picture[run] == c) ++run;
    if (c == 'h' || c == 'H') {
      out += TwoDigitsAtLeast(hours);
      hour = true;
    } else if (c == 'm') {
      out += TwoDigitsAtLeast(minutes);
      minute = true;
    } else if (c == 's') {
      out += TwoDigitsAtLeast(seconds);
      second = true;
    } else if (c == 't') {
      // A duration is no time of day: the marker goes, and the blank before it or else the
      // one after it ("h:mm:ss tt", "tt h:mm:ss").
      if (const std::size_t blank = BlankAtEnd(out)) {
        out.resize(out.size() - blank);
      } else {
        run += BlankAt(picture, run);
      }
    } else {
      out += c;
      run = i + 1;
    }
    i = run;
  }
  if (!hour || !minute || !second) return std::nullopt;
  return out;
}

}  // namespace

ClockParts UpTimeParts(std::uint64_t ms) {
  std::uint64_t s = ms / 1000;
  ClockParts p;
  p.days = static_cast<std::int64_t>(s / kSecondsPerDay);
  s %= kSecondsPerDay;
  p.hours = static_cast<std::int32_t>(s / 3600);
  s %= 3600;
  p.minutes = static_cast<std::int32_t>(s / 60);
  p.seconds = static_cast<std::int32_t>(s % 60);
  return p;
}

std::string DurationInPicture(const std::string& picture, std::int64_t hours, std::int32_t minutes,
                              std::int32_t seconds) {
  if (auto drawn = DrawDuration(picture, hours, minutes, seconds)) return *std::move(drawn);
  return *DrawDuration("HH:mm:ss", hours, minutes, seconds);
}

std::string UpTime(App& app, ClockParts* parts) {
  const ClockParts p = UpTimeParts(app.system.TickCount64());
  if (parts) *parts = p;
  return DurationInPicture(app.system.LongTimeFormat().value_or(""), p.days * 24 + p.hours,
                           p.minutes, p.seconds);
}

std::optional<std::string> MinutesToTime(std::int32_t minutes, ClockParts* parts) {
  std::int32_t s = 0;
  if (__builtin_mul_overflow(minutes, 60, &s)) return std::nullopt;
  // Whole hours come off whatever the sign, so a negative count keeps its minutes below 60
  // and -61 goes back one hour and one minute from midnight.
  ClockParts p;
  p.hours = s / 3600;
  s -= p.hours * 3600;
  p.minutes = s / 60;
  p.seconds = s % 60;
  if (parts) *parts = p;
  if (!FitsPart(p.hours) || !FitsPart(p.minutes) || !FitsPart(p.seconds)) return std::nullopt;
  const sections::TimeOfDay time = sections::TimeSerial(p.hours, p.minutes, p.seconds);
  return sections::TwoDigitClock(time.hour, time.minute);
}

std::string DecodeProductKey(const std::vector<std::uint8_t>& digitalProductId) {
  // A value too short to reach the key's last byte holds no key: decoding the zeros it
  // would leave would show a key that is not there.
  if (digitalProductId.size() < kKeyOffset + kKeyBytes || digitalProductId.size() > kValueSize)
    return "";
  std::array<std::uint8_t, kKeyBytes> number{};
  for (std::size_t j = 0; j < kKeyBytes; ++j) number[j] = digitalProductId[kKeyOffset + j];
  // Windows 8 and later mark their keys with bit 3 of the last byte; it is no part of the
  // number. A key of the older encoding never reaches that bit (24^25 < 7 * 2^112).
  const bool newerEncoding = (number[kKeyBytes - 1] & kNewerEncodingBit) != 0;
  number[kKeyBytes - 1] &= static_cast<std::uint8_t>(~kNewerEncodingBit);
  std::string chars;
  for (int i = 0; i < kKeyChars; ++i)
    chars.insert(chars.begin(), kKeyAlphabet[static_cast<std::size_t>(DivideBy24(number))]);
  if (newerEncoding) chars = WithLetterN(chars);
  std::string key;
  for (int i = 0; i < kKeyChars; ++i) {
    if (i > 0 && i % 5 == 0) key += '-';
    key += chars[static_cast<std::size_t>(i)];
  }
  return key;
}

std::string ProductKey(platform::System& system) {
  const auto bytes = system.DigitalProductId();
  if (!bytes) return "";
  return DecodeProductKey(*bytes);
}

}  // namespace hv::shell

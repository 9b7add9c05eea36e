#include "shell/time_helpers.h"

#include <algorithm>
#include <array>

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

std::string TimeSeparator(const std::string& picture) {
  std::optional<std::string> separator;  // set once an hour field has been passed
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {  // quoted text stands as it is
      const std::size_t close = std::min(picture.find('\'', i + 1), picture.size());
      if (separator) *separator += picture.substr(i + 1, close - i - 1);
      i = close + 1;
    } else if (c == 'h' || c == 'H') {
      separator = std::string();
      while (i < picture.size() && picture[i] == c) ++i;
    } else if (c == 'm' && separator) {
      return *separator;
    } else {
      if (separator) *separator += c;
      ++i;
    }
  }
  return ":";
}

std::string UpTime(App& app, ClockParts* parts) {
  const ClockParts p = UpTimeParts(app.system.TickCount64());
  if (parts) *parts = p;
  const std::string separator = TimeSeparator(app.system.LongTimeFormat().value_or(""));
  const auto twoDigits = [](std::int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return twoDigits(p.days * 24 + p.hours) + separator + twoDigits(p.minutes) + separator +
         twoDigits(p.seconds);
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

#include "report/clock_texts.h"

#include <array>
#include <cstddef>

namespace hv::report {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string Number(int value, std::size_t width) {
  std::string digits = std::to_string(value < 0 ? 0 : value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Sakamoto's day of the week: 0 is Sunday.
int Weekday(int year, int month, int day) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  const int w = (year + year / 4 - year / 100 + year / 400 + kOffsets[(month + 11) % 12] + day) % 7;
  return w < 0 ? w + 7 : w;
}

std::string Name(const char* full, std::size_t count) {
  const std::string name(full);
  return count >= 4 ? name : name.substr(0, 3);
}

// Day names only for a real calendar date; anything else shows as its number.
bool ValidDate(const platform::LocalTime& t) {
  return t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= 31;
}

int Hour12(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

std::string Field(char letter, std::size_t count, const platform::LocalTime& t) {
  const std::size_t two = count >= 2 ? 2 : 1;
  switch (letter) {
    case 'd':
      if (count >= 3 && ValidDate(t)) {
        return Name(kDays[static_cast<std::size_t>(Weekday(t.year, t.month, t.day))], count);
      }
      return Number(t.day, two);
    case 'M':
      if (count >= 3 && t.month >= 1 && t.month <= 12) {
        return Name(kMonths[static_cast<std::size_t>(t.month - 1)], count);
      }
      return Number(t.month, two);
    case 'y':
      if (count >= 3) return Number(t.year, 4);
      return Number(t.year % 100, count);
    case 'h':
      return Number(Hour12(t.hour), two);
    case 'H':
      return Number(t.hour, two);
    case 'm':
      return Number(t.minute, two);
    case 's':
      return Number(t.second, two);
    case 't':
      return std::string(t.hour < 12 ? "AM" : "PM").substr(0, count >= 2 ? 2 : 1);
    default:
      return std::string(count, letter);
  }
}

bool IsField(char c) {
  return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' ||
         c == 't';
}

}  // namespace

std::string FormatLocalTime(const std::string& picture, const platform::LocalTime& when) {
  std::string out;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      const auto close = picture.find('\'', i + 1);
      const auto end = close == std::string::npos ? picture.size() : close;
      out += picture.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    std::size_t count = 1;
    while (i + count < picture.size() && picture[i + count] == c) ++count;
    out += IsField(c) ? Field(c, count, when) : std::string(count, c);
    i += count;
  }
  return out;
}

std::string MediumTime(const platform::LocalTime& when) {
  return FormatLocalTime("hh:mm tt", when);
}

std::string TitleTime(const std::string& languageName, const std::string& longTimeFormat,
                      const platform::LocalTime& when) {
  if (languageName == "Spanish") return FormatLocalTime(longTimeFormat, when) + " hs.";
  return MediumTime(when);
}

}  // namespace hv::report

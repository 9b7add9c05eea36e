// WMI date-times: the fields cut by position, dates with carrying, times of day, and the
// Windows date and time pictures the user's regional settings give.
#include <array>

#include "sections/value_rules.h"

namespace hv::sections {

namespace {

constexpr std::array<const char*, 12> kMonthNames{"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12, any day), and back.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CalendarDate CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp + (mp < 10 ? 3 : -9);
  const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// One field of a WMI date-time text: `length` characters from character `from` (from 0).
std::optional<std::int32_t> Field(const std::string& text, std::size_t from, std::size_t length) {
  const std::string tail = text.substr(CutText(text, from).size());
  return platform::CLng(platform::Variant(CutText(tail, length)));
}

std::string Padded(std::int64_t n, std::size_t width) {
  std::string s = std::to_string(n);
  return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

// A picture is runs of one letter ("dd", "MMMM"), quoted literals and other characters.
// `token` turns a run into text, or gives nullopt when the letter is not a code.
template <typename TokenFn>
std::string ApplyPicture(const std::string& picture, TokenFn token) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      const std::size_t close = picture.find('\'', i + 1);
      const std::size_t end = close == std::string::npos ? picture.size() : close;
      if (end == i + 1 && close != std::string::npos) out += '\'';  // '' is a quote
      out += picture.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    const std::optional<std::string> text = token(c, run);
    out += text ? *text : picture.substr(i, run);
    i += run;
  }
  return out;
}

}  // namespace

std::optional<WmiDate> WmiDateFields(const std::string& text) {
  const auto year = Field(text, 0, 4), month = Field(text, 4, 2), day = Field(text, 6, 2);
  if (!year || !month || !day) return std::nullopt;
  return WmiDate{*year, *month, *day};
}

std::optional<WmiTime> WmiTimeFields(const std::string& text) {
  const auto hour = Field(text, 8, 2), minute = Field(text, 10, 2), second = Field(text, 12, 2);
  if (!hour || !minute || !second) return std::nullopt;
  return WmiTime{*hour, *minute, *second};
}

std::optional<CalendarDate> DateSerial(std::int64_t year, std::int64_t month, std::int64_t day) {
  // Parts so large that no carrying brings the date back into 100..9999 end here, which
  // also keeps the day arithmetic below far from overflowing.
  constexpr std::int64_t kMaxYear = 9999, kMaxMonths = 12 * kMaxYear, kMaxDays = 366 * kMaxYear;
  if (year < 100 || year > kMaxYear || month < -kMaxMonths || month > kMaxMonths ||
      day < -kMaxDays || day > kMaxDays) {
    return std::nullopt;
  }
  const std::int64_t yearsCarried = FloorDiv(month - 1, 12);
  const std::int64_t m = month - yearsCarried * 12;
  const CalendarDate date = CivilFromDays(DaysFromCivil(year + yearsCarried, m, 1) + day - 1);
  if (date.year < 100 || date.year > 9999) return std::nullopt;
  return date;
}

TimeOfDay TimeSerial(std::int64_t hour, std::int64_t minute, std::int64_t second) {
  constexpr std::int64_t kDay = 86400;
  // Each part is reduced first so that no product overflows, whatever the input.
  const std::int64_t seconds = (hour % 24) * 3600 + (minute % 1440) * 60 + (second % kDay);
  const std::int64_t inDay = ((seconds % kDay) + kDay) % kDay;
  return {static_cast<int>(inDay / 3600), static_cast<int>(inDay / 60 % 60),
          static_cast<int>(inDay % 60)};
}

std::string FormatDate(const CalendarDate& date, const std::string& picture) {
  const std::int64_t weekday = ((DaysFromCivil(date.year, date.month, date.day) % 7) + 11) % 7;
  const std::size_t month =
      static_cast<std::size_t>(date.month >= 1 && date.month <= 12 ? date.month - 1 : 0);
  return ApplyPicture(picture, [&](char c, std::size_t run) -> std::optional<std::string> {
    const std::string dayName = kDayNames[static_cast<std::size_t>(weekday)];
    const std::string monthName = kMonthNames[month];
    switch (c) {
      case 'd':
        if (run <= 2) return Padded(date.day, run);
        return run == 3 ? dayName.substr(0, 3) : dayName;
      case 'M':
        if (run <= 2) return Padded(date.month, run);
        return run == 3 ? monthName.substr(0, 3) : monthName;
      case 'y':
        if (run <= 2) return Padded(date.year % 100, run);
        return Padded(date.year, 4);
      case 'g':
        return std::string();  // the era: nothing for the Gregorian calendar
      default:
        return std::nullopt;
    }
  });
}

std::string FormatTime(const TimeOfDay& time, const TimeFormat& format) {
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  const std::string& designator = time.hour < 12 ? format.am : format.pm;
  return ApplyPicture(format.picture, [&](char c, std::size_t run) -> std::optional<std::string> {
    const std::size_t width = run >= 2 ? 2 : 1;
    switch (c) {
      case 'h':
        return Padded(hour12, width);
      case 'H':
        return Padded(time.hour, width);
      case 'm':
        return Padded(time.minute, width);
      case 's':
        return Padded(time.second, width);
      case 't':
        return run == 1 ? CutText(designator, 1) : designator;
      default:
        return std::nullopt;
    }
  });
}

std::optional<std::string> WmiDateText(const std::string& text, const std::string& datePicture) {
  const auto fields = WmiDateFields(text);
  if (!fields) return std::nullopt;
  const auto date = DateSerial(fields->year, fields->month, fields->day);
  if (!date) return std::nullopt;
  return FormatDate(*date, datePicture);
}

std::optional<std::string> WmiTimeText(const std::string& text, const TimeFormat& format) {
  const auto fields = WmiTimeFields(text);
  if (!fields) return std::nullopt;
  return FormatTime(TimeSerial(fields->hour, fields->minute, fields->second), format);
}

std::optional<std::string> InstallationDateText(const std::string& text,
                                                const std::string& dateTimeTemplate,
                                                const std::string& datePicture,
                                                const TimeFormat& timeFormat) {
  const auto date = WmiDateText(text, datePicture);
  const auto time = WmiTimeText(text, timeFormat);
  if (!date || !time) return std::nullopt;
  return FillPlaceholders(dateTimeTemplate, {{"(DDMMYYYY)", *date}, {"(HHMMSS)", *time}});
}

}  // namespace hv::sections

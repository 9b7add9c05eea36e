// WMI date-times: the fields cut by position, dates with carrying and times of day, handed
// to Windows to be written in the user's formats.
#include "sections/value_rules.h"

namespace hv::sections {

namespace {

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

std::string TwoDigitClock(int hours, int minutes) {
  const auto two = [](int v) {
    const int n = v < 0 ? 0 : v % 100;
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  };
  return two(hours) + ":" + two(minutes);
}

std::optional<std::string> WmiDateText(const std::string& text, platform::System& system) {
  const auto fields = WmiDateFields(text);
  if (!fields) return std::nullopt;
  const auto date = DateSerial(fields->year, fields->month, fields->day);
  if (!date) return std::nullopt;
  return system.ShortDate(*date);
}

std::optional<std::string> WmiTimeText(const std::string& text, platform::System& system) {
  const auto fields = WmiTimeFields(text);
  if (!fields) return std::nullopt;
  return system.LongTime(TimeSerial(fields->hour, fields->minute, fields->second));
}

std::optional<std::string> InstallationDateText(const std::string& text,
                                                const std::string& dateTimeTemplate,
                                                platform::System& system) {
  const auto date = WmiDateText(text, system);
  const auto time = WmiTimeText(text, system);
  if (!date || !time) return std::nullopt;
  return FillPlaceholders(dateTimeTemplate, {{"(DDMMYYYY)", *date}, {"(HHMMSS)", *time}});
}

}  // namespace hv::sections

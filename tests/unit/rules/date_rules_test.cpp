#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "sections/value_rules.h"
#include "support/fake_system.h"

namespace hv::sections {
namespace {

using std::nullopt;

std::optional<std::string> Iso(std::optional<CalendarDate> d) {
  if (!d) return nullopt;
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d->year, d->month, d->day);
  return std::string(text);
}

TEST(DateRules, DateSerialCarriesMonthsAndDays) {
  struct Case {
    std::int64_t y, m, d;
    std::optional<std::string> date;
  };
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  const Case cases[] = {
      {2011, 4, 15, "2011-04-15"},  {2011, 0, 0, "2010-11-30"},   {2011, 13, 1, "2012-01-01"},
      {2011, 12, 32, "2012-01-01"}, {2012, 2, 30, "2012-03-01"},  {2011, 2, 29, "2011-03-01"},
      {2000, 2, 29, "2000-02-29"},  {1900, 3, 0, "1900-02-28"},   {2011, 1, 0, "2010-12-31"},
      {2011, -1, 1, "2010-11-01"},  {2011, 99, 99, "2019-06-07"}, {9999, 12, 31, "9999-12-31"},
      {9999, 13, 1, nullopt},       {100, 1, 1, "0100-01-01"},    {100, 1, 0, nullopt},
      {0, 0, 0, nullopt},           {99, 1, 1, nullopt},          {-5, 1, 1, nullopt},
      {2011, kMax, 1, nullopt},     {2011, 1, -kMax, nullopt},    {kMax, 1, 1, nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Iso(DateSerial(c.y, c.m, c.d)), c.date) << c.y << "-" << c.m << "-" << c.d;
}

TEST(DateRules, TimeSerialWrapsAroundMidnight) {
  EXPECT_EQ(TimeSerial(10, 23, 45), (TimeOfDay{10, 23, 45}));
  EXPECT_EQ(TimeSerial(25, 0, 0), (TimeOfDay{1, 0, 0}));
  EXPECT_EQ(TimeSerial(0, 0, -1), (TimeOfDay{23, 59, 59}));
  EXPECT_EQ(TimeSerial(23, 59, 60), (TimeOfDay{0, 0, 0}));
  EXPECT_EQ(TimeSerial(0, 99, 99), (TimeOfDay{1, 40, 39}));
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  const TimeOfDay extreme = TimeSerial(kMin, kMin, kMin);
  EXPECT_TRUE(extreme.hour >= 0 && extreme.hour < 24 && extreme.minute < 60);
}

TEST(DateRules, WmiFieldsByPosition) {
  const auto date = WmiDateFields("20120315102345.000000-180");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->year, 2012);
  EXPECT_EQ(date->month, 3);
  EXPECT_EQ(date->day, 15);
  const auto time = WmiTimeFields("20120315102345.000000-180");
  ASSERT_TRUE(time);
  EXPECT_EQ(time->hour, 10);
  EXPECT_EQ(time->minute, 23);
  EXPECT_EQ(time->second, 45);

  for (const char* bad : {"", "2012", "201203", "****************", "2012AB15"})
    EXPECT_FALSE(WmiDateFields(bad)) << bad;
  for (const char* bad : {"20120315", "2012031510", "20120315**2345", "20120315\xC3"})
    EXPECT_FALSE(WmiTimeFields(bad)) << bad;
}

// The rules cut and carry; Windows writes the result in the user's formats.
TEST(DateRules, WmiDatesAndTimesAsRowTexts) {
  test::FakeSystem system;
  const std::pair<const char*, std::optional<std::string>> dates[] = {
      {"20110415000000.000000+000", "15/04/2011"},
      {"20110000000000.000000+000", "30/11/2010"},
      {"20111301", "01/01/2012"},
      {"00000000000000.000000+000", nullopt},
      {"**************.******+***", nullopt},
      {"", nullopt},
      // A date the rules can form but Windows will not write.
      {"15000101000000.000000+000", nullopt},
  };
  for (const auto& [text, shown] : dates) EXPECT_EQ(WmiDateText(text, system), shown) << text;

  system.shortDateFormat = "dd-MMM-yyyy";
  EXPECT_EQ(WmiDateText("20261209", system), "09-Dec-2026");
  system.longTimeFormat = "hh:mm:ss tt";
  system.amMarker = "a. m.";
  system.pmMarker = "p. m.";
  EXPECT_EQ(WmiTimeText("20120315003015.000000+060", system), "12:30:15 a. m.");
  EXPECT_EQ(WmiTimeText("20120315253015.000000+060", system), "01:30:15 a. m.");  // carried
  EXPECT_EQ(WmiTimeText("2012031509", system), nullopt);

  system.shortDateFormat = "dd/MM/yyyy";
  system.longTimeFormat = "HH:mm:ss";
  EXPECT_EQ(
      InstallationDateText("20120315102345.000000-180", "(DDMMYYYY) a las (HHMMSS) hs.", system),
      "15/03/2012 a las 10:23:45 hs.");
  EXPECT_EQ(InstallationDateText("20120315", "(DDMMYYYY) (HHMMSS)", system), nullopt);
  EXPECT_EQ(InstallationDateText("15000315102345", "(DDMMYYYY) (HHMMSS)", system), nullopt);
}

TEST(DateRules, TwoDigitClock) {
  EXPECT_EQ(TwoDigitClock(0, 0), "00:00");
  EXPECT_EQ(TwoDigitClock(9, 5), "09:05");
  EXPECT_EQ(TwoDigitClock(23, 59), "23:59");
}

}  // namespace
}  // namespace hv::sections

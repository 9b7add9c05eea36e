#include <gtest/gtest.h>

#include <limits>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

using std::nullopt;

std::optional<std::string> Iso(std::optional<CalendarDate> d) {
  if (!d) return nullopt;
  return FormatDate(*d, "yyyy-MM-dd");
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

TEST(DateRules, PicturesOfTheRegionalSettings) {
  const CalendarDate date{2012, 3, 5};
  const std::pair<std::string, std::string> dates[] = {
      {"dd/MM/yyyy", "05/03/2012"},
      {"M/d/yyyy", "3/5/2012"},
      {"d.M.yy", "5.3.12"},
      {"dd-MMM-yy", "05-Mar-12"},
      {"dddd d MMMM", "Monday 5 March"},
      {"d 'de' MMMM", "5 de March"},
      {"dd''MM", "05'03"},
      {"gg yyyy", " 2012"},
      {"'open", "open"},
  };
  for (const auto& [picture, text] : dates) EXPECT_EQ(FormatDate(date, picture), text) << picture;

  const std::pair<TimeFormat, std::string> times[] = {
      {{"HH:mm:ss", "AM", "PM"}, "08:05:09"},
      {{"h:mm:ss tt", "AM", "PM"}, "8:05:09 AM"},
      {{"hh:mm t", "a.m.", "p.m."}, "08:05 a"},
      {{"H:m:s", "", ""}, "8:5:9"},
  };
  for (const auto& [format, text] : times)
    EXPECT_EQ(FormatTime({8, 5, 9}, format), text) << format.picture;
  EXPECT_EQ(FormatTime({0, 0, 59}, {"hh:mm:ss tt", "AM", "PM"}), "12:00:59 AM");
  EXPECT_EQ(FormatTime({13, 0, 0}, {"h tt", "AM", "PM"}), "1 PM");
}

TEST(DateRules, WmiDatesAndTimesAsRowTexts) {
  EXPECT_EQ(WmiDateText("20110415000000.000000+000", "dd/MM/yyyy"), "15/04/2011");
  EXPECT_EQ(WmiDateText("20110000000000.000000+000", "dd/MM/yyyy"), "30/11/2010");
  EXPECT_EQ(WmiDateText("20111301", "M/d/yyyy"), "1/1/2012");
  EXPECT_EQ(WmiDateText("00000000000000.000000+000", "dd/MM/yyyy"), nullopt);
  EXPECT_EQ(WmiDateText("**************.******+***", "dd/MM/yyyy"), nullopt);
  EXPECT_EQ(WmiDateText("", "dd/MM/yyyy"), nullopt);

  const TimeFormat longTime{"HH:mm:ss", "AM", "PM"};
  EXPECT_EQ(WmiTimeText("20120315093015.000000+060", longTime), "09:30:15");
  EXPECT_EQ(WmiTimeText("2012031509", longTime), nullopt);

  EXPECT_EQ(InstallationDateText("20120315102345.000000-180", "(DDMMYYYY) a las (HHMMSS) hs.",
                                 "dd/MM/yyyy", longTime),
            "15/03/2012 a las 10:23:45 hs.");
  EXPECT_EQ(InstallationDateText("20120315", "(DDMMYYYY) (HHMMSS)", "dd/MM/yyyy", longTime),
            nullopt);
}

}  // namespace
}  // namespace hv::sections

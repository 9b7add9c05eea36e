// The title line's time and date.
#include "report/clock_texts.h"

#include <gtest/gtest.h>

#include "support/fake_system.h"

namespace hv::report {
namespace {

TEST(ClockTexts, MediumTimeIsTwelveHourWithAmPm) {
  struct Case {
    int hour, minute;
    const char* text;
  };
  const Case cases[] = {{0, 0, "12:00 AM"},  {9, 30, "09:30 AM"}, {11, 59, "11:59 AM"},
                        {12, 0, "12:00 PM"}, {21, 5, "09:05 PM"}, {23, 59, "11:59 PM"}};
  for (const Case& c : cases)
    EXPECT_EQ(MediumTime({2014, 3, 9, c.hour, c.minute, 30}), c.text) << c.hour;
}

// Only the Spanish title follows the user's long time, as Windows writes it; the date is the
// user's short date in every language.
TEST(ClockTexts, TitleTimeAndDateByLanguage) {
  test::FakeSystem system;
  system.longTimeFormat = "hh:mm:ss tt";
  system.amMarker = "a. m.";
  system.pmMarker = "p. m.";
  system.shortDateFormat = "dd-MMM-yyyy";
  const platform::LocalTime t{2026, 12, 9, 0, 49, 33};
  EXPECT_EQ(TitleTime("Spanish", system, t), "12:49:33 a. m. hs.");
  EXPECT_EQ(TitleTime("English", system, t), "12:49 AM");
  EXPECT_EQ(TitleTime("Dutch", system, t), "12:49 AM");
  EXPECT_EQ(TitleDate(system, t), "09-Dec-2026");
  EXPECT_EQ(TitleDate(system, {1500, 1, 1, 0, 0, 0}), "");  // a date Windows will not write
}

}  // namespace
}  // namespace hv::report

// The title line's time and date in the user's formats.
#include "report/clock_texts.h"

#include <gtest/gtest.h>

namespace hv::report {
namespace {

TEST(ClockTexts, PictureFormats) {
  const platform::LocalTime t{2014, 3, 9, 14, 5, 7};
  const platform::LocalTime midnight{2009, 12, 31, 0, 0, 0};
  struct Case {
    const char* picture;
    platform::LocalTime when;
    const char* text;
  };
  const Case cases[] = {
      {"dd/MM/yyyy", t, "09/03/2014"},
      {"d/M/yy", t, "9/3/14"},
      {"M/d/yyyy", t, "3/9/2014"},
      {"yyyy-MM-dd", t, "2014-03-09"},
      {"dd.MM.yyyy", midnight, "31.12.2009"},
      {"dddd d MMMM yyyy", t, "Sunday 9 March 2014"},
      {"ddd, MMM d", t, "Sun, Mar 9"},
      {"HH:mm:ss", t, "14:05:07"},
      {"H:mm:ss", midnight, "0:00:00"},
      {"h:mm:ss tt", t, "2:05:07 PM"},
      {"hh:mm tt", midnight, "12:00 AM"},
      {"'day' d", t, "day 9"},
      {"'unclosed", t, "unclosed"},
      // Out-of-range fields still give text, never a crash.
      {"dddd MMM yy", {-20, -20, -3, 0, 0, 0}, "00 00 00"},
      {"ddd MMMM", {2014, 13, 40, 0, 0, 0}, "40 13"},
      {"", t, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLocalTime(c.picture, c.when), c.text) << c.picture;
}

TEST(ClockTexts, TitleTimeByLanguage) {
  const platform::LocalTime t{2014, 3, 9, 21, 5, 30};
  EXPECT_EQ(TitleTime("Spanish", "H:mm:ss", t), "21:05:30 hs.");
  EXPECT_EQ(TitleTime("English", "H:mm:ss", t), "09:05 PM");
  EXPECT_EQ(TitleTime("Dutch", "HH:mm:ss", t), "09:05 PM");
  EXPECT_EQ(MediumTime({2014, 3, 9, 9, 30, 0}), "09:30 AM");
}

}  // namespace
}  // namespace hv::report

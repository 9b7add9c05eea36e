#include <gtest/gtest.h>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

struct CutCase {
  std::string text;
  std::size_t chars;
  std::string cut, right, dropped;
};

TEST(TextRules, CutsCountCharactersNotBytes) {
  const CutCase cases[] = {
      {"0.9765625", 3, "0.9", "625", "0.9765"},
      {"50", 4, "50", "50", ""},
      {"", 3, "", "", ""},
      {"(C:) - ", 3, "(C:", " - ", "(C:)"},
      // "Español - " holds a two-byte character; the cut never splits it.
      {"Espa\u00f1ol - ", 5, "Espa\u00f1", "ol - ", "Espa\u00f1"},
      {"\u00f1\u00f1\u00f1\u00f1", 3, "\u00f1\u00f1\u00f1", "\u00f1\u00f1\u00f1", "\u00f1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CutText(c.text, c.chars), c.cut) << c.text;
    EXPECT_EQ(RightText(c.text, c.chars), c.right) << c.text;
    EXPECT_EQ(DropLastText(c.text, c.chars), c.dropped) << c.text;
  }
}

TEST(TextRules, MalformedUtf8IsCutWithoutReadingPastTheEnd) {
  const std::string stray =
      "\x80\x80"
      "ab\xC3";
  EXPECT_EQ(CutText(stray, 1), "\x80\x80");
  EXPECT_EQ(DropLastText(stray, 1),
            "\x80\x80"
            "ab");
  EXPECT_EQ(Capitalised("\xC3"), "\xC3");
}

TEST(TextRules, Capitalised) {
  const std::pair<std::string, std::string> cases[] = {
      {"WORKGROUP", "Workgroup"},
      {"w", "W"},
      {"", ""},
      {"mY-dOMAIN.local", "My-domain.local"},
      {"\u00e1REA \u00d1", "\u00c1rea \u00f1"},  // Latin-1 letters change case too
      {"1ABC", "1abc"},
      {"\u00d7X", "\u00d7x"},  // the sign x is no letter
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Capitalised(in), out) << in;
}

TEST(TextRules, FillPlaceholderReplacesEveryOccurrenceOnce) {
  struct Case {
    std::string text, placeholder, value, filled;
  };
  const Case cases[] = {
      {"(#) time/s.", "(#)", "12", "12 time/s."},
      {"(#) and (#)", "(#)", "7", "7 and 7"},
      // A value holding its own placeholder is inserted as it is, and the fill ends.
      {"(#) Hz", "(#)", "(#)(#)", "(#)(#) Hz"},
      {"((#))", "(#)", "x", "(x)"},
      {"no placeholder", "(#)", "1", "no placeholder"},
      {"(#)", "", "1", "(#)"},
      {"(HHMMSS) hs.", "(HHMMSS)", "", " hs."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FillPlaceholder(c.text, c.placeholder, c.value), c.filled) << c.text;
}

TEST(TextRules, FillPlaceholdersDoesNotFillInsertedValues) {
  EXPECT_EQ(FillPlaceholders("(1) pixels, (2) bits, (3) Hz",
                             {{"(1)", "1920 x 1080"}, {"(2)", "32"}, {"(3)", "60"}}),
            "1920 x 1080 pixels, 32 bits, 60 Hz");
  EXPECT_EQ(FillPlaceholders("(1)/(2)", {{"(1)", "(2)"}, {"(2)", "(1)"}}), "(2)/(1)");
  EXPECT_EQ(FillPlaceholders("(DDMMYYYY) a las (HHMMSS) hs.",
                             {{"(DDMMYYYY)", "(HHMMSS)"}, {"(HHMMSS)", "10:23:45"}}),
            "(HHMMSS) a las 10:23:45 hs.");
}

}  // namespace
}  // namespace hv::sections

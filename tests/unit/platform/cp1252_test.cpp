#include "support/cp1252.h"

#include <gtest/gtest.h>

namespace hv::test {
namespace {

TEST(Cp1252Test, ConvertsWhatTheCodePageHoldsAndMarksTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain ASCII\r\n", "plain ASCII\r\n"},
      {"Espa\xC3\xB1ol, \xC3\xA9t\xC3\xA9", "Espa\xF1ol, \xE9t\xE9"},  // Latin-1 range
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},                                // U+00A0, U+00FF
      {"\xE2\x82\xAC 5", "\x80 5"},                                    // euro sign
      {"\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x94 \xE2\x84\xA2", "\x93q\x94 \x97 \x99"},
      {"\xC5\x92\xC5\xB8\xC6\x92", "\x8C\x9F\x83"},  // OE, Y diaeresis, f hook
      {"\xC2\x81", "\x81"},                          // undefined byte kept
      {"\xC2\x80", "?"},                             // C1 control, no slot
      {"\xC5\x91", "?"},                             // o double acute
      {"\xE4\xB8\xAD\xE6\x96\x87", "??"},            // two CJK characters
      {"\xF0\x9F\x98\x80!", "?!"},                   // outside the BMP
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [utf8, ansi] : cases) EXPECT_EQ(Utf8ToCp1252(utf8), ansi) << utf8;
}

TEST(Cp1252Test, MalformedUtf8BecomesQuestionMarksWithoutSwallowingText) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xFF", "?"},
      {"a\x80z", "a?z"},             // stray continuation byte
      {"\xC3", "?"},                 // cut short at the end
      {"\xE2\x82", "??"},            // cut short: each byte marked
      {"\xC3z", "?z"},               // lead byte followed by plain text
      {"\xC0\xAF", "??"},            // overlong '/'
      {"\xE0\x80\xAF", "???"},       // overlong, three bytes
      {"\xED\xA0\x80", "???"},       // UTF-16 surrogate
      {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
      {"\xF5\x80\x80\x80", "????"},
  };
  for (const auto& [utf8, ansi] : cases) EXPECT_EQ(Utf8ToCp1252(utf8), ansi);
}

}  // namespace
}  // namespace hv::test

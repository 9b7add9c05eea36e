#include "win32/utf_codec.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

struct RoundTrip {
  const char* utf8;
  std::u16string utf16;
};

TEST(UtfCodec, ValidTextRoundTrips) {
  const RoundTrip cases[] = {
      {"", u""},
      {"plain", u"plain"},
      {"caf\xC3\xA9\xC2\xB7", u"caf\u00E9\u00B7"},
      {"\xE2\x82\xAC 5", u"\u20AC 5"},
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},  // beyond the BMP: a surrogate pair
  };
  for (const RoundTrip& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
  EXPECT_EQ(Utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(UtfCodec, MalformedUtf8BecomesReplacementWithoutSwallowingNeighbours) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"\xE9", u"\uFFFD"},              // a cp1252 byte, not UTF-8
      {"a\xC3", u"a\uFFFD"},            // truncated at the end
      {"\xC3(z", u"\uFFFD(z"},          // bad continuation keeps the next char
      {"\xC0\xAF", u"\uFFFD"},          // overlong '/'
      {"\xED\xA0\x80", u"\uFFFD"},      // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},  // past U+10FFFF
      {"\x80\xBFx", u"\uFFFD\uFFFDx"},  // stray continuation bytes
      {"\xFF\xFE", u"\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
}

TEST(UtfCodec, LoneSurrogatesBecomeReplacement) {
  EXPECT_EQ(Utf16ToUtf8(u"\xD800"), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(u"x\xDC00y"), "x\xEF\xBF\xBDy");
  EXPECT_EQ(Utf16ToUtf8(u"\xD800\xD800\xDC00"), "\xEF\xBF\xBD\xF0\x90\x80\x80");
}

}  // namespace
}  // namespace hv::win32

#include "lang/text_table.h"

#include <gtest/gtest.h>

#include <climits>

namespace hv::lang {
namespace {

TEST(TextTableTest, StartsEmptyAndKeepsWhatIsSet) {
  TextTable t;
  for (int element = 0; element < TextTable::kSize; ++element) EXPECT_EQ(t[element], "");
  t.Set(0, "first");
  t.Set(186, "last");
  t.Set(186, "again");
  EXPECT_EQ(t[0], "first");
  EXPECT_EQ(t[186], "again");
  EXPECT_EQ(t[185], "");
}

TEST(TextTableTest, OutOfRangeNumbersReadEmptyAndAreNotWritten) {
  TextTable t;
  for (int element = 0; element < TextTable::kSize; ++element) t.Set(element, "x");
  const TextTable before = t;
  for (int element : {-1, 187, 1000, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(element);
    t.Set(element, "stray");
    EXPECT_EQ(t[element], "");
  }
  for (int element = 0; element < TextTable::kSize; ++element)
    EXPECT_EQ(t[element], before[element]);
}

}  // namespace
}  // namespace hv::lang

#include <gtest/gtest.h>

#include <limits>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

using platform::Variant;
using std::nullopt;
using I64 = std::optional<std::int64_t>;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberRules, IntFloorsAndRoundingGoesToEven) {
  struct Case {
    double d;
    I64 floor, even;
  };
  const Case cases[] = {
      {2.5, 2, 2},
      {3.5, 3, 4},
      {-2.5, -3, -2},
      {-0.5, -1, 0},
      {0.4999, 0, 0},
      {1e18, 1000000000000000000, 1000000000000000000},
      {9.3e18, nullopt, nullopt},
      {-9.3e18, nullopt, nullopt},
      {kInf, nullopt, nullopt},
      {kNaN, nullopt, nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VbInt(c.d), c.floor) << c.d;
    EXPECT_EQ(RoundHalfEven64(c.d), c.even) << c.d;
  }
}

TEST(NumberRules, ReadingsScaledToWholeUnits) {
  struct Case {
    Variant v;
    double divisor;
    I64 floor, rounded;
  };
  const Case cases[] = {
      // WMI's 64-bit counters arrive as decimal text.
      {Variant("17179869184"), 1048576, 16384, 16384},
      {Variant("500107862016"), 1024, 488386584, 488386584},
      {Variant("1536"), 1024, 1, 2},
      {Variant(std::int64_t{4294967296}), 1048576, 4096, 4096},
      {Variant(1023), 1024, 0, 1},
      // Wider than 64 bits, Null, text and arrays are no value; a bad divisor neither.
      {Variant("1e30"), 1, nullopt, nullopt},
      {Variant::Null(), 1024, nullopt, nullopt},
      {Variant("n/a"), 1024, nullopt, nullopt},
      {Variant(std::vector<Variant>{Variant(1)}), 1024, nullopt, nullopt},
      {Variant(1024), 0, nullopt, nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WholeFloor(c.v, c.divisor), c.floor) << c.divisor;
    EXPECT_EQ(WholeRounded(c.v, c.divisor), c.rounded) << c.divisor;
  }
}

TEST(NumberRules, AdapterRamIsReadAsUnsigned) {
  struct Case {
    Variant v;
    std::optional<std::uint32_t> bytes;
    I64 mb;
  };
  const Case cases[] = {
      {Variant(268435456), 268435456u, 256},
      {Variant(-2147483647 - 1), 2147483648u, 2048},  // a 2 GB card
      {Variant(-1073741824), 3221225472u, 3072},      // 3 GB
      {Variant(1048575), 1048575u, 0},
      {Variant(std::int64_t{4294967296}), nullopt, nullopt},
      {Variant(std::int64_t{-2147483649}), nullopt, nullopt},
      {Variant("3221225472"), 3221225472u, 3072},
      {Variant(true), nullopt, nullopt},
      {Variant(), nullopt, nullopt},
      {Variant::Null(), nullopt, nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AsUnsigned32(c.v), c.bytes);
    EXPECT_EQ(AdapterMemoryMb(c.v), c.mb);
  }
}

TEST(NumberRules, CountsShownWhenAWholeNumberReachesTheMinimum) {
  struct Case {
    std::string text;
    std::int64_t minimum;
    std::optional<std::string> shown;
  };
  const Case cases[] = {
      {"0", 0, "0"},       {"0", 1, nullopt},
      {"-1", 0, nullopt},  {"12", 1, "12"},
      {"1", 2, nullopt},   {"2", 2, "2"},
      {"", 0, nullopt},    {"abc", 0, nullopt},
      {"0.5", 1, nullopt},  // rounds to 0, to the even neighbour
      {"1.5", 2, "1.5"},   {"99999999999", 1, "99999999999"},
  };
  for (const auto& c : cases) EXPECT_EQ(CountText(c.text, c.minimum), c.shown) << c.text;
}

TEST(NumberRules, TruthValues) {
  const std::pair<std::string, std::optional<bool>> cases[] = {
      {"True", true}, {"False", false}, {"true", true}, {" FALSE ", false},
      {"-1", true},   {"0", false},     {"", nullopt},  {"Yes", nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadTruthValue(text), value) << text;
}

TEST(NumberRules, PercentModes) {
  struct Case {
    std::int64_t part, whole;
    I64 truncated, floor, rounded;
  };
  const Case cases[] = {
      {3000, 8192, 36, 36, 37},
      {2999, 3000, 99, 99, 100},
      {1600, 3200, 50, 50, 50},
      {1, 8, 12, 12, 12},
      {3, 8, 37, 37, 38},
      {-1, 3, -33, -34, -33},
      {5, 0, nullopt, nullopt, nullopt},
      {5, -5, nullopt, nullopt, nullopt},
      // Products past 32 bits no longer overflow: 30 GB in use of 32 GB.
      {31457280, 33554432, 93, 93, 94},
      {std::numeric_limits<std::int64_t>::max(), 1, nullopt, nullopt, nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PercentTruncated(c.part, c.whole), c.truncated) << c.part << "/" << c.whole;
    EXPECT_EQ(PercentFloor(c.part, c.whole), c.floor) << c.part << "/" << c.whole;
    EXPECT_EQ(PercentRounded(static_cast<double>(c.part), static_cast<double>(c.whole)), c.rounded)
        << c.part << "/" << c.whole;
  }
  EXPECT_EQ(PercentRounded(12.5, 100), 12);
  EXPECT_EQ(PercentRounded(13.5, 100), 14);
  EXPECT_EQ(PercentRounded(1, kNaN), nullopt);
}

TEST(NumberRules, SpaceShareTakesThePartInSinglePrecision) {
  struct Case {
    std::int64_t part, capacity;
    I64 share;
  };
  const Case cases[] = {
      {16777899, 17033400, 99},  // 98.5 exactly in doubles; the float part is 16777900
      {255501, 17033400, 2},     // 1.5: a half, to the even neighbour
      {625, 1000, 62},
      {635, 1000, 64},
      {0, 1000, 0},
      {1000, 1000, 100},
      {1610612736, 2147483648, 75},  // 2 TB volumes: past 32 bits of KB
      {5, 0, nullopt},
      {5, -1, nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(SpaceShare(c.part, c.capacity), c.share) << c.part;
}

}  // namespace
}  // namespace hv::sections

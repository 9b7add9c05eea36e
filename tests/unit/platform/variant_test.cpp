#include "platform/variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace hv::platform {
namespace {

const Variant kArray(std::vector<Variant>{Variant(1), Variant("a")});

struct LngCase {
  Variant in;
  std::optional<std::int32_t> out;
};

TEST(VariantTest, CLngRoundsHalvesToEvenAndFailsOutsideInt32) {
  const LngCase cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {0.5, 0},
      {-0.5, 0},
      {1.5, 2},
      {2.4999, 2},
      {2.5001, 3},
      {2147483647.4, 2147483647},
      {2147483646.5, 2147483646},
      {2147483647.5, std::nullopt},
      {2147483648.0, std::nullopt},
      {-2147483648.5, -2147483648},
      {-2147483648.6, std::nullopt},
      {-2147483649.0, std::nullopt},
      {1e300, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
      {std::int64_t{2147483647}, 2147483647},
      {std::int64_t{2147483648}, std::nullopt},
      {std::int64_t{-2147483648}, -2147483648},
      {true, -1},
      {false, 0},
      {Variant(), 0},
      {Variant::Null(), std::nullopt},
      {kArray, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CLng(c.in), c.out) << CStr(c.in).value_or("?");
}

TEST(VariantTest, CLngReadsNumericText) {
  const LngCase cases[] = {
      {"12", 12},
      {"  12  ", 12},
      {"-7", -7},
      {"+7", 7},
      {"2.5", 2},
      {"3.5", 4},
      {" 1e3 ", 1000},
      {"1E-1", 0},
      {".5", 0},
      {"5.", 5},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"4294967296", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"abc", std::nullopt},
      {"12abc", std::nullopt},
      {"1 2", std::nullopt},
      {"1,5", std::nullopt},
      {"--1", std::nullopt},
      {"1e", std::nullopt},
      {".", std::nullopt},
      {"e5", std::nullopt},
      {"1e999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CLng(c.in), c.out) << *c.in.AsString();
}

TEST(VariantTest, CDblConvertsWideIntegerTextToTheNearestDouble) {
  // CIM uint64 values arrive as text; they must divide as doubles without overflow.
  EXPECT_EQ(CDbl(Variant("8589934592")), 8589934592.0);
  EXPECT_EQ(CDbl(Variant("18446744073709551615")), 18446744073709551615.0);
  EXPECT_EQ(CDbl(Variant("9007199254740993")), 9007199254740992.0);  // rounds to even
  EXPECT_EQ(CDbl(Variant(std::int64_t{1} << 62)), 4611686018427387904.0);
  EXPECT_EQ(*CDbl(Variant("499999997952")) / 1024 / 1024, 476837.15625);
  EXPECT_EQ(CDbl(Variant(" -2.5E+2 ")), -250.0);
  EXPECT_EQ(CDbl(Variant(true)), -1.0);
  EXPECT_EQ(CDbl(Variant()), 0.0);
  EXPECT_EQ(CDbl(Variant::Null()), std::nullopt);
  EXPECT_EQ(CDbl(kArray), std::nullopt);
  EXPECT_EQ(CDbl(Variant("")), std::nullopt);
}

TEST(VariantTest, IsNumericAcceptsNumbersAndNumberText) {
  const std::pair<Variant, bool> cases[] = {
      {Variant(5), true},     {Variant(2.5), true},     {Variant(std::int64_t{5}), true},
      {Variant(true), true},  {Variant("12"), true},    {Variant(" -1.5 "), true},
      {Variant("1e5"), true}, {Variant(".5"), true},    {Variant(""), false},
      {Variant(" "), false},  {Variant("abc"), false},  {Variant("1.2.3"), false},
      {Variant("1e"), false}, {Variant::Null(), false}, {Variant(), false},
      {kArray, false},
  };
  for (const auto& [in, numeric] : cases)
    EXPECT_EQ(IsNumeric(in), numeric) << CStr(in).value_or("?");
}

TEST(VariantTest, CStrWritesValuesAsVbDoes) {
  const std::pair<Variant, std::optional<std::string>> cases[] = {
      {Variant(-5), "-5"},
      {Variant(std::int64_t{8589934592}), "8589934592"},
      {Variant(2.5), "2.5"},
      {Variant(3.0), "3"},
      {Variant(true), "True"},
      {Variant(false), "False"},
      {Variant(), ""},
      {Variant(" x "), " x "},
      {Variant::Null(), std::nullopt},
      {kArray, std::nullopt},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CStr(in), out);
}

TEST(VariantTest, DoubleTextKeepsFifteenDigitsAndVbExponents) {
  const std::pair<double, const char*> cases[] = {
      {2.4, "2.4"},
      {0.5, "0.5"},
      {-2.5, "-2.5"},
      {100, "100"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.9765625, "0.9765625"},
      {2000000.0 / 1024 / 1024, "1.9073486328125"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E+15"},
      {1e16, "1E+16"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {9999999999999999.0, "1E+16"},
      {1.5e20, "1.5E+20"},
      {1e100, "1E+100"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {-1.25e-7, "-1.25E-07"},
  };
  for (const auto& [d, text] : cases) EXPECT_EQ(DoubleText(d), text) << d;
}

TEST(VariantTest, DoubleTextUsesTheGivenSeparator) {
  EXPECT_EQ(DoubleText(4.8828125, ','), "4,8828125");
  EXPECT_EQ(DoubleText(1.5e-7, ','), "1,5E-07");
  EXPECT_EQ(DoubleText(12, ','), "12");
}

TEST(VariantTest, TrimRemovesOnlyBlanks) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
}

TEST(VariantTest, TypesAndAccessorsAgree) {
  EXPECT_EQ(Variant().GetType(), Variant::Type::Empty);
  EXPECT_TRUE(Variant::Null().IsNull());
  EXPECT_EQ(Variant("x").GetType(), Variant::Type::String);
  EXPECT_EQ(Variant(std::int64_t{1}).GetType(), Variant::Type::Int64);
  EXPECT_EQ(*Variant(std::int32_t{7}).AsInt32(), 7);
  EXPECT_EQ(Variant(7).AsDouble(), nullptr);
  EXPECT_EQ(kArray.AsArray()->size(), 2u);
  EXPECT_NE(Variant(1), Variant(std::int64_t{1}));  // types differ, as WMI hands them
}

}  // namespace
}  // namespace hv::platform

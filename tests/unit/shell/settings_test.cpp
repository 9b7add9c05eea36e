#include "shell/settings.h"

#include <gtest/gtest.h>

#include <optional>

namespace hv::shell {
namespace {

using platform::Variant;
using Stored = std::optional<Variant>;

const Stored kMissing = std::nullopt;

TEST(Settings, LanguageIsTrimmedAndCaseSensitive) {
  struct Case {
    Stored stored;
    std::string value;
    bool replaced;
  };
  const Case cases[] = {
      {Variant("English"), "English", false},
      {Variant("  Dutch "), "Dutch", false},
      {Variant("Spanish"), "Spanish", false},
      {Variant("dutch"), "English", true},
      {Variant("French"), "English", true},
      {Variant(""), "English", true},
      {Variant("\tDutch"), "English", true},  // only blanks are trimmed
      {Variant(std::int32_t{1}), "English", true},
      {Variant::Null(), "English", true},
      {Variant(std::vector<Variant>{Variant(std::int32_t{68})}), "English", true},
      {kMissing, "English", true},
  };
  for (const Case& c : cases) {
    auto judged = JudgeLanguage(c.stored);
    EXPECT_EQ(judged.value, c.value);
    EXPECT_EQ(judged.replaced, c.replaced) << c.value;
  }
}

struct NumberCase {
  Stored stored;
  std::int32_t value;
  bool replaced;
};

TEST(Settings, ColourRangeIsInclusive) {
  const NumberCase cases[] = {
      {Variant(std::int32_t{254}), kDefaultColor, true},
      {Variant(std::int32_t{255}), 255, false},
      {Variant(std::int32_t{16776960}), 16776960, false},
      {Variant(std::int32_t{16776961}), kDefaultColor, true},
      {Variant(std::int32_t{-1}), kDefaultColor, true},  // a DWORD of 0xFFFFFFFF
      {Variant("30000"), 30000, false},                  // text that spells a number
      {Variant("30000.5"), 30000, false},                // halves to even
      {Variant("abc"), kDefaultColor, true},
      {Variant("99999999999"), kDefaultColor, true},
      {Variant(std::int64_t{300}), 300, false},  // a QWORD
      {Variant(std::int64_t{1} << 40), kDefaultColor, true},
      {Variant(std::vector<Variant>{Variant(std::int32_t{255})}), kDefaultColor, true},
      {Variant(""), kDefaultColor, true},
      {kMissing, kDefaultColor, true},
  };
  for (const NumberCase& c : cases) {
    auto judged = JudgeColor(c.stored);
    EXPECT_EQ(judged.value, c.value);
    EXPECT_EQ(judged.replaced, c.replaced) << c.value;
  }
}

TEST(Settings, ShineIsHalfTheStoredValueRoundedToEven) {
  const NumberCase cases[] = {
      {Variant(std::int32_t{48}), 24, false},
      {Variant(std::int32_t{47}), 24, false},
      {Variant(std::int32_t{45}), 22, false},
      {Variant(std::int32_t{3}), 2, false},
      {Variant(std::int32_t{1}), 0, false},
      {Variant(std::int32_t{0}), 0, false},
      {Variant(std::int32_t{49}), 24, true},
      {Variant(std::int32_t{-1}), 24, true},
      {Variant(""), 24, true},
      {Variant(" 10 "), 5, false},
      {Variant("x"), 24, true},
      {Variant("   "), 24, true},
      {Variant("47.9"), 24, false},
      {Variant("48.2"), 24, true},  // the range is judged before halving
      {Variant("1e300"), 24, true},
      {Variant(std::vector<Variant>{Variant(std::int32_t{4})}), 24, true},
      {Variant::Null(), 24, true},
      {kMissing, 24, true},
  };
  for (const NumberCase& c : cases) {
    auto judged = JudgeShine(c.stored);
    EXPECT_EQ(judged.value, c.value);
    EXPECT_EQ(judged.replaced, c.replaced) << c.value;
  }
}

TEST(Settings, TransparencySwitchIsZeroOrOne) {
  struct Case {
    Stored stored;
    bool on;
    bool replaced;
  };
  const Case cases[] = {
      {Variant(std::int32_t{1}), true, false},
      {Variant(std::int32_t{0}), false, false},
      {Variant(" 0 "), false, false},
      {Variant("1.0"), true, false},
      {Variant(std::int32_t{2}), true, true},
      {Variant("yes"), true, true},
      {Variant(""), true, true},
      {Variant(std::vector<Variant>{Variant(std::int32_t{0})}), true, true},
      {Variant::Null(), true, true},
      {kMissing, true, true},
  };
  for (const Case& c : cases) {
    auto judged = JudgeTransOn(c.stored);
    EXPECT_EQ(judged.value, c.on);
    EXPECT_EQ(judged.replaced, c.replaced);
  }
}

TEST(Settings, TransparencyLevelAndSpectrumPosition) {
  const NumberCase levels[] = {
      {Variant(std::int32_t{0}), 0, false},
      {Variant(std::int32_t{80}), 80, false},
      {Variant(std::int32_t{81}), 0, true},
      {Variant(std::int32_t{-1}), 0, true},
      {Variant("30"), 30, false},
      {Variant("30.5"), 30, false},
      {Variant("31.5"), 32, false},
      {Variant("79.5"), 80, false},
      {Variant("80.4"), 0, true},
      {Variant("-0.4"), 0, true},
      {Variant(std::vector<Variant>{}), 0, true},
      {kMissing, 0, true},
  };
  for (const NumberCase& c : levels) {
    auto judged = JudgeTransparency(c.stored);
    EXPECT_EQ(judged.value, c.value);
    EXPECT_EQ(judged.replaced, c.replaced);
  }
  const NumberCase positions[] = {
      {Variant(std::int32_t{0}), 0, false},
      {Variant(std::int32_t{210}), 210, false},
      {Variant(std::int32_t{211}), kDefaultSpectrumPosition, true},
      {Variant(std::int32_t{-5}), kDefaultSpectrumPosition, true},
      {kMissing, kDefaultSpectrumPosition, true},
  };
  for (const NumberCase& c : positions) {
    auto judged = JudgeSpectrumPosition(c.stored);
    EXPECT_EQ(judged.value, c.value);
    EXPECT_EQ(judged.replaced, c.replaced);
  }
}

}  // namespace
}  // namespace hv::shell

#include <gtest/gtest.h>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

using std::nullopt;
using Text = std::optional<std::string>;

TEST(RowRules, SummarySpeed) {
  struct Case {
    std::int64_t mhz, processors;
    char separator;
    Text text;
  };
  const Case cases[] = {
      {800, 1, '.', "800 Mhz"},
      {2400, 1, '.', "2.4 Ghz"},
      {3193, 1, '.', "3.19 Ghz"},
      {50, 1, '.', "0.05 Ghz"},
      {2400, 0, ',', "2,4 Ghz"},
      {10000, 1, '.', "10 Ghz"},
      {3193, 4, '.', "3.19 Ghz (4 CPUs)"},
      {800, 2, '.', "0.8 Ghz (2 CPUs)"},
      {0, 4, '.', nullopt},
      {-5, 1, '.', nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SummarySpeedText(c.mhz, c.processors, "(#) CPUs", c.separator), c.text) << c.mhz;
}

TEST(RowRules, SpeedRule) {
  struct Case {
    std::int64_t current, maximum;
    SpeedCaption caption;
    Text value;
  };
  const Case cases[] = {
      {1600, 3200, SpeedCaption::CurrentAndMaximum, "1600 Mhz (50%) / 3200 Mhz (100%)"},
      {2999, 3000, SpeedCaption::CurrentAndMaximum, "2999 Mhz (99%) / 3000 Mhz (100%)"},
      {3000, 3000, SpeedCaption::SpeedOnly, "3000 Mhz"},
      {3500, 3000, SpeedCaption::SpeedOnly, "3000 Mhz"},
      {0, 3000, SpeedCaption::SpeedOnly, "3000 Mhz"},
      {1600, 0, SpeedCaption::SpeedOnly, nullopt},
  };
  for (const auto& c : cases) {
    const SpeedRow row = SpeedRule(c.current, c.maximum);
    EXPECT_EQ(row.caption, c.caption) << c.current << "/" << c.maximum;
    EXPECT_EQ(row.value, c.value) << c.current << "/" << c.maximum;
  }
}

TEST(RowRules, VirtualMemoryRule) {
  struct Case {
    std::int64_t total, used;
    VirtualMemoryCaption caption;
    Text value;
  };
  const Case cases[] = {
      {8192, 3000, VirtualMemoryCaption::InUse, "3000 MB (36%) / 8192 MB (100%)"},
      {8192, 0, VirtualMemoryCaption::Total, "8192 MB"},
      {8192, 8192, VirtualMemoryCaption::Total, "8192 MB"},
      {8192, -20, VirtualMemoryCaption::Total, "8192 MB"},
      {0, 0, VirtualMemoryCaption::InUse, nullopt},
      // 40 GB of 64 GB: the product no longer overflows 32 bits.
      {65536, 40960, VirtualMemoryCaption::InUse, "40960 MB (62%) / 65536 MB (100%)"},
  };
  for (const auto& c : cases) {
    const VirtualMemoryRow row = VirtualMemoryRule(c.total, c.used);
    EXPECT_EQ(row.caption, c.caption) << c.total << " " << c.used;
    EXPECT_EQ(row.value, c.value) << c.total << " " << c.used;
  }
}

TEST(RowRules, UpdateRateRule) {
  struct Case {
    std::string minimum, maximum;
    RateCaption caption;
    Text value;
  };
  const Case cases[] = {
      {"", "75", RateCaption::Maximum, "75 Hz"},
      {"0", "75", RateCaption::Maximum, "75 Hz"},
      {"56", "0", RateCaption::Minimum, "56 Hz"},
      {"56", "75", RateCaption::MinimumAndMaximum, "56 Hz - 75 Hz"},
      {"60", "60", RateCaption::Maximum, "60 Hz"},
      {"", "", RateCaption::MinimumAndMaximum, nullopt},
      {"n/a", "?", RateCaption::MinimumAndMaximum, nullopt},
      // Different texts of the same number count as different, as the texts are compared.
      {"60", "60.0", RateCaption::MinimumAndMaximum, "60 Hz - 60.0 Hz"},
  };
  for (const auto& c : cases) {
    const RateRow row = UpdateRateRule(c.minimum, c.maximum, "(#) Hz");
    EXPECT_EQ(row.caption, c.caption) << c.minimum << "/" << c.maximum;
    EXPECT_EQ(row.value, c.value) << c.minimum << "/" << c.maximum;
  }
}

TEST(RowRules, ConfigurationNeedsFourNonZeroNumbers) {
  const std::string tmpl = "(1) pixels, (2) bits, (3) Hz";
  EXPECT_EQ(ConfigurationText("1920", "1080", "32", "60", tmpl),
            "1920 x 1080 pixels, 32 bits, 60 Hz");
  EXPECT_EQ(ConfigurationText("1920", "1080", "0", "60", tmpl), nullopt);
  EXPECT_EQ(ConfigurationText("1920", "", "32", "60", tmpl), nullopt);
  EXPECT_EQ(ConfigurationText("1920", "1080", "32", "x", tmpl), nullopt);
  // A template with its placeholders in another order is filled all the same.
  EXPECT_EQ(ConfigurationText("800", "600", "16", "75", "(3) Hz / (2) / (1)"),
            "75 Hz / 16 / 800 x 600");
}

TEST(RowRules, Voltage) {
  const std::pair<std::string, Text> cases[] = {
      {"12600", "~ 12.6 V"},   {"12000", "~ 12 V"},     {"11250", "~ 11.2 V"},
      {"11350", "~ 11.4 V"},   {"11249", "~ 11.2 V"},   {"11251", "~ 11.3 V"},
      {"-11250", "~ -11.2 V"}, {"12600.5", "~ 12.6 V"}, {"", nullopt},
      {"volts", nullopt},      {"3000000000", nullopt},
  };
  for (const auto& [mv, text] : cases) EXPECT_EQ(VoltageText(mv, "(#) V", '.'), text) << mv;
  EXPECT_EQ(VoltageText("12600", "(#) V", ','), "~ 12,6 V");
}

TEST(RowRules, VersionAndServicePack) {
  EXPECT_EQ(VersionBuildText("6.1.7601"), "6.1, 7601");
  EXPECT_EQ(VersionBuildText("10.0.19045"), "10., 9045");
  EXPECT_EQ(VersionBuildText("6"), "6, 6");
  EXPECT_EQ(VersionBuildText(""), ", ");

  const std::pair<std::string, Text> packs[] = {
      {"0", "None"}, {"2", "Version 2"}, {"-1", "None"}, {"", nullopt}, {"SP1", nullopt}};
  for (const auto& [pack, text] : packs)
    EXPECT_EQ(ServicePackText(pack, "None", "Version (#)"), text) << pack;
}

}  // namespace
}  // namespace hv::sections

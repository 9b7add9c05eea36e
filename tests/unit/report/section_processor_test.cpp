#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/section_writers.h"
#include "writer_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::AppFixture;
using test_rows::Row;

constexpr const char* kCpu = "Win32_Processor";

test_rows::SectionRun Write(AppFixture& f) {
  f.App();
  f.wmi.ClearQueries();
  return test_rows::RunWriter(f, ReportProcessor, 15, "4/12");
}

TEST(ReportProcessor, TypicalMachine) {
  AppFixture f;
  const auto out = Write(f);
  EXPECT_EQ(out.statuses, std::vector<std::string>{"Making report, step 4/12"});
  EXPECT_TRUE(out.text.starts_with("^aProcessor^b\r\n^cName:^d"));
  EXPECT_TRUE(out.text.ends_with("^fL3 cache size:^d6 MB^g\r\n"));
  EXPECT_EQ(out.rows,
            (std::vector<Row>{{"Name:", "Tarsel(R) Core(TM) T7-4700 CPU @ 2.40GHz"},
                              {"Current/Maximum speed:", "2394 Mhz (99%) / 2400 Mhz (100%)"},
                              {"Number of cores:", "8"},
                              {"Manufacturer:", "GenuineTarsel"},
                              {"Type:", "Intel64 Family 6 Model 60 Stepping 3"},
                              {"Socket:", "CPU Socket - U3E1"},
                              {"Architecture:", "x64"},
                              {"L2 cache size:", "1 MB"},
                              {"L3 cache size:", "6 MB"}}));
  EXPECT_EQ(f.wmi.Queries().size(), 1u);
}

// No L3CacheSize in the class: the first query fails as a whole and the second fills the
// rest. A five-digit cache size is a size like any other.
TEST(ReportProcessor, OlderWindowsAsksAgainWithoutTheLevel3Cache) {
  AppFixture f("legacy_traps");
  f.system.processorCount = 2;
  const auto out = Write(f);
  EXPECT_EQ(f.wmi.Queries().size(), 2u);
  EXPECT_EQ(f.wmi.Queries().back().find("L3CacheSize"), std::string::npos);
  EXPECT_EQ(out.rows, (std::vector<Row>{{"Name:", "Tarsel(R) Pentium(R) 4 CPU 3.00GHz"},
                                        {"Speed:", "3000 Mhz"},
                                        {"Number of cores:", "2"},
                                        {"Manufacturer:", "GenuineTarsel"},
                                        {"Type:", "x86 Family 15 Model 4 Stepping 1"},
                                        {"Socket:", "Socket 478"},
                                        {"Architecture:", "x86"},
                                        {"L2 cache size:", "12 MB"},
                                        {"L3 cache size:", "Unknown"}}));
}

TEST(ReportProcessor, NothingReadShowsUnknownButTheProcessorCount) {
  for (const char* machine : {"empty", ""}) {
    AppFixture f(machine);
    const auto out = Write(f);
    std::vector<std::string> expected(9, "Unknown");
    expected[2] = "8";
    EXPECT_EQ(out.Values(), expected) << machine;
    EXPECT_EQ(out.rows[1].first, "Speed:") << machine;
  }
}

TEST(ReportProcessor, SpeedRule) {
  struct Case {
    Variant current, maximum;
    const char* caption;
    const char* shown;
  };
  const Case cases[] = {
      {Variant(1600), Variant(3200), "Current/Maximum speed:", "1600 Mhz (50%) / 3200 Mhz (100%)"},
      {Variant(2400), Variant(2400), "Speed:", "2400 Mhz"},
      {Variant(2400), Variant(0), "Speed:", "Unknown"},
      // Unreadable on both queries: that figure counts as 0.
      {Variant("fast"), Variant(2400), "Speed:", "2400 Mhz"},
      {Variant(2400), Variant::Null(), "Speed:", "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(kCpu, 0, "CurrentClockSpeed", c.current);
    f.wmi.Set(kCpu, 0, "MaxClockSpeed", c.maximum);
    const auto out = Write(f);
    EXPECT_EQ(out.rows.at(1), (Row{c.caption, c.shown}))
        << platform::CStr(c.current).value_or("?") << "/"
        << platform::CStr(c.maximum).value_or("?");
  }
}

TEST(ReportProcessor, ValueRulesOfItsRows) {
  struct Case {
    const char* prop;
    Variant value;
    std::size_t row;
    const char* shown;
    std::size_t queries;  // a failed read asks again; a value that cannot be shown does not
  };
  const Case cases[] = {
      {"Architecture", Variant(5), 6, "Unknown", 1},
      {"Architecture", Variant::Null(), 6, "Unknown", 2},
      {"L2CacheSize", Variant(2048), 7, "2 MB", 1},
      {"L2CacheSize", Variant(0), 7, "Unknown", 1},
      {"L3CacheSize", Variant(16384), 8, "16 MB", 1},
      {"L3CacheSize", Variant::Null(), 8, "Unknown", 2},
      // One digit is no size, as on the page; two digits stay in KB.
      {"L2CacheSize", Variant(8), 7, "Unknown", 1},
      {"L3CacheSize", Variant("1"), 8, "Unknown", 1},
      {"L2CacheSize", Variant(16), 7, "16 KB", 1},
      {"Name", Variant("  <b>{\\Tarsel}</b> & co "), 0, "<b>{\\Tarsel}</b> & co", 1},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(kCpu, 0, c.prop, c.value);
    EXPECT_EQ(Write(f).Values().at(c.row), c.shown) << c.prop;
    EXPECT_EQ(f.wmi.Queries().size(), c.queries) << c.prop;
  }
  for (const int count : {0, -1}) {
    AppFixture f;
    f.system.processorCount = count;
    EXPECT_EQ(Write(f).Values().at(2), "Unknown") << count;
  }
}

}  // namespace
}  // namespace hv::report

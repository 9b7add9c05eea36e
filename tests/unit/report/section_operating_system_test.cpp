#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "shell/time_helpers.h"
#include "writer_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::AppFixture;
using test_rows::Row;

constexpr const char* kOs = "Win32_OperatingSystem";
constexpr const char* kFull =
    "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
    "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version, "
    "OSArchitecture from Win32_OperatingSystem";
constexpr const char* kReduced =
    "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
    "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version "
    "from Win32_OperatingSystem";

// A DigitalProductId value that decodes to a whole key.
std::vector<std::uint8_t> ProductId() {
  std::vector<std::uint8_t> id(164, 0);
  for (std::size_t i = 52; i < 67; ++i) id[i] = static_cast<std::uint8_t>(i * 7);
  return id;
}

test_rows::SectionRun Write(AppFixture& f) {
  f.App();
  f.wmi.ClearQueries();
  return test_rows::RunWriter(f, ReportOperatingSystem, 14, "3/12");
}

TEST(ReportOperatingSystem, TypicalMachineInOneQuery) {
  AppFixture f;
  f.system.productId = ProductId();
  const std::string key = shell::ProductKey(f.system);
  ASSERT_EQ(key.size(), 29u);
  const auto out = Write(f);
  EXPECT_EQ(out.statuses, std::vector<std::string>{"Making report, step 3/12"});
  EXPECT_TRUE(out.text.starts_with("^aOperating system^b\r\n^cName:^d"));
  EXPECT_TRUE(out.text.ends_with("^fTotal virtual memory:^d16329 MB^g\r\n"));
  EXPECT_EQ(out.rows, (std::vector<Row>{{"Name:", "Microsoft Windows 7 Professional"},
                                        {"Version and build:", "6.1, 7601"},
                                        {"Service pack:", "Version 1"},
                                        {"Type:", "64-bit"},
                                        {"Serial number:", "00371-OEM-8992671-00524"},
                                        {"License code:", key},
                                        {"Language:", "English - United States"},
                                        {"Registered by:", "Anna"},
                                        {"Number of processes:", "74"},
                                        {"Date of installation:", "12/04/2013 a las 09:30:15 hs."},
                                        {"Total virtual memory:", "16329 MB"}}));
  EXPECT_EQ(f.wmi.Queries(), std::vector<std::string>{kFull});
}

TEST(ReportOperatingSystem, WindowsWithoutArchitectureAsksAgainOnce) {
  AppFixture f("legacy_traps");
  const auto out = Write(f);
  EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced}));
  EXPECT_EQ(out.Values(), (std::vector<std::string>{
                              "Microsoft Windows XP Professional", "5.1, 2600", "Version 3",
                              "Unknown", "76487-OEM-0011903-00102", "Unknown", "Espa\u00f1ol",
                              "Unknown",  // a Null user is Null on the second query too
                              "31", "29/02/2008 a las 23:59:59 hs.", "2047 MB"}));
}

// The first pass stops at the first read that fails; what it read before stays, and the
// architecture is read only there.
TEST(ReportOperatingSystem, SecondQueryKeepsWhatTheFirstRead) {
  struct Case {
    const char* prop;
    Variant value;
    std::size_t row;
    const char* shown;
    const char* architecture;
  };
  const Case cases[] = {
      {"Caption", Variant::Null(), 0, "Unknown", "Unknown"},
      // A version that cannot be read leaves its row without a value, never "Unknown".
      {"Version", Variant::Null(), 1, "", "Unknown"},
      {"SerialNumber", Variant::Null(), 4, "Unknown", "64-bit"},
      {"TotalVirtualMemorySize", Variant("lots"), 10, "Unknown", "64-bit"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(kOs, 0, c.prop, c.value);
    const auto values = Write(f).Values();
    EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced})) << c.prop;
    EXPECT_EQ(values.at(c.row), c.shown) << c.prop;
    EXPECT_EQ(values.at(3), c.architecture) << c.prop;
    EXPECT_EQ(values.at(6), "English - United States") << c.prop;
  }
}

TEST(ReportOperatingSystem, NothingReadShowsUnknownButTheProductKey) {
  struct Case {
    const char* machine;
    bool failAll;
    std::size_t queries;
  };
  for (const Case& c : {Case{"empty", false, 2}, Case{"", false, 0}, Case{"typical", true, 2}}) {
    AppFixture f(c.machine);
    f.wmi.FailAll(c.failAll);
    f.system.productId = ProductId();
    const auto values = Write(f).Values();
    std::vector<std::string> expected(11, "Unknown");
    expected[1] = "";  // the version and build row has no "Unknown"
    expected[5] = shell::ProductKey(f.system);
    EXPECT_EQ(values, expected) << c.machine;
    EXPECT_EQ(f.wmi.Queries().size(), c.queries) << c.machine;
  }
  // A class without items is no failure: one query, and no stale row from anywhere.
  AppFixture f;
  f.wmi.RemoveClass(kOs);
  f.wmi.AddClass(kOs);
  std::vector<std::string> expected(11, "Unknown");
  expected[1] = "";
  EXPECT_EQ(Write(f).Values(), expected);
  EXPECT_EQ(f.wmi.Queries().size(), 1u);
}

// Values that cannot be converted show "Unknown" in their own row without asking again.
TEST(ReportOperatingSystem, ValueRulesOfItsRows) {
  struct Case {
    const char* prop;
    Variant value;
    std::size_t row;
    const char* shown;
  };
  const Case cases[] = {
      {"Version", Variant("10.0.19045"), 1, "10., 9045"},
      {"Version", Variant(""), 1, ", "},
      {"ServicePackMajorVersion", Variant(0), 2, "None"},
      {"ServicePackMajorVersion", Variant("SP"), 2, "Unknown"},
      {"OSLanguage", Variant(1043), 6, "Nederlandse \u2013 Nederland"},
      {"RegisteredUser", Variant("  "), 7, "Unknown"},
      {"NumberOfProcesses", Variant(0), 8, "Unknown"},
      {"InstallDate", Variant("2013x412093015.000000+120"), 9, "Unknown"},
      {"TotalVirtualMemorySize", Variant("1023"), 10, "Unknown"},
      {"TotalVirtualMemorySize", Variant(std::int64_t{-5}), 10, "Unknown"},
      // Far beyond 32 bits: shown whole rather than wrapped or lost.
      {"TotalVirtualMemorySize", Variant("10995116277760"), 10, "10737418240 MB"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(kOs, 0, c.prop, c.value);
    EXPECT_EQ(Write(f).Values().at(c.row), c.shown) << c.prop;
    EXPECT_EQ(f.wmi.Queries().size(), 1u) << c.prop;
  }
}

}  // namespace
}  // namespace hv::report

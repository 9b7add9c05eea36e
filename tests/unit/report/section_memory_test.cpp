#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "writer_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::AppFixture;
using test_rows::Row;

constexpr const char* kRam = "Win32_PhysicalMemory";

test_rows::SectionRun Write(AppFixture& f) {
  f.App();
  f.wmi.ClearQueries();
  return test_rows::RunWriter(f, ReportMemory, 16, "5/12");
}

TEST(ReportMemory, TypicalMachine) {
  AppFixture f;
  const auto out = Write(f);
  EXPECT_EQ(out.statuses, std::vector<std::string>{"Making report, step 5/12"});
  EXPECT_EQ(out.text,
            "^aRAM^b\r\n^cType:^dDDR2^e\r\n^fChip type:^dDIMM^e\r\n^fTotal memory:^d8 GB^e\r\n"
            "^fModules installed:^d2^e\r\n^fData bus width:^d64 Bits^e\r\n"
            "^fUse:^dApplications^g\r\n");
  EXPECT_EQ(f.wmi.Queries(),
            (std::vector<std::string>{"Select MemoryType, FormFactor, Capacity, DeviceLocator, "
                                      "TotalWidth from Win32_PhysicalMemory",
                                      "Select LargeSystemCache from Win32_OperatingSystem"}));
}

// The last module that reports a property decides its row; every module adds its capacity,
// each sum rounded halves to even (1.5 KB -> 2, then 2 + 2.5 KB -> 4).
TEST(ReportMemory, ModulesThatDisagreeOrFailToReport) {
  AppFixture f("memory_disk_traps");
  EXPECT_EQ(Write(f).rows,
            (std::vector<Row>{{"Type:", "Unknown"},  // the last module's 24 is no known type
                              {"Chip type:", "SODIMM"},
                              {"Total memory:", "0 MB"},
                              // A blank locator leaves its module out; an unreadable one not.
                              {"Modules installed:", "2"},
                              {"Data bus width:", "Unknown"},  // the last module's "wide"
                              {"Use:", "System cache"}}));
}

TEST(ReportMemory, NothingReadShowsUnknownEverywhere) {
  for (const char* machine : {"empty", ""}) {
    AppFixture f(machine);
    EXPECT_EQ(Write(f).Values(), std::vector<std::string>(6, "Unknown")) << machine;
  }
  AppFixture f;
  f.wmi.RemoveClass(kRam);
  f.wmi.AddClass(kRam);
  EXPECT_EQ(Write(f).Values().at(3), "Unknown");  // no module at all, so no count of 0
}

TEST(ReportMemory, TotalMemoryRule) {
  struct Case {
    std::vector<Variant> capacities;
    const char* shown;
  };
  const std::int64_t mb = 1024 * 1024;
  const Case cases[] = {
      {{Variant(std::int64_t{512} * mb)}, "512 MB"},
      {{Variant(std::to_string(1023 * mb))}, "1023 MB"},  // not "0 GB"
      {{Variant(std::to_string(1536 * mb))}, "1 GB"},
      {{Variant(std::to_string(4096 * mb)), Variant(std::to_string(4096 * mb))}, "8 GB"},
      // Beyond what 32 bits of KB hold: 3 TB in three modules.
      {{Variant(std::to_string(1024 * 1024 * mb)), Variant(std::to_string(1024 * 1024 * mb)),
        Variant(std::to_string(1024 * 1024 * mb))},
       "3072 GB"},
      {{Variant(std::int64_t{-2} * 1024 * mb)}, "Unknown"},
      {{Variant("a lot")}, "Unknown"},
      {{Variant::Null(), Variant(std::to_string(2048 * mb))}, "2 GB"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.RemoveClass(kRam);
    for (const Variant& capacity : c.capacities)
      f.wmi.AddItem(kRam, {{"MemoryType", Variant(21)},
                           {"FormFactor", Variant(8)},
                           {"Capacity", capacity},
                           {"DeviceLocator", Variant("DIMM")},
                           {"TotalWidth", Variant(64)}});
    const auto values = Write(f).Values();
    EXPECT_EQ(values.at(2), c.shown) << c.shown;
    EXPECT_EQ(values.at(3), std::to_string(c.capacities.size())) << c.shown;
  }
}

TEST(ReportMemory, CodeTablesAndWidth) {
  struct Case {
    const char* cls;
    const char* prop;
    Variant value;
    std::size_t row;
    const char* shown;
  };
  const Case cases[] = {
      {kRam, "MemoryType", Variant(20), 0, "DDR"},
      {kRam, "MemoryType", Variant(0), 0, "Unknown"},
      {kRam, "FormFactor", Variant(12), 1, "SODIMM"},
      {kRam, "TotalWidth", Variant(72), 4, "72 Bits"},
      {kRam, "TotalWidth", Variant(0), 4, "Unknown"},
      {"Win32_OperatingSystem", "LargeSystemCache", Variant(1), 5, "System cache"},
      {"Win32_OperatingSystem", "LargeSystemCache", Variant::Null(), 5, "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(c.cls, 0, c.prop, c.value);
    if (std::string(c.cls) == kRam) f.wmi.Set(c.cls, 1, c.prop, c.value);
    EXPECT_EQ(Write(f).Values().at(c.row), c.shown) << c.prop;
  }
}

}  // namespace
}  // namespace hv::report

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/section_writers.h"
#include "section_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::Row;
using test::SectionHarness;

TEST(ReportBios, TypicalMachine) {
  SectionHarness h;
  EXPECT_EQ(h.Rows(ReportBios), (std::vector<Row>{{"Name:", "Default System BIOS"},
                                                  {"Manufacturer:", "Halden Firmware Inc."},
                                                  {"Version:", "4.6.5"},
                                                  {"Released:", "15/10/2012"},
                                                  {"Serial number:", "NV4D410-83J2K"}}));
  EXPECT_EQ(h.fx.wmi.Queries(),
            (std::vector<std::string>{"Select Name, Manufacturer, SMBIOSBIOSVersion, ReleaseDate, "
                                      "SerialNumber from Win32_BIOS"}));
}

TEST(ReportBios, ReleaseDateByTheDateRule) {
  struct Case {
    Variant date;
    const char* picture;
    const char* shown;
  };
  const Case cases[] = {
      {Variant("20121015000000.000000+000"), "M/d/yyyy", "10/15/2012"},
      {Variant("20121315000000.000000+000"), "dd/MM/yyyy", "15/01/2013"},  // month 13
      {Variant("20120300000000.000000+000"), "dd/MM/yyyy", "29/02/2012"},  // day 0
      {Variant("  20121015  "), "dd/MM/yyyy", "15/10/2012"},
      {Variant("00000000000000.000000+000"), "dd/MM/yyyy", "Unknown"},
      {Variant("2012AB15000000.000000+000"), "dd/MM/yyyy", "Unknown"},
      {Variant("2012"), "dd/MM/yyyy", "Unknown"},
      {Variant(""), "dd/MM/yyyy", "Unknown"},
      {Variant::Null(), "dd/MM/yyyy", "Unknown"},
      {Variant(20121015), "dd/MM/yyyy", "15/10/2012"},  // a number reads as its digits
  };
  for (const Case& c : cases) {
    SectionHarness h;
    h.fx.system.shortDateFormat = c.picture;
    h.fx.wmi.Set("Win32_BIOS", 0, "ReleaseDate", c.date);
    const std::vector<Row> rows = h.Rows(ReportBios);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[3], Row("Released:", c.shown)) << c.shown;
  }
}

TEST(ReportBios, OddValuesAndMissingFirmware) {
  SectionHarness odd;
  odd.fx.wmi.Set("Win32_BIOS", 0, "Name", Variant(42));
  odd.fx.wmi.Set("Win32_BIOS", 0, "Manufacturer", Variant::Null());
  odd.fx.wmi.Set("Win32_BIOS", 0, "SMBIOSBIOSVersion", Variant(std::vector<Variant>{"A", "B"}));
  odd.fx.wmi.Set("Win32_BIOS", 0, "SerialNumber", Variant("   "));
  odd.fx.wmi.AddItem("Win32_BIOS", {{"Name", Variant("Second")}});
  EXPECT_EQ(odd.Rows(ReportBios), (std::vector<Row>{{"Name:", "42"},
                                                    {"Manufacturer:", "Unknown"},
                                                    {"Version:", "Unknown"},
                                                    {"Released:", "15/10/2012"},
                                                    {"Serial number:", "Unknown"}}));

  for (const char* machine : {"empty", ""}) {
    SectionHarness h(machine);
    for (std::size_t i = 1; i <= 5; ++i) h.fx.App().sectionValues[i] = "20121015 stale";
    for (const Row& r : h.Rows(ReportBios)) EXPECT_EQ(r.second, "Unknown") << r.first;
  }
}

}  // namespace
}  // namespace hv::report

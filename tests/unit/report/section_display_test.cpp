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

constexpr const char* kController = "Win32_VideoController";

TEST(ReportDisplay, TypicalMachineLeavesTheCardForTheNextSection) {
  SectionHarness h;
  EXPECT_EQ(h.Rows(ReportDisplay),
            (std::vector<Row>{{"Display name:", "Generic PnP Monitor"},
                              {"Manufacturer:", "(Standard monitor types)"},
                              {"Current configuration:", "1920 x 1080 pixels, 32 bits, 60 Hz"},
                              {"Update rate minimum and maximum:", "50 Hz - 75 Hz"}}));
  EXPECT_EQ(h.memoryAfter, 1024);
  const auto& slots = h.fx.App().sectionValues;
  EXPECT_EQ(slots[6], "Norvik Graphics 7600 Series");
  EXPECT_EQ(slots[10], "20131105000000.000000-000");
  EXPECT_EQ(h.fx.wmi.Queries().size(), 2u);
}

TEST(ReportDisplay, UpdateRates) {
  struct Case {
    Variant minimum, maximum;
    Row row;
  };
  const char* maxCaption = "Maximum update rate:";
  const char* minCaption = "Minimum update rate:";
  const char* bothCaption = "Update rate minimum and maximum:";
  const Case cases[] = {
      {Variant(60), Variant(60), {maxCaption, "60 Hz"}},
      {Variant(56), Variant(75), {bothCaption, "56 Hz - 75 Hz"}},
      {Variant(0), Variant(75), {maxCaption, "75 Hz"}},
      {Variant::Null(), Variant(75), {maxCaption, "75 Hz"}},
      {Variant(56), Variant(0), {minCaption, "56 Hz"}},
      {Variant(56), Variant(""), {minCaption, "56 Hz"}},
      {Variant(0), Variant(0), {bothCaption, "Unknown"}},
      {Variant("fast"), Variant("slow"), {bothCaption, "Unknown"}},
  };
  for (const Case& c : cases) {
    SectionHarness h;
    h.fx.wmi.Set(kController, 0, "MinRefreshRate", c.minimum);
    h.fx.wmi.Set(kController, 0, "MaxRefreshRate", c.maximum);
    const std::vector<Row> rows = h.Rows(ReportDisplay);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3], c.row) << c.row.second;
  }
}

TEST(ReportDisplay, ConfigurationNeedsFourNonZeroNumbers) {
  struct Case {
    const char* property;
    Variant value;
    const char* shown;
  };
  const Case cases[] = {
      {"CurrentBitsPerPixel", Variant(16), "1920 x 1080 pixels, 16 bits, 60 Hz"},
      {"CurrentRefreshRate", Variant(0), "Unknown"},
      {"CurrentBitsPerPixel", Variant::Null(), "Unknown"},
      {"CurrentHorizontalResolution", Variant(0), "Unknown"},
      {"CurrentVerticalResolution", Variant(""), "Unknown"},
      {"CurrentRefreshRate", Variant("fast"), "Unknown"},
  };
  for (const Case& c : cases) {
    SectionHarness h;
    h.fx.wmi.Set(kController, 0, c.property, c.value);
    EXPECT_EQ(h.Rows(ReportDisplay)[2], Row("Current configuration:", c.shown)) << c.property;
  }
}

TEST(ReportDisplay, OnlyTheFirstMonitorAndAdapterCount) {
  SectionHarness h;
  h.fx.wmi.AddItem("Win32_DesktopMonitor", {{"Name", Variant("Second Monitor")}});
  h.fx.wmi.AddItem(kController, {{"Name", Variant("Second Card")}, {"AdapterRAM", Variant(7)}});
  EXPECT_EQ(h.Rows(ReportDisplay)[0].second, "Generic PnP Monitor");
  EXPECT_EQ(h.fx.App().sectionValues[6], "Norvik Graphics 7600 Series");
  EXPECT_EQ(h.memoryAfter, 1024);
}

TEST(ReportDisplay, NoControllerLeavesNothingFromBefore) {
  for (const char* machine : {"typical", "empty", ""}) {
    SectionHarness h(machine);
    if (std::string(machine) == "typical") h.fx.wmi.RemoveClass(kController);
    for (std::size_t i = 1; i <= 10; ++i) h.fx.App().sectionValues[i] = "stale";
    h.memoryBefore = 512;
    const std::vector<Row> rows = h.Rows(ReportDisplay);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], Row("Current configuration:", "Unknown")) << machine;
    EXPECT_EQ(rows[3], Row("Update rate minimum and maximum:", "Unknown")) << machine;
    EXPECT_EQ(h.memoryAfter, 0) << machine;
    const auto& slots = h.fx.App().sectionValues;
    EXPECT_EQ(slots[4], "0");
    EXPECT_EQ(slots[5], "0");
    for (std::size_t i = 6; i <= 10; ++i) EXPECT_EQ(slots[i], "") << machine << i;
  }
}

}  // namespace
}  // namespace hv::report

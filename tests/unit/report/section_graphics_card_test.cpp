#include <gtest/gtest.h>

#include <cstdint>
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

std::vector<Row> CardRows(SectionHarness& h) {
  h.Rows(ReportDisplay);
  h.memoryBefore = h.memoryAfter;
  h.texts.Tb.Clear();
  h.fx.wmi.ClearQueries();
  std::vector<Row> rows = h.Rows(ReportGraphicsCard);
  EXPECT_TRUE(h.fx.wmi.Queries().empty());  // it reads what the Display section left
  return rows;
}

TEST(ReportGraphicsCard, TypicalMachine) {
  SectionHarness h;
  EXPECT_EQ(CardRows(h), (std::vector<Row>{{"Graphics card name:", "Norvik Graphics 7600 Series"},
                                           {"Memory size:", "1 GB"},
                                           {"Memory type:", "Integrated RAMDAC"},
                                           {"Driver name:", "nrvd3d.dll,nrvgl.dll"},
                                           {"Driver version:", "9.18.13.3182"},
                                           {"Driver date:", "05/11/2013"}}));
}

TEST(ReportGraphicsCard, MemoryReadAsUnsignedInMbOrGb) {
  struct Case {
    Variant adapterRam;
    const char* shown;
  };
  constexpr std::int32_t kMiB = 1024 * 1024;
  const Case cases[] = {
      {Variant(512 * kMiB), "512 MB"},
      {Variant(1024 * kMiB), "1 GB"},
      {Variant(1536 * kMiB), "1 GB"},
      {Variant(1000 * kMiB), "1000 MB"},  // below 1024 MB stays in MB
      {Variant(kMiB - 1), "Unknown"},
      {Variant(0), "Unknown"},
      // 2 GB and more arrive as negative 32-bit numbers.
      {Variant(std::int32_t{-2147483647 - 1}), "2 GB"},
      {Variant(-1), "3 GB"},
      {Variant("268435456"), "256 MB"},
      {Variant("lots"), "Unknown"},
      {Variant(1e12), "Unknown"},
      {Variant::Null(), "Unknown"},
  };
  for (const Case& c : cases) {
    SectionHarness h;
    h.fx.wmi.Set(kController, 0, "AdapterRAM", c.adapterRam);
    EXPECT_EQ(CardRows(h)[1], Row("Memory size:", c.shown)) << c.shown;
  }
}

TEST(ReportGraphicsCard, DriverDateByTheDateRule) {
  struct Case {
    Variant date;
    const char* shown;
  };
  const Case cases[] = {{Variant("20131305000000.000000-000"), "05/01/2014"},
                        {Variant("2013"), "Unknown"},
                        {Variant("X0131105"), "Unknown"},
                        {Variant::Null(), "Unknown"}};
  for (const Case& c : cases) {
    SectionHarness h;
    h.fx.wmi.Set(kController, 0, "DriverDate", c.date);
    EXPECT_EQ(CardRows(h)[5], Row("Driver date:", c.shown)) << c.shown;
  }
}

TEST(ReportGraphicsCard, NoControllerShowsUnknownEverywhere) {
  for (const char* machine : {"empty", ""}) {
    SectionHarness h(machine);
    for (const Row& r : CardRows(h)) EXPECT_EQ(r.second, "Unknown") << machine << r.first;
  }
}

}  // namespace
}  // namespace hv::report

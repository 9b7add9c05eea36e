// The Operating system and Processor pages and their report sections read WMI through one
// reader each, but ask again by their own rules: the report only when its first query
// failed, the page also when a value of the first pass cannot be converted, and the page
// alone reads the free virtual memory, so only there can it fail the first pass.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "report/section_writers.h"
#include "writer_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr const char* kOs = "Win32_OperatingSystem";
constexpr const char* kCpu = "Win32_Processor";

TEST(SystemReaders, PageAndReportAskAgainByTheirOwnRules) {
  struct Case {
    const char* cls;
    const char* prop;
    Variant value;
    std::size_t pageQueries, reportQueries;
  };
  const Case cases[] = {
      {kOs, "FreeVirtualMemory", Variant::Null(), 2, 1},
      {kOs, "TotalVirtualMemorySize", Variant::Null(), 2, 2},
      {kOs, "ServicePackMajorVersion", Variant("SP"), 2, 1},
      {kOs, "InstallDate", Variant("2013x412093015.000000+120"), 2, 1},
      {kOs, "Caption", Variant("Windows"), 1, 1},
      {kCpu, "Architecture", Variant("x64"), 2, 1},
      {kCpu, "L2CacheSize", Variant("big"), 2, 1},
      {kCpu, "L3CacheSize", Variant::Null(), 2, 2},
      {kCpu, "L3CacheSize", Variant(8), 1, 1},
  };
  for (const Case& c : cases) {
    const bool os = c.cls == kOs;
    AppFixture f;
    f.wmi.Set(c.cls, 0, c.prop, c.value);
    f.StartOn(os ? 4 : 5, true);
    EXPECT_EQ(f.wmi.CountQueries(c.cls), c.pageQueries) << c.prop;
    f.wmi.ClearQueries();
    if (os)
      test_rows::RunWriter(f, ReportOperatingSystem, 14, "3/12");
    else
      test_rows::RunWriter(f, ReportProcessor, 15, "4/12");
    EXPECT_EQ(f.wmi.CountQueries(c.cls), c.reportQueries) << c.prop;
  }
}

}  // namespace
}  // namespace hv::report

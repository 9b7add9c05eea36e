#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "account_computer_run.h"
#include "shell/app.h"

namespace hv::report {
namespace {

using first_sections::Computer;
using platform::Variant;
using test::AppFixture;
using Values = std::vector<std::string>;

constexpr const char* kClass = "Win32_ComputerSystem";

TEST(ReportComputer, TypicalMachineWritesTheFirstComputerSystem) {
  AppFixture fx;
  // A second item is never read.
  fx.wmi.AddItem(kClass, {{"Name", Variant("OTHER")}, {"Manufacturer", Variant("Other")}});
  const auto w = Computer(fx);
  EXPECT_EQ(w.statuses, Values{"Making report, step 2/12"});
  EXPECT_TRUE(w.text.starts_with("^aComputer^b\r\n^cManufacturer:^dNorvik Systems^e\r\n"));
  EXPECT_TRUE(w.text.ends_with("^fWorkgroup:^dWorkgroup^g\r\n")) << w.text;
  EXPECT_EQ(w.captions, (Values{"Manufacturer:", "Model:", "Type:", "Auto restart option:",
                                "OS startup delay:", "Workgroup:"}));
  EXPECT_EQ(w.values, (Values{"Norvik Systems", "Norvik D410", "x64-based PC", "On", "30 second/s",
                              "Workgroup"}));
  EXPECT_EQ(fx.wmi.CountQueries(kClass), 1u);
}

TEST(ReportComputer, SparseOddAndMissingMachines) {
  struct Case {
    const char* machine;
    Values values;
  };
  const Case cases[] = {
      // Blank manufacturer, Null model, an option as a word, a delay shown as it comes.
      {"legacy_traps", {"Unknown", "Unknown", "X86-based PC", "Unknown", "-1 second/s", "Mshome"}},
      {"empty", Values(6, "Unknown")},
      {"", Values(6, "Unknown")},
  };
  for (const Case& c : cases) {
    AppFixture fx(c.machine);
    EXPECT_EQ(Computer(fx).values, c.values) << c.machine;
  }
  // An item with no properties at all but its key.
  AppFixture fx("empty");
  fx.wmi.AddItem(kClass, {{"Name", Variant("BARE")}});
  EXPECT_EQ(Computer(fx).values, Values(6, "Unknown"));
}

TEST(ReportComputer, AutoRestartDelayAndWorkgroupRules) {
  struct Case {
    const char* prop;
    Variant value;
    std::size_t row;
    const char* shown;
  };
  const Case cases[] = {
      {"AutomaticResetBootOption", Variant(false), 4, "Off"},
      {"AutomaticResetBootOption", Variant::Null(), 4, "Unknown"},
      {"AutomaticResetBootOption", Variant("yes"), 4, "Unknown"},
      // Read back as a truth value: a number or a word in any case is one.
      {"AutomaticResetBootOption", Variant("false"), 4, "Off"},
      {"AutomaticResetBootOption", Variant(1), 4, "On"},
      {"SystemStartupDelay", Variant(0), 5, "0 second/s"},
      {"SystemStartupDelay", Variant::Null(), 5, "Unknown"},
      {"SystemStartupDelay", Variant(" "), 5, "Unknown"},
      {"SystemStartupDelay", Variant("(#)"), 5, "(#) second/s"},  // filled once, not again
      {"Domain", Variant("w"), 6, "W"},
      {"Domain", Variant("hq.NORVIK.example"), 6, "Hq.norvik.example"},
      {"Domain", Variant("\xC3\x89QUIPE"), 6, "\xC3\x89quipe"},  // Latin-1 letters too
      {"Model", Variant("D410 \xE2\x84\xA2"), 2, "D410 \xE2\x84\xA2"},
  };
  for (const Case& c : cases) {
    AppFixture fx;
    fx.wmi.Set(kClass, 0, c.prop, c.value);
    const auto w = Computer(fx);
    ASSERT_EQ(w.values.size(), 6u) << c.prop;
    EXPECT_EQ(w.values[c.row - 1], c.shown) << c.prop;
    // Every other row keeps the typical machine's value.
    EXPECT_EQ(w.values[0], c.row == 1 ? c.shown : "Norvik Systems") << c.prop;
  }
}

TEST(ReportComputer, EmptiesItsSlotsFirstSoNothingStaleShows) {
  AppFixture fx("empty");
  fx.App().sectionValues.fill("stale");
  EXPECT_EQ(Computer(fx).values, Values(6, "Unknown"));
  for (std::size_t i = 1; i <= 6; ++i) EXPECT_EQ(fx.App().sectionValues[i], "") << i;
  EXPECT_EQ(fx.App().sectionValues[7], "stale");  // not its slot
}

}  // namespace
}  // namespace hv::report

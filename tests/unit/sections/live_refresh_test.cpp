// The one-second refresh, tick by tick on the headless backend.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/report_window.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

class LiveRefresh : public ::testing::Test {
 protected:
  shell::MainWindow& Show(int page) {
    shell::MainWindow& w = f.Start();
    w.LMenu_MouseDown(page, 1, 0, 0, 0);
    f.wmi.ClearQueries();
    return w;
  }
  void Tick() { f.backend.Tick(*f.Main().Timer1); }
  std::vector<std::string> Values() const {
    std::vector<std::string> v;
    for (int row = 1; row <= 12; ++row) v.push_back(main().L[row]->Caption());
    return v;
  }
  const shell::MainWindow& main() const { return const_cast<AppFixture&>(f).Main(); }
  void SetOs(const char* prop, Variant v) { f.wmi.Set("Win32_OperatingSystem", 0, prop, v); }

  AppFixture f;
};

TEST_F(LiveRefresh, RamPageRewritesRowsFourAndFiveFromOneQueryWithoutRepaintingTheWindow) {
  shell::MainWindow& w = Show(6);
  ASSERT_TRUE(w.Timer1->Enabled());
  EXPECT_EQ(w.Timer1->Interval(), 1000);
  const int repaints = f.backend.Record(w.form).repaints;
  SetOs("FreePhysicalMemory", Variant("2097152"));
  Tick();
  EXPECT_EQ(w.L[4]->Caption(), "6144 MB (75%)");
  EXPECT_EQ(w.L[5]->Caption(), "2048 MB (25%)");
  EXPECT_EQ(w.L[5]->ToolTipText(), "2048 MB (25%)");
  EXPECT_EQ(f.wmi.Queries(),
            std::vector<std::string>{"Select FreePhysicalMemory from Win32_OperatingSystem"});
  EXPECT_EQ(f.backend.Record(w.form).repaints, repaints);

  // A steady reading touches no label at all.
  const std::size_t invalidated = f.backend.Record(w.form).invalidated.size();
  Tick();
  Tick();
  EXPECT_EQ(f.backend.Record(w.form).invalidated.size(), invalidated);
  EXPECT_EQ(f.wmi.Queries().size(), 3u);
  EXPECT_TRUE(w.Timer1->Enabled());

  // A lost reading shows Unknown, and the refresh goes on.
  f.wmi.FailAll(true);
  Tick();
  EXPECT_EQ(w.L[4]->Caption(), "Unknown");
  EXPECT_EQ(w.L[5]->Caption(), "Unknown");
  EXPECT_TRUE(w.Timer1->Enabled());
}

TEST_F(LiveRefresh, RamTotalSurvivesAReport) {
  shell::MainWindow& w = Show(6);
  f.App().look.transOn = false;
  f.backend.modalDriver = [this](tk::Form&) {
    report::ReportWindow& r = *f.App().reportWindow;
    f.backend.Tick(*r.Descargador);
    // Whatever the report's sections leave in the shared scratch numbers.
    f.App().scratchNumber1 = 123;
    f.App().scratchNumber2 = -7;
    r.BClose->onClick();
  };
  w.CrearInforme_Click();
  ASSERT_TRUE(w.Timer1->Enabled());
  SetOs("FreePhysicalMemory", Variant("4194304"));
  Tick();
  EXPECT_EQ(w.L[4]->Caption(), "4096 MB (50%)");
  EXPECT_EQ(w.L[5]->Caption(), "4096 MB (50%)");
}

TEST_F(LiveRefresh, AnyOtherPageSwitchesItOffAtTheNextTickAndKeepsItsRows) {
  for (int page : {1, 3, 5, 7, 8, 9, 10, 11, 12}) {
    AppFixture g;
    shell::MainWindow& w = g.Start();
    w.LMenu_MouseDown(6, 1, 0, 0, 0);
    w.LMenu_MouseDown(page, 1, 0, 0, 0);
    std::vector<std::string> rows;
    for (int row = 1; row <= 12; ++row) rows.push_back(w.L[row]->Caption());
    g.wmi.ClearQueries();
    // As after a report closed while this page was shown.
    w.Timer1->SetEnabled(true);
    g.backend.Tick(*w.Timer1);
    EXPECT_FALSE(w.Timer1->Enabled()) << page;
    EXPECT_TRUE(g.wmi.Queries().empty()) << page;
    for (int row = 1; row <= 12; ++row)
      EXPECT_EQ(w.L[row]->Caption(), rows[static_cast<std::size_t>(row - 1)]) << page;
  }
}

TEST_F(LiveRefresh, UserAccountUsageTime) {
  shell::MainWindow& w = Show(2);
  ASSERT_TRUE(w.Timer1->Enabled());
  f.system.tickCount64 = 3'600'000 + 5'000;
  Tick();
  EXPECT_EQ(w.L[9]->Caption(), "01:00:05 hs.");
  EXPECT_EQ(w.L[9]->ToolTipText(), "01:00:05 hs.");
  f.system.tickCount64 = 49ull * 86'400'000 + 1000;  // every day counts in the hours
  Tick();
  EXPECT_EQ(w.L[9]->Caption(), "1176:00:01 hs.");
  EXPECT_TRUE(f.wmi.Queries().empty());
  EXPECT_TRUE(w.Timer1->Enabled());
}

TEST_F(LiveRefresh, OperatingSystemProcessesAndVirtualMemory) {
  struct Case {
    Variant total, free, processes;
    const char *processText, *caption, *value;
  };
  const char* inUse = "Virtual memory in use: ";
  const char* total = "Total virtual memory: ";
  const Case cases[] = {
      {Variant("8388608"), Variant("5316608"), Variant(74), "74", inUse,
       "3000 MB (36%) / 8192 MB (100%)"},
      {Variant("8388608"), Variant("8388608"), Variant(1), "1", total, "8192 MB"},
      {Variant("8388608"), Variant("0"), Variant(0), "Unknown", total, "8192 MB"},
      {Variant("0"), Variant("0"), Variant("many"), "Unknown", inUse, "Unknown"},
      {Variant::Null(), Variant::Null(), Variant::Null(), "Unknown", inUse, "Unknown"},
      // Past 32 bits: 64 TB of virtual memory, half of it in use.
      {Variant("68719476736"), Variant("34359738368"), Variant(2), "2", inUse,
       "33554432 MB (50%) / 67108864 MB (100%)"},
  };
  for (const Case& c : cases) {
    AppFixture g;
    shell::MainWindow& w = g.Start();
    w.LMenu_MouseDown(4, 1, 0, 0, 0);
    g.wmi.ClearQueries();
    g.wmi.Set("Win32_OperatingSystem", 0, "TotalVirtualMemorySize", c.total);
    g.wmi.Set("Win32_OperatingSystem", 0, "FreeVirtualMemory", c.free);
    g.wmi.Set("Win32_OperatingSystem", 0, "NumberOfProcesses", c.processes);
    g.backend.Tick(*w.Timer1);
    EXPECT_EQ(w.L[9]->Caption(), c.processText) << c.value;
    EXPECT_EQ(w.LT[11]->Caption(), c.caption) << c.value;
    EXPECT_EQ(w.L[11]->Caption(), c.value);
    for (int row : {9, 11}) {
      EXPECT_EQ(w.L[row]->Left(), w.LT[row]->Left() + w.LT[row]->Width()) << c.value;
      EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption());
    }
    EXPECT_EQ(g.wmi.Queries(),
              std::vector<std::string>{"Select FreeVirtualMemory, NumberOfProcesses, "
                                       "TotalVirtualMemorySize from Win32_OperatingSystem"});
  }
}

TEST_F(LiveRefresh, Battery) {
  struct Case {
    Variant voltage, charge, runTime;
    std::vector<std::string> rows;  // 10 to 12
    bool keepsRunning;
  };
  const Case cases[] = {
      {Variant(12600), Variant(87), Variant(135), {"~ 12.6 V", "87%", "02:15 hs."}, true},
      {Variant(11250), Variant(" 5 "), Variant("0"), {"~ 11.2 V", "5%", "00:00 hs."}, true},
      {Variant("x"), Variant::Null(), Variant(1966080), {"Unknown", "Unknown", "Unknown"}, true},
      {Variant::Null(), Variant::Null(), Variant::Null(), {"Unknown", "Unknown", "Unknown"}, false},
  };
  for (const Case& c : cases) {
    AppFixture g;
    g.wmi.AddItem("Win32_Battery", {{"DeviceID", Variant("BAT0")},
                                    {"Name", Variant("Cell")},
                                    {"DesignVoltage", c.voltage},
                                    {"EstimatedChargeRemaining", c.charge},
                                    {"EstimatedRunTime", c.runTime}});
    shell::MainWindow& w = g.Start();
    w.LMenu_MouseDown(13, 1, 0, 0, 0);
    ASSERT_TRUE(w.Timer1->Enabled());
    for (int row = 10; row <= 12; ++row) w.L[row]->SetCaption("stale");
    g.backend.Tick(*w.Timer1);
    EXPECT_EQ(
        (std::vector<std::string>{w.L[10]->Caption(), w.L[11]->Caption(), w.L[12]->Caption()}),
        c.rows);
    EXPECT_EQ(w.L[12]->ToolTipText(), w.L[12]->Caption());
    EXPECT_EQ(w.Timer1->Enabled(), c.keepsRunning) << c.rows[0];
  }
}

TEST_F(LiveRefresh, NoBatteryAndNoWmiStopAfterOneTick) {
  for (const char* machine : {"typical", ""}) {
    AppFixture g(machine);
    shell::MainWindow& w = g.Start();
    w.LMenu_MouseDown(13, 1, 0, 0, 0);
    g.backend.Tick(*w.Timer1);
    EXPECT_EQ(w.L[10]->Caption(), "Unknown") << machine;
    EXPECT_EQ(w.L[12]->Caption(), "Unknown") << machine;
    EXPECT_FALSE(w.Timer1->Enabled()) << machine;
  }
}

TEST_F(LiveRefresh, RowsThatNoPageLaidOutAreLeftAlone) {
  // A live page whose rows are blank, as after the page area was cleared.
  for (int page : {2, 4, 6, 13}) {
    AppFixture g;
    shell::MainWindow& w = g.Start();
    for (int row = 1; row <= 12; ++row) {
      w.LT[row]->SetCaption("");
      w.L[row]->SetCaption("");
    }
    w.CurrentSection = static_cast<std::uint8_t>(page);
    g.wmi.ClearQueries();
    w.Timer1->SetEnabled(true);
    g.backend.Tick(*w.Timer1);
    EXPECT_FALSE(w.Timer1->Enabled()) << page;
    EXPECT_TRUE(g.wmi.Queries().empty()) << page;
    for (int row = 1; row <= 12; ++row) EXPECT_EQ(w.L[row]->Caption(), "") << page;
  }
}

TEST_F(LiveRefresh, RunsOnTheVirtualClockOncePerSecond) {
  shell::MainWindow& w = Show(6);
  f.backend.AdvanceMs(999);
  EXPECT_EQ(f.wmi.CountQueries("FreePhysicalMemory"), 0u);
  f.backend.AdvanceMs(4001);
  EXPECT_EQ(f.wmi.CountQueries("FreePhysicalMemory"), 5u);
  w.LMenu_MouseDown(8, 1, 0, 0, 0);
  f.wmi.ClearQueries();
  f.backend.AdvanceMs(10000);
  EXPECT_FALSE(w.Timer1->Enabled());
  EXPECT_EQ(f.wmi.CountQueries("Win32_OperatingSystem"), 0u);
}

}  // namespace
}  // namespace hv::sections

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sections/pages.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kProcessor = 5;
constexpr const char* kCpu = "Win32_Processor";
constexpr const char* kFull =
    "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, L3CacheSize, Manufacturer, "
    "MaxClockSpeed, Name, SocketDesignation from Win32_Processor";
constexpr const char* kReduced =
    "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, Manufacturer, "
    "MaxClockSpeed, Name, SocketDesignation from Win32_Processor";

TEST(Processor, TypicalMachineInOneQuery) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kProcessor, true);
  EXPECT_EQ(w.Titulo->Caption(), "Processor");
  const std::vector<std::string> captions = {"Name: ",
                                             "Current/Maximum speed: ",
                                             "Number of cores: ",
                                             "Manufacturer: ",
                                             "Type: ",
                                             "Socket: ",
                                             "Architecture: ",
                                             "L2 cache size: ",
                                             "L3 cache size: ",
                                             "",
                                             "",
                                             ""};
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << i;
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Tarsel(R) Core(TM) T7-4700 CPU @ 2.40GHz",
                                      "2394 Mhz (99%) / 2400 Mhz (100%)", "8", "GenuineTarsel",
                                      "Intel64 Family 6 Model 60 Stepping 3", "CPU Socket - U3E1",
                                      "x64", "1 MB", "6 MB", "", "", ""}));
  for (int row = 1; row <= 9; ++row) {
    EXPECT_EQ(w.L[row]->Left(), w.LT[row]->Left() + w.LT[row]->Width()) << row;
    EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption()) << row;
  }
  for (int row : {3, 4, 5}) EXPECT_EQ(w.LT[row]->ToolTipText(), "") << row;
  EXPECT_EQ(f.wmi.Queries(), std::vector<std::string>{kFull});
  EXPECT_FALSE(w.Timer1->Enabled());
}

TEST(Processor, WithoutLevelThreeCacheRetriesOnce) {
  AppFixture f("legacy_traps");
  f.system.processorCount = 1;
  shell::MainWindow& w = f.StartOn(kProcessor, true);
  EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced}));
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{
                "Tarsel(R) Pentium(R) 4 CPU 3.00GHz",
                "3000 Mhz",  // 2999.5 rounds to even: the maximum, given as text
                "1", "GenuineTarsel", "x86 Family 15 Model 4 Stepping 1", "Socket 478",
                "x86",    // 0.0 as a double
                "12 MB",  // five digits still make a size
                "Unknown", "", "", ""}));
  EXPECT_EQ(w.LT[2]->Caption(), "Speed: ");
}

// What the first pass read before it failed stays; the level-3 cache is read only there.
TEST(Processor, RetryKeepsWhatTheFirstPassRead) {
  struct Case {
    const char* prop;
    Variant value;
    int row;
    const char* shown;
    const char* l3;
  };
  const Case cases[] = {
      {"Name", Variant::Null(), 1, "Unknown", "Unknown"},  // fails before the cache is read
      {"Architecture", Variant("x64"), 7, "Unknown", "6 MB"},
      {"Architecture", Variant(""), 7, "Unknown", "6 MB"},
      {"L2CacheSize", Variant("big"), 8, "Unknown", "6 MB"},
      {"L3CacheSize", Variant::Null(), 9, "Unknown", "Unknown"},
      {"CurrentClockSpeed", Variant("9999999999"), 2, "2400 Mhz", "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(kCpu, 0, c.prop, c.value);
    shell::MainWindow& w = f.StartOn(kProcessor, true);
    EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced})) << c.prop;
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.prop;
    EXPECT_EQ(w.L[9]->Caption(), c.l3) << c.prop;
    EXPECT_EQ(w.L[6]->Caption(), "CPU Socket - U3E1") << c.prop;
  }
}

TEST(Processor, NothingToReadShowsUnknownEverywhere) {
  for (const char* machine : {"empty", ""}) {
    AppFixture f(machine);
    f.system.processorCount = 0;
    shell::MainWindow& w = f.Start();
    w.LMenu_MouseDown(kProcessor, 1, 0, 0, 0);
    std::vector<std::string> expected(9, "Unknown");
    expected.insert(expected.end(), {"", "", ""});
    EXPECT_EQ(AppFixture::RowValues(w), expected) << machine;
    // No maximum speed: the caption of a speed alone, not what the previous page left.
    EXPECT_EQ(w.LT[2]->Caption(), "Speed: ") << machine;
    EXPECT_EQ(w.Labelmi->Caption(), "Done") << machine;
  }
}

TEST(Processor, SpeedRule) {
  struct Case {
    Variant current, maximum;
    const char* caption;
    const char* shown;
  };
  const Case cases[] = {
      {Variant(1600), Variant(3200), "Current/Maximum speed: ", "1600 Mhz (50%) / 3200 Mhz (100%)"},
      {Variant(2999), Variant(3000), "Current/Maximum speed: ", "2999 Mhz (99%) / 3000 Mhz (100%)"},
      {Variant(1), Variant(2147483647),
       "Current/Maximum speed: ", "1 Mhz (0%) / 2147483647 Mhz (100%)"},
      {Variant(3200), Variant(3200), "Speed: ", "3200 Mhz"},
      {Variant(3300), Variant(3200), "Speed: ", "3200 Mhz"},
      {Variant(0), Variant(3200), "Speed: ", "3200 Mhz"},
      {Variant(-100), Variant(3200), "Speed: ", "3200 Mhz"},
      {Variant(1600), Variant(0), "Speed: ", "Unknown"},
      {Variant(1600), Variant(-1), "Speed: ", "Unknown"},
  };
  AppFixture f;
  shell::MainWindow& w = f.Start();
  for (const Case& c : cases) {
    f.wmi.Set(kCpu, 0, "CurrentClockSpeed", c.current);
    f.wmi.Set(kCpu, 0, "MaxClockSpeed", c.maximum);
    w.LMenu_MouseDown(1, 1, 0, 0, 0);  // the Summary leaves its own caption in row 2
    w.LMenu_MouseDown(kProcessor, 1, 0, 0, 0);
    EXPECT_EQ(w.LT[2]->Caption(), c.caption) << c.shown;
    EXPECT_EQ(w.L[2]->Caption(), c.shown);
    EXPECT_EQ(w.L[2]->ToolTipText(), c.shown);
  }
}

TEST(Processor, CodesCachesAndCount) {
  struct Case {
    const char* prop;
    Variant value;
    int row;
    const char* shown;
  };
  const Case cases[] = {
      {"Architecture", Variant(0), 7, "x86"},
      {"Architecture", Variant(6), 7, "Unknown"},
      {"Architecture", Variant(-1), 7, "Unknown"},
      {"L2CacheSize", Variant(256), 8, "256 KB"},
      {"L2CacheSize", Variant(64), 8, "64 KB"},
      {"L2CacheSize", Variant(1536), 8, "1 MB"},
      {"L2CacheSize", Variant(0), 8, "Unknown"},
      {"L3CacheSize", Variant(12288), 9, "12 MB"},
      {"L3CacheSize", Variant(-512), 9, "Unknown"},
      // One digit is no size: neither "8 KB" nor a retry.
      {"L2CacheSize", Variant(8), 8, "Unknown"},
      {"L3CacheSize", Variant(4), 9, "Unknown"},
      {"L2CacheSize", Variant(12), 8, "12 KB"},
      {"L3CacheSize", Variant(24576), 9, "24 MB"},
  };
  AppFixture f;
  shell::MainWindow& w = f.Start();
  for (const Case& c : cases) {
    f.wmi.Set(kCpu, 0, c.prop, c.value);
    w.LMenu_MouseDown(kProcessor, 1, 0, 0, 0);
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.prop;
  }
  for (const auto& [count, shown] : {std::pair{1, "1"}, {0, "Unknown"}, {-3, "Unknown"}}) {
    f.system.processorCount = count;
    w.LMenu_MouseDown(kProcessor, 1, 0, 0, 0);
    EXPECT_EQ(w.L[3]->Caption(), shown) << count;
  }
}

TEST(Processor, ReloadKeepsTheStatusAndLine2ButHidesTheRest) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kProcessor, true);
  for (tk::Control* c :
       std::initializer_list<tk::Control*>{w.Line1, w.Line2, w.Iaviso, w.Laviso, w.LNoDrive})
    c->SetVisible(true);
  sections::ShowSection(f.App(), kProcessor);
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_TRUE(w.Line2->Visible());
  for (const tk::Control* c :
       std::initializer_list<const tk::Control*>{w.Line1, w.Iaviso, w.Laviso, w.LNoDrive})
    EXPECT_FALSE(c->Visible());
}

}  // namespace
}  // namespace hv::sections

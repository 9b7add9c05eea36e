#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sections/pages.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

shell::MainWindow& ShowRam(AppFixture& f) {
  shell::MainWindow& w = f.Start();
  w.LMenu_MouseDown(6, 1, 0, 0, 0);
  return w;
}

std::vector<std::string> Values(const shell::MainWindow& w, int last = 8) {
  std::vector<std::string> v;
  for (int row = 1; row <= last; ++row) v.push_back(w.L[row]->Caption());
  return v;
}

// Each module of the given capacity in bytes, as WMI hands a uint64 over.
void SetModules(AppFixture& f, const std::vector<std::int64_t>& bytes) {
  f.wmi.RemoveClass("Win32_PhysicalMemory");
  f.wmi.AddClass("Win32_PhysicalMemory");
  for (std::int64_t b : bytes)
    f.wmi.AddItem("Win32_PhysicalMemory", {{"Capacity", Variant(std::to_string(b))},
                                           {"MemoryType", Variant(21)},
                                           {"FormFactor", Variant(8)},
                                           {"DeviceLocator", Variant("DIMM")},
                                           {"TotalWidth", Variant(64)}});
}

TEST(RamPage, TypicalMachine) {
  AppFixture f;
  shell::MainWindow& w = ShowRam(f);
  EXPECT_EQ(w.CurrentSection, 6);
  EXPECT_EQ(w.Titulo->Caption(), "RAM");
  EXPECT_EQ(Values(w, 12),
            (std::vector<std::string>{"DDR2", "DIMM", "8 GB", "3072 MB (38%)", "5120 MB (62%)", "2",
                                      "64 Bits", "Applications", "", "", "", ""}));
  const std::vector<std::string> captions = {"Type: ",
                                             "Chip type: ",
                                             "Total memory: ",
                                             "Memory in use: ",
                                             "Available memory: ",
                                             "Modules installed: ",
                                             "Data bus width: ",
                                             "Use: "};
  for (int row = 1; row <= 8; ++row) {
    EXPECT_EQ(w.LT[row]->Caption(), captions[static_cast<std::size_t>(row - 1)]);
    EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption());
    EXPECT_EQ(w.L[row]->Left(), w.LT[row]->Left() + w.LT[row]->Width()) << row;
  }
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(w.LT[row]->ToolTipText(), "");
  for (int row = 9; row <= 12; ++row) EXPECT_EQ(w.LT[row]->Caption(), "");
  EXPECT_EQ(w.RamTotalKb, 8388608);
  EXPECT_TRUE(w.Timer1->Enabled());
  EXPECT_FALSE(w.Line1->Visible());
  EXPECT_FALSE(w.Line2->Visible());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
}

TEST(RamPage, TotalInUseAndAvailable) {
  struct Case {
    std::vector<std::int64_t> modules;
    std::int64_t freeKb;
    const char *total, *inUse, *available;
  };
  const Case cases[] = {
      {{2147483648, 2147483648}, 1048576, "4 GB", "3072 MB (75%)", "1024 MB (25%)"},
      {{4294967296}, 524288, "4 GB", "3584 MB (88%)", "512 MB (12%)"},  // 87.5 and 12.5
      {{536870912}, 262144, "512 MB", "256 MB (50%)", "256 MB (50%)"},
      {{1048576000}, 1024, "1000 MB", "999 MB (100%)", "1 MB (0%)"},
      {{8589934592}, 0, "8 GB", "Unknown", "Unknown"},
      // Past 20 GB in use the shares still come out.
      {{34359738368, 34359738368}, 8388608, "64 GB", "57344 MB (88%)", "8192 MB (12%)"},
      // Free above the total is a broken reading, not a negative use.
      {{1073741824}, 4194304, "1 GB", "Unknown", "Unknown"},
      {{}, 524288, "Unknown", "Unknown", "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    SetModules(f, c.modules);
    f.wmi.Set("Win32_OperatingSystem", 0, "FreePhysicalMemory", Variant(std::to_string(c.freeKb)));
    shell::MainWindow& w = ShowRam(f);
    EXPECT_EQ(w.L[3]->Caption(), c.total) << c.total;
    EXPECT_EQ(w.L[4]->Caption(), c.inUse) << c.total;
    EXPECT_EQ(w.L[5]->Caption(), c.available) << c.total;
  }
}

TEST(RamPage, CodeTables) {
  struct Case {
    Variant type, formFactor, cache;
    const char *typeName, *formName, *use;
  };
  const Case cases[] = {
      {Variant(20), Variant(12), Variant(1), "DDR", "SODIMM", "System cache"},
      {Variant(2), Variant(23), Variant(0), "DRAM", "LGA", "Applications"},
      {Variant(24), Variant(6), Variant(2), "Unknown", "Unknown", "Unknown"},
      {Variant(0), Variant(1), Variant("yes"), "Unknown", "Unknown", "Unknown"},
      {Variant(" 17 "), Variant("8"), Variant(" 0"), "SDRAM", "DIMM", "Applications"},
      {Variant::Null(), Variant::Null(), Variant::Null(), "Unknown", "Unknown", "Unknown"},  // Null
  };
  for (const Case& c : cases) {
    AppFixture f;
    for (std::size_t m = 0; m < 2; ++m) {
      f.wmi.Set("Win32_PhysicalMemory", m, "MemoryType", c.type);
      f.wmi.Set("Win32_PhysicalMemory", m, "FormFactor", c.formFactor);
    }
    f.wmi.Set("Win32_OperatingSystem", 0, "LargeSystemCache", c.cache);
    shell::MainWindow& w = ShowRam(f);
    EXPECT_EQ(w.L[1]->Caption(), c.typeName) << c.typeName;
    EXPECT_EQ(w.L[2]->Caption(), c.formName) << c.formName;
    EXPECT_EQ(w.L[8]->Caption(), c.use) << c.use;
  }
}

TEST(RamPage, TrapModules) {
  AppFixture f("memory_disk_traps");
  shell::MainWindow& w = ShowRam(f);
  // Type: the last module that reports one (24, not in the table); form factor: the only
  // one reported; total: 1.5 KB + 2.5 KB, rounded after each module; one module located;
  // width: "wide" is no number.
  EXPECT_EQ(Values(w), (std::vector<std::string>{"Unknown", "SODIMM", "0 MB", "Unknown", "Unknown",
                                                 "1", "Unknown", "System cache"}));
  EXPECT_EQ(w.RamTotalKb, 4);
}

TEST(RamPage, WidthAndCountNeedAWholeNumberOfAtLeastOne) {
  const std::pair<Variant, const char*> widths[] = {
      {Variant(64), "64 Bits"},  {Variant(" 72 "), "72 Bits"}, {Variant(0), "Unknown"},
      {Variant(-64), "Unknown"}, {Variant(""), "Unknown"},     {Variant::Null(), "Unknown"}};
  for (const auto& [width, shown] : widths) {
    AppFixture f;
    f.wmi.Set("Win32_PhysicalMemory", 1, "TotalWidth", width);
    f.wmi.Remove("Win32_PhysicalMemory", 0, "TotalWidth");
    // A module without a locator is not counted; one with blanks neither.
    f.wmi.Set("Win32_PhysicalMemory", 0, "DeviceLocator", Variant(" "));
    shell::MainWindow& w = ShowRam(f);
    EXPECT_EQ(w.L[7]->Caption(), shown) << shown;
    EXPECT_EQ(w.L[6]->Caption(), "1");
  }
}

TEST(RamPage, TotalsPast32BitsOfKbOnThePageAndAtEveryRefresh) {
  constexpr std::int64_t kTiB = std::int64_t{1} << 40;
  constexpr std::int64_t kTiBInKb = std::int64_t{1} << 30;
  struct Case {
    std::vector<std::int64_t> modules;
    std::int64_t freeKb, laterFreeKb;
    const char *total, *inUse, *available, *laterInUse, *laterAvailable;
  };
  const Case cases[] = {
      // 2^31 KB: the first total that 32 bits cannot hold.
      {{kTiB, kTiB},
       kTiBInKb / 2,
       kTiBInKb,
       "2048 GB",
       "1572864 MB (75%)",
       "524288 MB (25%)",
       "1048576 MB (50%)",
       "1048576 MB (50%)"},
      {{kTiB, kTiB, kTiB},
       kTiBInKb,
       kTiBInKb * 3 / 2,
       "3072 GB",
       "2097152 MB (67%)",
       "1048576 MB (33%)",
       "1572864 MB (50%)",
       "1572864 MB (50%)"},
      {std::vector<std::int64_t>(64, kTiB), kTiBInKb * 16, kTiBInKb * 48, "65536 GB",
       "50331648 MB (75%)", "16777216 MB (25%)", "16777216 MB (25%)", "50331648 MB (75%)"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    SetModules(f, c.modules);
    f.wmi.Set("Win32_OperatingSystem", 0, "FreePhysicalMemory", Variant(std::to_string(c.freeKb)));
    shell::MainWindow& w = ShowRam(f);
    EXPECT_EQ(Values(w, 5),
              (std::vector<std::string>{"DDR2", "DIMM", c.total, c.inUse, c.available}));
    f.backend.Tick(*w.Timer1);
    EXPECT_EQ(w.L[4]->Caption(), c.inUse) << c.total;
    EXPECT_EQ(w.L[5]->Caption(), c.available) << c.total;
    f.wmi.Set("Win32_OperatingSystem", 0, "FreePhysicalMemory",
              Variant(std::to_string(c.laterFreeKb)));
    f.backend.Tick(*w.Timer1);
    EXPECT_EQ(w.L[4]->Caption(), c.laterInUse) << c.total;
    EXPECT_EQ(w.L[5]->Caption(), c.laterAvailable) << c.total;
    EXPECT_TRUE(w.Timer1->Enabled());
  }
}

TEST(RamPage, EmptyMachineAndNoWmi) {
  for (const char* machine : {"empty", ""}) {
    AppFixture f(machine);
    shell::MainWindow& w = ShowRam(f);
    EXPECT_EQ(Values(w), std::vector<std::string>(8, "Unknown")) << machine;
    EXPECT_EQ(w.LT[8]->Caption(), "Use: ");
    EXPECT_EQ(w.RamTotalKb, 0);
    EXPECT_TRUE(w.Timer1->Enabled());
  }
}

TEST(RamPage, ReloadKeepsTheStatusAndRunsTwoQueries) {
  AppFixture f;
  shell::MainWindow& w = ShowRam(f);
  f.wmi.ClearQueries();
  w.Labelmi->SetCaption("kept");
  w.Line2->SetVisible(true);
  sections::ShowSection(f.App(), 6);
  EXPECT_EQ(w.Labelmi->Caption(), "kept");
  EXPECT_TRUE(w.Line2->Visible());
  EXPECT_EQ(f.wmi.Queries(),
            (std::vector<std::string>{
                "Select MemoryType, FormFactor, Capacity, DeviceLocator, TotalWidth from "
                "Win32_PhysicalMemory",
                "Select FreePhysicalMemory, LargeSystemCache from Win32_OperatingSystem"}));
}

TEST(RamPage, ASummaryHeadingIsReset) {
  AppFixture f;
  shell::MainWindow& w = ShowRam(f);
  for (int row : {1, 8}) {
    EXPECT_EQ(w.LT[row]->ForeColor(), tk::Rgb(32, 32, 32));
    EXPECT_FALSE(w.LT[row]->GetFont().italic);
  }
}

}  // namespace
}  // namespace hv::sections

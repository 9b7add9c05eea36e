#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr const char* kMotherboard =
    "HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full";

// The values of rows 3 to 6 and 10 to 12, in that order.
std::vector<std::string> Values(shell::MainWindow& w) {
  std::vector<std::string> v;
  for (int row : {3, 4, 5, 6, 10, 11, 12}) v.push_back(w.L[row]->Caption());
  return v;
}

TEST(Summary, TypicalMachineShowsItsRowsUnderTwoHeadings) {
  AppFixture f;
  f.shell.SetString(kMotherboard, "  Norvik 2AD4  ");
  shell::MainWindow& w = f.Start();
  EXPECT_EQ(w.CurrentSection, 1);
  EXPECT_EQ(w.Titulo->Caption(), "Summary");
  const std::vector<std::string> captions = {"Main features",
                                             "",
                                             "Processor speed: ",
                                             "RAM: ",
                                             "Graphics card memory: ",
                                             "Total free space: ",
                                             "",
                                             "Others features",
                                             "",
                                             "Operating system: ",
                                             "Graphics card: ",
                                             "Motherboard: "};
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << "row " << i;
  EXPECT_EQ(Values(w), (std::vector<std::string>{"2.4 Ghz (8 CPUs)", "8 GB", "1 GB", "900 GB",
                                                 "Microsoft Windows 7 Professional",
                                                 "Norvik Graphics 7600 Series", "Norvik 2AD4"}));
  for (int row : {1, 2, 7, 8, 9}) {
    EXPECT_EQ(w.L[row]->Caption(), "") << "row " << row;
    EXPECT_EQ(w.L[row]->ToolTipText(), "") << "row " << row;
  }
  for (int row : {3, 4, 5, 6, 10, 11, 12})
    EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption()) << "row " << row;
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  // The page reads the motherboard's name and writes nothing.
  for (const auto& write : f.shell.Writes())
    EXPECT_EQ(write.path.find("Mainboard"), std::string::npos);
}

TEST(Summary, TrapMachineCutsFloorsEachPartAndReadsMemoryUnsigned) {
  AppFixture f("summary_traps");
  f.system.processorCount = 1;
  shell::MainWindow& w = f.Start();
  EXPECT_EQ(Values(w), (std::vector<std::string>{
                           "3.19 Ghz",  // 3199 MHz cut, not rounded; the first processor only
                           "1022 MB",   // two modules of 511.99 MB, floored one by one
                           "2 GB",      // AdapterRAM -2^31 is 2^31 bytes
                           "3 MB",      // three volumes of 1.9 MB; the removable one left out
                           "Unknown",   // a Null caption
                           "Halden Vista 2G",  // the first card's name, trimmed
                           "Unknown"}));       // no motherboard value
}

TEST(Summary, SparseAndEmptyMachinesShowUnknownButKeepEveryCaption) {
  for (const char* machine : {"summary_sparse", "empty", ""}) {
    AppFixture f(machine);
    shell::MainWindow& w = f.Start();
    const std::string card =
        std::string(machine) == "summary_sparse" ? "Basic Display Adapter" : "Unknown";
    EXPECT_EQ(Values(w), (std::vector<std::string>{"Unknown", "Unknown", "Unknown", "Unknown",
                                                   "Unknown", card, "Unknown"}))
        << machine;
    EXPECT_EQ(w.LT[6]->Caption(), "Total free space: ") << machine;
    EXPECT_EQ(w.LT[12]->Caption(), "Motherboard: ") << machine;
  }
}

TEST(Summary, ProcessorSpeedFollowsTheProcessorCount) {
  struct Case {
    int mhz;
    int processors;
    const char* shown;
  };
  const Case cases[] = {
      {800, 1, "800 Mhz"},          {2400, 1, "2.4 Ghz"}, {3193, 1, "3.19 Ghz"},
      {50, 1, "0.05 Ghz"},          {800, 0, "800 Mhz"},  {3193, 4, "3.19 Ghz (4 CPUs)"},
      {800, 2, "0.8 Ghz (2 CPUs)"}, {0, 4, "Unknown"},    {-5, 1, "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set("Win32_Processor", 0, "MaxClockSpeed", Variant(c.mhz));
    f.system.processorCount = c.processors;
    EXPECT_EQ(f.Start().L[3]->Caption(), c.shown) << c.mhz << " MHz x " << c.processors;
  }
}

TEST(Summary, SpeedReadFailureAndAThreeGigabyteCard) {
  AppFixture f;
  f.wmi.Remove("Win32_Processor", 0, "MaxClockSpeed");
  f.wmi.Set("Win32_VideoController", 0, "AdapterRAM", Variant(std::int32_t{-1073741824}));
  f.system.processorCount = 4;
  shell::MainWindow& w = f.Start();
  EXPECT_EQ(w.L[3]->Caption(), "Unknown");
  EXPECT_EQ(w.L[5]->Caption(), "3 GB");
}

// Readings of an odd type or size: the row shows "Unknown" or a sound value, never a crash.
TEST(Summary, OddlyTypedReadingsNeverBreakTheRow) {
  struct Case {
    const char* cls;
    const char* prop;
    Variant value;
    int row;
    const char* shown;
  };
  const std::vector<Variant> list = {Variant(1), Variant(2)};
  const Case cases[] = {
      {"Win32_Processor", "MaxClockSpeed", Variant("2400"), 3, "2.4 Ghz (8 CPUs)"},
      {"Win32_Processor", "MaxClockSpeed", Variant("fast"), 3, "Unknown"},
      {"Win32_Processor", "MaxClockSpeed", Variant(true), 3, "Unknown"},
      {"Win32_Processor", "MaxClockSpeed", Variant(list), 3, "Unknown"},
      {"Win32_Processor", "MaxClockSpeed", Variant("4294967295"), 3, "Unknown"},
      {"Win32_PhysicalMemory", "Capacity", Variant("1e400"), 4, "4 GB"},
      {"Win32_PhysicalMemory", "Capacity", Variant(list), 4, "4 GB"},
      {"Win32_PhysicalMemory", "Capacity", Variant(std::nan("")), 4, "4 GB"},
      {"Win32_VideoController", "AdapterRAM", Variant("-1"), 5, "3 GB"},
      {"Win32_VideoController", "AdapterRAM", Variant(1e300), 5, "Unknown"},
      {"Win32_VideoController", "AdapterRAM", Variant(std::int64_t{1} << 40), 5, "Unknown"},
      {"Win32_VideoController", "Name", Variant(list), 11, "Unknown"},
      {"Win32_LogicalDisk", "FreeSpace", Variant(-4.0e12), 6, "Unknown"},
      {"Win32_LogicalDisk", "FreeSpace", Variant("1e18"), 6, "909494.70 TB"},
      {"Win32_OperatingSystem", "Caption", Variant(7), 10, "7"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(c.cls, 0, c.prop, c.value);
    if (std::string(c.cls) == "Win32_LogicalDisk") f.wmi.Set(c.cls, 1, c.prop, Variant("0"));
    shell::MainWindow& w = f.Start();
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.cls << "." << c.prop;
  }
}

TEST(Summary, SpanishCaptionsAndTheUsersDecimalSeparator) {
  AppFixture f;
  f.shell.SetString(AppFixture::Setting("Language"), "Spanish");
  f.system.decimalSeparator = ',';
  f.system.processorCount = 2;
  shell::MainWindow& w = f.Start();
  EXPECT_EQ(w.Titulo->Caption(), "Resumen");
  EXPECT_EQ(w.LT[1]->Caption(), "Características principales");
  EXPECT_EQ(w.LT[5]->Caption(), "Memoria de la placa de video: ");
  EXPECT_EQ(w.L[3]->Caption(), "2,4 Ghz (2 CPUs)");
  EXPECT_EQ(w.L[6]->Caption(), "900 GB");
}

TEST(Summary, MemoryRowsByTheMbGbRule) {
  struct Module {
    std::int64_t mb;  // each of the typical machine's two modules
    const char* ram;
  };
  const Module modules[] = {{499, "998 MB"},
                            {511, "1022 MB"},
                            {512, "1 GB"},
                            {4096, "8 GB"},
                            {-512, "Unknown"}};  // a negative total has no size
  for (const Module& c : modules) {
    AppFixture f;
    for (std::size_t m = 0; m < 2; ++m)
      f.wmi.Set("Win32_PhysicalMemory", m, "Capacity", Variant(std::to_string(c.mb * 1048576)));
    EXPECT_EQ(f.Start().L[4]->Caption(), c.ram) << c.mb;
  }
  struct Card {
    std::int32_t bytes;
    const char* shown;
  };
  const Card cards[] = {{999 * 1048576, "999 MB"},
                        {1024 * 1048576, "1 GB"},
                        {1000 * 1048576, "1000 MB"},
                        {0, "Unknown"}};
  for (const Card& c : cards) {
    AppFixture f;
    f.wmi.Set("Win32_VideoController", 0, "AdapterRAM", Variant(c.bytes));
    shell::MainWindow& w = f.Start();
    EXPECT_EQ(w.L[5]->Caption(), c.shown) << c.bytes;
    EXPECT_EQ(w.L[11]->Caption(), "Norvik Graphics 7600 Series");
  }
}

TEST(Summary, FreeSpaceLadderHasATextForEveryTotal) {
  struct Case {
    std::int64_t mb;
    const char* shown;
  };
  const Case cases[] = {
      {0, "Unknown"},         {7, "7 MB"},          {99, "99 MB"},
      {999, "999 MB"},        {1000, "0.9 GB"},     {5000, "4.8 GB"},
      {51200, "50 GB"},       {500000, "488.2 GB"}, {2000000, "1.90 TB"},
      {30000000, "28.61 TB"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    // One fixed volume holds it all; the other has nothing free.
    f.wmi.Set("Win32_LogicalDisk", 0, "FreeSpace", Variant(std::to_string(c.mb * 1048576)));
    f.wmi.Set("Win32_LogicalDisk", 1, "FreeSpace", Variant("0"));
    shell::MainWindow& w = f.Start();
    EXPECT_EQ(w.L[6]->Caption(), c.shown) << c.mb;
    EXPECT_EQ(w.L[6]->ToolTipText(), c.shown) << c.mb;
  }
}

TEST(Summary, HeadingsTakeTheAccentColourAndEveryOtherPageRestoresThem) {
  for (int page = 2; page <= 13; ++page) {
    AppFixture f;
    shell::MainWindow& w = f.Start();
    const shell::Appearance& look = f.App().look;
    const tk::Color accent = tk::Rgb(look.colorRed, look.colorGreen, look.colorBlue);
    ASSERT_NE(accent, tk::Rgb(32, 32, 32));
    for (int row : {1, 8}) {
      EXPECT_EQ(w.LT[row]->ForeColor(), accent);
      EXPECT_TRUE(w.LT[row]->GetFont().italic);
    }
    EXPECT_EQ(w.LT[3]->ForeColor(), tk::Rgb(32, 32, 32));
    EXPECT_FALSE(w.LT[3]->GetFont().italic);

    // A page that writes a caption into row 1 or 8 shows it as an ordinary caption; a page
    // that leaves row 8 blank need not touch its style.
    w.LMenu_MouseDown(page, 1, 0, 0, 0);
    for (int row : {1, 8}) {
      if (w.LT[row]->Caption().empty()) continue;
      EXPECT_EQ(w.LT[row]->ForeColor(), tk::Rgb(32, 32, 32)) << "page " << page << " row " << row;
      EXPECT_FALSE(w.LT[row]->GetFont().italic) << "page " << page << " row " << row;
    }
  }
}

TEST(Summary, RunsExactlyItsFiveQueries) {
  AppFixture f;
  f.Start();
  EXPECT_EQ(f.wmi.Queries(),
            (std::vector<std::string>{"Select MaxClockSpeed from Win32_Processor",
                                      "Select Capacity from Win32_PhysicalMemory",
                                      "Select AdapterRAM, Name from Win32_VideoController",
                                      "Select Freespace from Win32_LogicalDisk where DriveType = 3",
                                      "Select Caption from Win32_OperatingSystem"}));
}

}  // namespace
}  // namespace hv::sections

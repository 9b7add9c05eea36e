#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sections/pages.h"
#include "shell/time_helpers.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kOperatingSystem = 4;
constexpr const char* kOs = "Win32_OperatingSystem";
constexpr const char* kReduced =
    "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
    "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version "
    "from Win32_OperatingSystem";
constexpr const char* kFull =
    "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
    "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version, "
    "OSArchitecture from Win32_OperatingSystem";

// A DigitalProductId value whose key decodes to the 25 characters of kKey.
std::vector<std::uint8_t> ProductIdOfKey() {
  std::vector<std::uint8_t> id(164, 0);
  for (std::size_t i = 52; i < 67; ++i) id[i] = static_cast<std::uint8_t>(i * 7);
  return id;
}

TEST(OperatingSystem, TypicalMachineInOneQuery) {
  AppFixture f;
  f.system.productId = ProductIdOfKey();
  const std::string key = shell::ProductKey(f.system);
  ASSERT_EQ(key.size(), 29u);
  shell::MainWindow& w = f.StartOn(kOperatingSystem, true);
  EXPECT_EQ(w.Titulo->Caption(), "Operating system");
  const std::vector<std::string> captions = {"Name: ",
                                             "Version and build: ",
                                             "Service pack: ",
                                             "Type: ",
                                             "Serial number: ",
                                             "License code: ",
                                             "Language: ",
                                             "Registered by: ",
                                             "Number of processes: ",
                                             "Date of installation: ",
                                             "Virtual memory in use: ",
                                             ""};
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << i;
  // 16721460 KB is 16329 MB in all, of which 16329 - 10999 = 5330 MB in use (32%).
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{
                "Microsoft Windows 7 Professional", "6.1, 7601", "Version 1", "64-bit",
                "00371-OEM-8992671-00524", key, "English - United States", "Anna", "74",
                "12/04/2013 a las 09:30:15 hs.", "5330 MB (32%) / 16329 MB (100%)", ""}));
  for (int row = 1; row <= 11; ++row) {
    EXPECT_EQ(w.L[row]->Left(), w.LT[row]->Left() + w.LT[row]->Width()) << row;
    EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption()) << row;
  }
  EXPECT_EQ(f.wmi.Queries(), std::vector<std::string>{kFull});
  EXPECT_TRUE(w.Timer1->Enabled());
  for (const tk::Control* c :
       {static_cast<const tk::Control*>(w.LNoDrive), static_cast<const tk::Control*>(w.Line1),
        static_cast<const tk::Control*>(w.Line2), static_cast<const tk::Control*>(w.Iaviso),
        static_cast<const tk::Control*>(w.Laviso)})
    EXPECT_FALSE(c->Visible());
}

TEST(OperatingSystem, WindowsWithoutArchitectureRetriesOnce) {
  AppFixture f("legacy_traps");
  shell::MainWindow& w = f.StartOn(kOperatingSystem, true);
  EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced}));
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Microsoft Windows XP Professional", "5.1, 2600", "Version 3",
                                      "Unknown",  // never read
                                      "76487-OEM-0011903-00102", "Unknown", "Espa\u00f1ol",
                                      "Unknown",  // a Null user fails on the reduced query as well
                                      "31", "29/02/2008 a las 23:59:59 hs.",
                                      "47 MB (2%) / 2047 MB (100%)", ""}));
  EXPECT_TRUE(w.Timer1->Enabled());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
}

// What the first pass read before it failed stays; the architecture is read only there.
TEST(OperatingSystem, RetryKeepsWhatTheFirstPassRead) {
  struct Case {
    const char* prop;
    Variant value;
    int row;
    const char* shown;
    const char* architecture;
  };
  const Case cases[] = {
      {"Caption", Variant::Null(), 1, "Unknown", "Unknown"},  // fails before the architecture
      {"SerialNumber", Variant::Null(), 5, "Unknown", "64-bit"},
      {"ServicePackMajorVersion", Variant("SP"), 3, "Unknown", "64-bit"},
      {"ServicePackMajorVersion", Variant(""), 3, "Unknown", "64-bit"},
      {"InstallDate", Variant("2013041209"), 10, "Unknown", "64-bit"},
      {"InstallDate", Variant("2013x412093015.000000+120"), 10, "Unknown", "64-bit"},
      {"TotalVirtualMemorySize", Variant("lots"), 11, "Unknown", "64-bit"},
      {"Version", Variant::Null(), 2, "Unknown", "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set(kOs, 0, c.prop, c.value);
    shell::MainWindow& w = f.StartOn(kOperatingSystem, true);
    EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced})) << c.prop;
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.prop;
    EXPECT_EQ(w.L[4]->Caption(), c.architecture) << c.prop;
    EXPECT_EQ(w.L[7]->Caption(), "English - United States") << c.prop;
    EXPECT_EQ(w.L[12]->Caption(), "") << c.prop;
  }
}

TEST(OperatingSystem, NothingToReadShowsUnknownEverywhere) {
  struct Case {
    const char* machine;
    bool failAll;  // the service lost after start-up
  };
  for (const Case& c : {Case{"empty", false}, Case{"", false}, Case{"typical", true}}) {
    AppFixture f(c.machine);
    shell::MainWindow& w = f.Start();
    f.wmi.FailAll(c.failAll);
    w.LMenu_MouseDown(kOperatingSystem, 1, 0, 0, 0);
    std::vector<std::string> expected(11, "Unknown");
    expected.push_back("");
    EXPECT_EQ(AppFixture::RowValues(w), expected) << c.machine;
    EXPECT_EQ(w.LT[11]->Caption(), "Virtual memory in use: ") << c.machine;
    EXPECT_EQ(w.Labelmi->Caption(), "Done") << c.machine;
    EXPECT_TRUE(w.Timer1->Enabled()) << c.machine;
  }
  // A class without items: the service pack cannot be converted, so the page tries again.
  AppFixture f;
  f.wmi.RemoveClass(kOs);
  f.wmi.AddClass(kOs);
  shell::MainWindow& w = f.StartOn(kOperatingSystem, true);
  EXPECT_EQ(f.wmi.Queries(), (std::vector<std::string>{kFull, kReduced}));
  EXPECT_EQ(w.L[3]->Caption(), "Unknown");
}

TEST(OperatingSystem, ValueRulesOfItsRows) {
  struct Case {
    const char* prop;
    Variant value;
    int row;
    const char* shown;
  };
  const Case cases[] = {
      {"Version", Variant("10.0.19045"), 2, "10., 9045"},
      {"Version", Variant(""), 2, ", "},
      {"Version", Variant("6"), 2, "6, 6"},
      {"ServicePackMajorVersion", Variant(0), 3, "None"},
      {"ServicePackMajorVersion", Variant(-1), 3, "None"},
      {"ServicePackMajorVersion", Variant(2), 3, "Version 2"},
      {"OSArchitecture", Variant("  32-bit "), 4, "32-bit"},
      {"OSLanguage", Variant(1036), 7, "Unknown"},
      {"OSLanguage", Variant(1043), 7, "Nederlandse \u2013 Nederland"},
      {"OSLanguage", Variant(9), 7, "English"},
      {"NumberOfProcesses", Variant(0), 9, "Unknown"},
      {"NumberOfProcesses", Variant("many"), 9, "Unknown"},
      {"NumberOfProcesses", Variant(1), 9, "1"},
      {"RegisteredUser", Variant("   "), 8, "Unknown"},
  };
  AppFixture f;
  shell::MainWindow& w = f.Start();
  for (const Case& c : cases) {
    f.wmi.Set(kOs, 0, c.prop, c.value);
    w.LMenu_MouseDown(kOperatingSystem, 1, 0, 0, 0);
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.prop;
  }
}

TEST(OperatingSystem, VirtualMemoryCaptionFollowsItsRule) {
  struct Case {
    std::string totalKb, freeKb;
    const char* caption;
    const char* shown;
  };
  const Case cases[] = {
      {"8388608", "5316608", "Virtual memory in use: ", "3000 MB (36%) / 8192 MB (100%)"},
      {"8388608", "8388608", "Total virtual memory: ", "8192 MB"},  // none in use
      {"8388608", "0", "Total virtual memory: ", "8192 MB"},        // all in use
      {"8388608", "9437184", "Total virtual memory: ", "8192 MB"},  // more free than all
      {"1023", "0", "Virtual memory in use: ", "Unknown"},          // below 1 MB
      {"-4096", "0", "Virtual memory in use: ", "Unknown"},
      {"9007199254740992", "0", "Total virtual memory: ", "8796093022208 MB"},  // 8 EB
  };
  AppFixture f;
  shell::MainWindow& w = f.Start();
  for (const Case& c : cases) {
    f.wmi.Set(kOs, 0, "TotalVirtualMemorySize", Variant(c.totalKb));
    f.wmi.Set(kOs, 0, "FreeVirtualMemory", Variant(c.freeKb));
    w.LMenu_MouseDown(kOperatingSystem, 1, 0, 0, 0);
    EXPECT_EQ(w.LT[11]->Caption(), c.caption) << c.totalKb;
    EXPECT_EQ(w.L[11]->Caption(), c.shown) << c.totalKb;
    EXPECT_EQ(w.L[11]->Left(), w.LT[11]->Left() + w.LT[11]->Width()) << c.totalKb;
  }
}

TEST(OperatingSystem, ReloadLeavesTheLinesAndStatusButHidesTheNote) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kOperatingSystem, true);
  w.Line1->SetVisible(true);
  w.Line2->SetVisible(true);
  w.Iaviso->SetVisible(true);
  w.Laviso->SetVisible(true);
  w.LNoDrive->SetVisible(true);
  f.wmi.ClearQueries();
  sections::ShowSection(f.App(), kOperatingSystem);
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_TRUE(w.Line2->Visible());
  EXPECT_FALSE(w.Iaviso->Visible());
  EXPECT_FALSE(w.Laviso->Visible());
  EXPECT_FALSE(w.LNoDrive->Visible());
  EXPECT_EQ(f.wmi.Queries(), std::vector<std::string>{kFull});
}

TEST(OperatingSystem, CopyAllAndCopyTakeTheRowsLineByLine) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kOperatingSystem, true);
  f.backend.QueuePopupAnswer(1);  // Copy all
  w.LT_MouseDown(12, 2, 0, 0, 0);
  EXPECT_EQ(f.backend.Clipboard(),
            "Operating system\r\n"
            "\r\n"
            "Name: Microsoft Windows 7 Professional\r\n"
            "Version and build: 6.1, 7601\r\n"
            "Service pack: Version 1\r\n"
            "Type: 64-bit\r\n"
            "Serial number: 00371-OEM-8992671-00524\r\n"
            "License code: Unknown\r\n"
            "Language: English - United States\r\n"
            "Registered by: Anna\r\n"
            "Number of processes: 74\r\n"
            "Date of installation: 12/04/2013 a las 09:30:15 hs.\r\n"
            "Virtual memory in use: 5330 MB (32%) / 16329 MB (100%)\r\n");
  f.backend.QueuePopupAnswer(0);  // Copy, on a value label
  w.L_MouseDown(6, 2, 0, 0, 0);
  EXPECT_EQ(f.backend.Clipboard(), "License code: Unknown");
}

}  // namespace
}  // namespace hv::sections

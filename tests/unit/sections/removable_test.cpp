#include "sections/removable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/picture_holder.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kPage = 11;
constexpr tk::Color kGreen = tk::Rgb(0, 145, 0);
constexpr tk::Color kGrey = tk::Rgb(75, 75, 75);

// A machine with one removable volume of the given size and free space, in bytes.
AppFixture& OneVolume(AppFixture& f, Variant size, Variant free) {
  f.wmi.AddItem("Win32_LogicalDisk", {{"DeviceID", Variant("E:")},
                                      {"Caption", Variant("E:")},
                                      {"DriveType", Variant(2)},
                                      {"VolumeName", Variant("STICK")},
                                      {"FileSystem", Variant("FAT32")},
                                      {"Size", size},
                                      {"FreeSpace", free},
                                      {"VolumeSerialNumber", Variant("1234")}});
  return f;
}

TEST(Removable, TwoSticksBesideEmptySlotsStandSideBySide) {
  AppFixture f("removable");
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.CurrentSection, kPage);
  EXPECT_EQ(w.DriveCount, 2);
  EXPECT_EQ(w.Titulo->Caption(), "Removable memory");
  const std::vector<std::string> captions = {
      "Name: ",       "Drive letter: ",  "Capacity: ",    "Space in use: ",
      "Free space: ", "Internal name: ", "File system: ", "Serial number: "};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << i;
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{
                "DATA - Removable memory", "(E:) - (F:)", "(7.45 GB) - (1.84 GB)",
                "(4.32 GB - 58%) - (32 KB - 0%)", "(3.12 GB - 42%) - (1.84 GB - 100%)",
                "Kestrel DataStick USB Device - Tovik DV Camera - Generic Flash Disk "
                "USB Device",
                "FAT32 - FAT32", "1C2B-77E0 - 0A6E-1F03", "", "", "", ""}));
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.L[i]->ToolTipText(), w.L[i]->Caption()) << i;
  for (int i = 9; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), "") << i;
  EXPECT_FALSE(w.LNoDrive->Visible());
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), w.LT[9]->Top() + 4);
  EXPECT_TRUE(w.Iaviso->Visible());
  EXPECT_TRUE(w.Laviso->Visible());
  EXPECT_EQ(w.Laviso->ForeColor(), kGreen);
  EXPECT_EQ(w.Laviso->Caption(), "\r\n2 removable drives are conected.");
  EXPECT_EQ(f.wmi.CountQueries("Win32_DiskDrive"), 1u);
}

// No removable volume, no WMI, no class, only empty slots: the large message instead.
TEST(Removable, WithoutAMediumThePageSaysSoInsteadOfRows) {
  struct Case {
    const char* machine;
    bool onlyEmptySlots;
  };
  for (const Case c :
       {Case{"typical", false}, Case{"empty", false}, Case{"", false}, Case{"removable", true}}) {
    AppFixture f(c.machine);
    if (c.onlyEmptySlots) {
      f.wmi.Remove("Win32_LogicalDisk", 1, "Size");  // E: loses its size
      f.wmi.Set("Win32_LogicalDisk", 3, "Size", Variant("-5"));
    }
    shell::MainWindow& w = f.Start();
    w.DriveCount = 7;
    w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
    EXPECT_EQ(w.DriveCount, 0) << c.machine;
    for (int i = 1; i <= 12; ++i) {
      EXPECT_EQ(w.LT[i]->Caption(), "") << c.machine << i;
      EXPECT_EQ(w.L[i]->Caption(), "") << c.machine << i;
      EXPECT_EQ(w.L[i]->ToolTipText(), "") << c.machine << i;
    }
    EXPECT_EQ(w.LT[3]->ToolTipText(), "");
    EXPECT_TRUE(w.LNoDrive->Visible());
    EXPECT_EQ(w.LNoDrive->Caption(), "None removable drive has been conected");
    EXPECT_FALSE(w.Line1->Visible());
    EXPECT_EQ(w.Laviso->ForeColor(), kGrey);
    EXPECT_EQ(w.Laviso->Caption(),
              "Couldn't detect any removable drive connected to the PC.\r\n"
              "Please, connect at least a removable drive.");
    EXPECT_TRUE(w.Iaviso->Visible() && w.Laviso->Visible());
    if (*c.machine) {
      EXPECT_EQ(f.wmi.CountQueries("where DriveType = 2"), 1u) << c.machine;
    }
    EXPECT_EQ(f.wmi.CountQueries("Win32_DiskDrive"), 0u) << c.machine;
  }
}

TEST(Removable, NoDriveMessageSitsByFontAndLanguage) {
  struct Case {
    std::uint8_t fontFlag;
    const char* language;
    int top, height;
  };
  const Case cases[] = {{32, "English", 170, 220}, {32, "Spanish", 170, 220},
                        {32, "Dutch", 135, 280},   {0, "English", 190, 220},
                        {0, "Spanish", 190, 220},  {0, "Dutch", 160, 260}};
  for (const Case& c : cases) {
    AppFixture f("empty");
    f.shell.SetString(AppFixture::Setting("Language"), c.language);
    shell::MainWindow& w = f.Start();
    f.App().fontFlag = c.fontFlag;
    w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
    EXPECT_EQ(w.LNoDrive->Top(), c.top) << int{c.fontFlag} << c.language;
    EXPECT_EQ(w.LNoDrive->Height(), c.height) << int{c.fontFlag} << c.language;
    EXPECT_EQ(w.LNoDrive->Caption(), f.App().text[169]);
  }
}

// Rows 3, 4 and 5 of one volume, by its capacity and free space in KB.
TEST(Removable, SizeLaddersAndShares) {
  struct Case {
    double sizeKb, freeKb;
    const char* capacity;
    const char* inUse;
    const char* free;
  };
  const Case cases[] = {
      {15000, 15000, "(14.6 MB)", "(0 KB - 0%)", "(14.6 MB - 100%)"},
      {999936, 1000, "(976.5 MB)", "(975.5 MB - 100%)", "(0.9 MB - 0%)"},
      {1048576, 524288, "(1 GB)", "(512 MB - 50%)", "(512 MB - 50%)"},
      {1000000000, 0, "(0.93 TB)", "(0.93 TB - 100%)", "(0 KB - 0%)"},
      {1600, 200, "(1.5 MB)", "(1.3 MB - 88%)", "(200 KB - 12%)"},             // 12.5 goes to even
      {2000, 270, "(1.9 MB)", "(1.6 MB - 86%)", "(270 KB - 14%)"},             // 13.5 goes to even
      {1440, 720, "(1.4 MB)", "(720 KB - 50%)", "(720 KB - 50%)"},             // a diskette
      {3221225472.0, 1073741824.0, "(3 TB)", "(2 TB - 67%)", "(1 TB - 33%)"},  // past 2 TiB
  };
  for (const Case& c : cases) {
    AppFixture f("removable");
    f.wmi.RemoveClass("Win32_LogicalDisk");
    OneVolume(f, Variant(platform::DoubleText(c.sizeKb * 1024)),
              Variant(platform::DoubleText(c.freeKb * 1024)));
    shell::MainWindow& w = f.StartOn(kPage);
    EXPECT_EQ(w.L[3]->Caption(), c.capacity) << c.sizeKb;
    EXPECT_EQ(w.L[4]->Caption(), c.inUse) << c.sizeKb;
    EXPECT_EQ(w.L[5]->Caption(), c.free) << c.sizeKb;
  }
}

// A volume of less than 1 KB, a free space that cannot be read, a decimal comma.
TEST(Removable, VolumesWithoutUsableFiguresNeverBorrowAnothersOrDivideByNothing) {
  {
    AppFixture f("empty");
    OneVolume(f, Variant("512"), Variant("256"));
    shell::MainWindow& w = f.StartOn(kPage);
    EXPECT_EQ(
        AppFixture::RowValues(w, 1, 5),
        (std::vector<std::string>{"STICK", "(E:)", "(0 KB)", "(0 KB - 50%)", "(0 KB - 50%)"}));
  }
  {
    AppFixture f("removable");
    f.wmi.Remove("Win32_LogicalDisk", 3, "FreeSpace");  // F:
    shell::MainWindow& w = f.StartOn(kPage);
    EXPECT_EQ(
        AppFixture::RowValues(w, 1, 5),
        (std::vector<std::string>{"DATA - Removable memory", "(E:) - (F:)", "(7.45 GB) - (1.84 GB)",
                                  "(4.32 GB - 58%)", "(3.12 GB - 42%)"}));
  }
  {
    AppFixture f("removable");
    f.system.decimalSeparator = ',';
    EXPECT_EQ(f.StartOn(kPage).L[3]->Caption(), "(7,45 GB) - (1,84 GB)");
  }
}

// Odd readings: a missing name keeps its place, missing letters, file systems and serials
// leave theirs out, sizes that are no positive number are no medium.
TEST(Removable, TrapReadings) {
  AppFixture f("removable");
  f.wmi.Set("Win32_LogicalDisk", 1, "VolumeName", Variant::Null());
  f.wmi.Set("Win32_LogicalDisk", 1, "Caption", Variant::Null());
  f.wmi.Set("Win32_LogicalDisk", 3, "FileSystem", Variant(std::vector<Variant>{Variant("x")}));
  f.wmi.Set("Win32_LogicalDisk", 2, "Size", Variant("not a size"));  // G:
  f.wmi.Set("Win32_LogicalDisk", 4, "Size", Variant(true));          // H:
  f.wmi.AddItem("Win32_LogicalDisk", {{"DeviceID", Variant("K:")},
                                      {"DriveType", Variant(2)},
                                      {"Size", Variant(std::int32_t{-1})}});
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.DriveCount, 2);
  EXPECT_EQ(AppFixture::RowValues(w, 1, 8),
            (std::vector<std::string>{
                " - Removable memory", "(F:)", "(7.45 GB) - (1.84 GB)",
                "(4.32 GB - 58%) - (32 KB - 0%)", "(3.12 GB - 42%) - (1.84 GB - 100%)",
                "Kestrel DataStick USB Device - Tovik DV Camera - Generic Flash "
                "Disk USB Device",
                "FAT32", "1C2B-77E0 - 0A6E-1F03"}));
}

TEST(Removable, ShownAgainAsksAfreshWithoutTheStatusAndCountsThree) {
  AppFixture f("removable");
  shell::MainWindow& w = f.StartOn(kPage);
  w.Line2->SetVisible(true);  // as no page but one leaves it; this page leaves it alone now
  f.wmi.AddItem("Win32_LogicalDisk", {{"DeviceID", Variant("J:")},
                                      {"Caption", Variant("J:")},
                                      {"DriveType", Variant(2)},
                                      {"VolumeName", Variant("CARD")},
                                      {"Size", Variant("1048576000")},
                                      {"FreeSpace", Variant("0")}});
  ShowRemovable(f.App());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_TRUE(w.Line2->Visible());
  EXPECT_EQ(w.DriveCount, 3);
  EXPECT_EQ(w.L[1]->Caption(), "DATA - Removable memory - CARD");
  EXPECT_EQ(w.Laviso->Caption(), "\r\n3 removable drives are conected.");

  f.wmi.RemoveClass("Win32_LogicalDisk");
  f.wmi.AddClass("Win32_LogicalDisk");
  OneVolume(f, Variant("1048576000"), Variant("0"));
  ShowRemovable(f.App());
  EXPECT_EQ(w.Laviso->Caption(), "\r\n1 removable drive is conected.");
}

// The shell picks the icons and offers the background copy by DriveCount, on both pages
// that count drives.
TEST(DrivePages, IconsAndBackgroundCopyFollowWhetherDrivesWereFound) {
  struct Case {
    int page;
    const char* machine;
    const char* icon;
    const char* notice;
    bool backgroundCopy;
  };
  const Case cases[] = {{11, "removable", "Sec11a", "Ok", true},
                        {11, "typical", "Sec11b", "Alerta", false},
                        {12, "typical", "Sec12a", "Ok", true},
                        {12, "empty", "Sec12b", "Alerta", false}};
  for (const Case& c : cases) {
    AppFixture f(c.machine);
    shell::MainWindow& w = f.Start();
    w.LMenu_MouseDown(c.page, 1, 0, 0, 0);
    for (int tick = 0; tick < 30 && w.TAlphaB->Enabled(); ++tick) f.backend.Tick(*w.TAlphaB);
    ASSERT_FALSE(w.TAlphaB->Enabled());
    EXPECT_EQ(w.Ico->Assigned(), f.App().Pictures().Get(c.icon)->Assigned()) << c.icon;
    EXPECT_EQ(w.Iaviso->Assigned(), f.App().Pictures().Get(c.notice)->Assigned()) << c.notice;
    const std::size_t popups = f.backend.Popups().size();
    w.Form_MouseDown(2, 0, 600, 460);
    EXPECT_EQ(f.backend.Popups().size() - popups, c.backgroundCopy ? 1u : 0u) << c.icon;
  }
}

}  // namespace
}  // namespace hv::sections

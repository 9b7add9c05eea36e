#include "sections/optical_drives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sections/value_rules.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kPage = 12;

std::string SizeRowFor(double kb) {
  AppFixture f("optical");
  f.wmi.Set("Win32_LogicalDisk", 1, "Size", Variant(platform::DoubleText(kb * 1024)));
  f.wmi.Remove("Win32_LogicalDisk", 2, "Size");  // only D: holds a disc
  return f.StartOn(kPage).L[3]->Caption();
}

TEST(OpticalDrives, TwoDiscsAndThreeEmptyDrives) {
  AppFixture f("optical");
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.CurrentSection, kPage);
  EXPECT_EQ(w.DriveCount, 2);
  EXPECT_EQ(w.EmptyDrives, 3);
  EXPECT_EQ(w.Titulo->Caption(), "CDs/DVDs");
  const std::vector<std::string> captions = {
      "Name: ",       "Drive letter: ", "Size: ",         "Internal name: ",
      "Drive type: ", "File system: ",  "Serial number: "};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << i;
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"DATA - FILM", "(D:) - (E:)", "(650 MB) - (4.38 GB)",
                                      "Orvo CD-RW OC52 ATA Device - Orvo DVD-RW OD24 ATA Device",
                                      "CD-ROM - DVD Writer", "CDFS - UDF", "7E21-0A44 - 0F3C-9B12",
                                      "", "", "", "", ""}));
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.L[i]->ToolTipText(), w.L[i]->Caption()) << i;
  for (int i = 8; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), "") << i;
  EXPECT_EQ(w.Laviso->Caption(), "2 drives are loaded.\r\n3 drives are empties.");
  EXPECT_EQ(w.Laviso->ForeColor(), tk::Rgb(0, 145, 0));
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), w.LT[8]->Top() + 4);
  EXPECT_FALSE(w.LNoDrive->Visible());
  EXPECT_TRUE(w.Iaviso->Visible() && w.Laviso->Visible());
}

TEST(OpticalDrives, NotesCountLoadedAndEmptyDrives) {
  AppFixture f;  // one DVD in E:, no empty drive
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(
      AppFixture::RowValues(w, 1, 7),
      (std::vector<std::string>{"HOLIDAY_2013", "(E:)", "(4.37 GB)", "Orvo DVD-RW OD24 ATA Device",
                                "DVD Writer", "UDF", "4F1A0C22"}));
  EXPECT_EQ(w.Laviso->Caption(), "1 drive is loaded.\r\nNone CD/DVD drive is empty.");
  f.wmi.AddItem("Win32_LogicalDisk", {{"DeviceID", Variant("F:")},
                                      {"Name", Variant("F:")},
                                      {"DriveType", Variant(5)},
                                      {"Size", Variant::Null()}});
  w.LMenu_MouseDown(1, 1, 0, 0, 0);
  w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
  EXPECT_EQ(w.Laviso->Caption(), "1 drive is loaded.\r\n1 drive is empty.");
}

// No disc: no WMI, no class, the class without items, only empty drives (as under Wine,
// which has no CD-ROM drive class either).
TEST(OpticalDrives, WithoutADiscThePageSaysSo) {
  for (const char* machine : {"", "empty", "removable", "optical"}) {
    AppFixture f(machine);
    if (std::string(machine) == "optical") {
      f.wmi.Remove("Win32_LogicalDisk", 1, "Size");
      f.wmi.Set("Win32_LogicalDisk", 2, "Size", Variant("0"));
      f.wmi.RemoveClass("Win32_CDROMDrive");
    }
    shell::MainWindow& w = f.Start();
    w.DriveCount = 9;
    w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
    EXPECT_EQ(w.DriveCount, 0) << machine;
    EXPECT_EQ(w.EmptyDrives, std::string(machine) == "optical" ? 5 : 0) << machine;
    for (int i = 1; i <= 12; ++i) {
      EXPECT_EQ(w.LT[i]->Caption(), "") << machine << i;
      EXPECT_EQ(w.L[i]->Caption(), "") << machine << i;
      EXPECT_EQ(w.L[i]->ToolTipText(), "") << machine << i;
    }
    EXPECT_TRUE(w.LNoDrive->Visible());
    EXPECT_EQ(w.LNoDrive->Caption(), "None CD/DVD has been inserted");
    EXPECT_EQ(w.LNoDrive->Height(), 180);
    EXPECT_FALSE(w.Line1->Visible());
    EXPECT_EQ(w.Laviso->ForeColor(), tk::Rgb(75, 75, 75));
    EXPECT_EQ(w.Laviso->Caption(),
              "Couldn't find any CD/DVD in the drives.\r\nPlease, insert at least a CD/DVD.");
    EXPECT_EQ(f.wmi.CountQueries("Win32_CDROMDrive"), 0u);
  }
}

TEST(OpticalDrives, NoDiscMessageSitsByFontAndLanguage) {
  struct Case {
    std::uint8_t fontFlag;
    const char* language;
    int top;
  };
  const Case cases[] = {{32, "English", 210}, {32, "Spanish", 205}, {32, "Dutch", 200},
                        {0, "English", 220},  {0, "Spanish", 220},  {0, "Dutch", 220}};
  for (const Case& c : cases) {
    AppFixture f("empty");
    f.shell.SetString(AppFixture::Setting("Language"), c.language);
    shell::MainWindow& w = f.Start();
    f.App().fontFlag = c.fontFlag;
    w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
    EXPECT_EQ(w.LNoDrive->Top(), c.top) << int{c.fontFlag} << c.language;
    EXPECT_EQ(w.LNoDrive->Height(), 180);
  }
}

TEST(OpticalDrives, DiscSizesAreCutNeverRounded) {
  struct Case {
    double kb;
    const char* shown;
  };
  const Case cases[] = {
      {0.5, "(0 KB)"},
      {500, "(500 KB)"},
      {1500, "(1.4 MB)"},
      {15000, "(14.6 MB)"},
      {150000, "(146.4 MB)"},
      {665600, "(650 MB)"},
      {1000000, "(0.95 GB)"},
      {15000000, "(14.30 GB)"},
      // Nine digits and more still get a size, so the row keeps one entry per disc.
      {100000000, "(95.367 GB)"},
      {3000000000.0, "(2.79 TB)"},
  };
  for (const Case& c : cases) EXPECT_EQ(SizeRowFor(c.kb), c.shown) << c.kb;
  AppFixture f("optical");
  f.system.decimalSeparator = ',';
  EXPECT_EQ(f.StartOn(kPage).L[3]->Caption(), "(650 MB) - (4,38 GB)");
}

TEST(OpticalDrives, TrapReadingsSkipOnlyTheirOwnEntry) {
  AppFixture f("optical");
  f.wmi.Set("Win32_LogicalDisk", 1, "VolumeName", Variant(""));      // D: an empty name
  f.wmi.Set("Win32_LogicalDisk", 2, "FileSystem", Variant::Null());  // E:
  f.wmi.Set("Win32_LogicalDisk", 2, "VolumeSerialNumber", Variant(std::vector<Variant>{}));
  f.wmi.Set("Win32_LogicalDisk", 3, "Size", Variant("no size"));  // F: counted as empty
  f.wmi.Set("Win32_CDROMDrive", 0, "MediaType", Variant::Null());
  f.wmi.Set("Win32_CDROMDrive", 2, "Size", Variant(std::int64_t{-4}));
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.DriveCount, 2);
  EXPECT_EQ(w.EmptyDrives, 3);
  EXPECT_EQ(AppFixture::RowValues(w, 1, 7),
            (std::vector<std::string>{" - FILM", "(D:) - (E:)", "(650 MB) - (4.38 GB)",
                                      "Orvo CD-RW OC52 ATA Device - Orvo DVD-RW OD24 ATA Device",
                                      "DVD Writer", "CDFS", "7E21-0A44"}));
}

// While the page stays shown it writes the rows it kept: no query, no status, new captions.
TEST(OpticalDrives, KeepsItsRowsWhileItStaysThePageShown) {
  AppFixture f("optical");
  shell::MainWindow& w = f.StartOn(kPage);
  const std::vector<std::string> first = AppFixture::RowValues(w);
  f.wmi.RemoveClass("Win32_LogicalDisk");  // the discs are gone meanwhile
  f.wmi.ClearQueries();
  w.Line2->SetVisible(true);
  ShowOpticalDrives(f.App());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_TRUE(w.Line2->Visible());
  w.BM->onClick();
  EXPECT_TRUE(f.wmi.Queries().empty());
  EXPECT_EQ(AppFixture::RowValues(w), first);
  EXPECT_EQ(w.DriveCount, 2);

  // After a change of language: the words change, the values are the kept ones.
  lang::LoadSpanish(f.App().text);
  w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
  EXPECT_EQ(AppFixture::RowValues(w), first);
  EXPECT_EQ(w.Titulo->Caption(), f.App().text[22]);
  EXPECT_EQ(w.LT[1]->Caption(), f.App().text[36] + " ");
  const lang::TextTable& t = f.App().text;
  EXPECT_EQ(w.Laviso->Caption(),
            FillPlaceholder(t[144], "(#)", "2") + "\r\n" + FillPlaceholder(t[146], "(#)", "3"));
  EXPECT_TRUE(f.wmi.Queries().empty());

  // Another page in between: asked again, and without a disc nothing is kept.
  w.LMenu_MouseDown(10, 1, 0, 0, 0);
  w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
  EXPECT_EQ(w.DriveCount, 0);
  EXPECT_TRUE(w.LNoDrive->Visible());
  f.wmi.ClearQueries();
  ShowOpticalDrives(f.App());
  EXPECT_EQ(f.wmi.CountQueries("Win32_LogicalDisk"), 1u);
  EXPECT_EQ(w.Labelmi->Caption(), f.App().text[34]);
}

// Without CD-ROM drive items (as under Wine) the drive names stay empty, and the page asks
// again every time rather than keep rows that lack them.
TEST(OpticalDrives, RowsWithoutDriveNamesAreNotKept) {
  AppFixture f("optical");
  f.wmi.RemoveClass("Win32_CDROMDrive");
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.DriveCount, 2);
  EXPECT_EQ(w.L[4]->Caption(), "");
  EXPECT_EQ(w.L[5]->Caption(), "");
  EXPECT_EQ(w.L[1]->Caption(), "DATA - FILM");
  f.wmi.ClearQueries();
  w.BM->onClick();
  EXPECT_EQ(f.wmi.CountQueries("Win32_LogicalDisk"), 1u);
}

}  // namespace
}  // namespace hv::sections

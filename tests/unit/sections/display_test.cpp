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

shell::MainWindow& ShowDisplayPage(AppFixture& f) {
  shell::MainWindow& w = f.Start();
  w.LMenu_MouseDown(9, 1, 0, 0, 0);
  return w;
}

std::vector<std::string> Values(const shell::MainWindow& w) {
  std::vector<std::string> v;
  for (int row = 1; row <= 12; ++row) v.push_back(w.L[row]->Caption());
  return v;
}

TEST(DisplayPage, TypicalMachine) {
  AppFixture f;
  shell::MainWindow& w = ShowDisplayPage(f);
  EXPECT_EQ(w.CurrentSection, 9);
  EXPECT_EQ(w.Titulo->Caption(), "Display");
  EXPECT_EQ(Values(w),
            (std::vector<std::string>{"Generic PnP Monitor", "(Standard monitor types)",
                                      "1920 x 1080 pixels, 32 bits, 60 Hz", "50 Hz - 75 Hz", "",
                                      "Norvik Graphics 7600 Series", "1 GB", "Integrated RAMDAC",
                                      "nrvd3d.dll,nrvgl.dll", "9.18.13.3182", "05/11/2013", ""}));
  const std::vector<std::string> captions = {"Display name: ",
                                             "Manufacturer: ",
                                             "Current configuration: ",
                                             "Update rate minimum and maximum: ",
                                             "",
                                             "Graphics card name: ",
                                             "Memory size: ",
                                             "Memory type: ",
                                             "Driver name: ",
                                             "Driver version: ",
                                             "Driver date: ",
                                             ""};
  for (int row = 1; row <= 12; ++row) {
    EXPECT_EQ(w.LT[row]->Caption(), captions[static_cast<std::size_t>(row - 1)]) << row;
    EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption()) << row;
  }
  EXPECT_EQ(w.LT[3]->ToolTipText(),
            "Specify the current resolution, color quality and refresh rate.");
  EXPECT_EQ(w.LT[4]->ToolTipText(),
            "Specify the minimum and maximum update rate supported by the display.");
  EXPECT_EQ(w.LT[5]->ToolTipText(), "");
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), w.LT[5]->Top() + 10);
  EXPECT_EQ(w.Line1->Y2(), w.Line1->Y1());
  EXPECT_FALSE(w.Timer1->Enabled());
  EXPECT_EQ(f.wmi.CountQueries("from Win32_DesktopMonitor"), 1u);
  EXPECT_EQ(f.wmi.CountQueries("DriverDate, AdapterRAM from Win32_VideoController"), 1u);
}

TEST(DisplayPage, UpdateRates) {
  struct Case {
    Variant minimum, maximum;
    const char *caption, *value, *tip;
  };
  const char* maxCaption = "Maximum update rate: ";
  const char* minCaption = "Minimum update rate: ";
  const char* bothCaption = "Update rate minimum and maximum: ";
  const char* maxTip = "Specify the maximum update rate supported by the display.";
  const char* minTip = "Specify the minimum update rate supported by the display.";
  const char* bothTip = "Specify the minimum and maximum update rate supported by the display.";
  const Case cases[] = {
      {Variant(0), Variant(75), maxCaption, "75 Hz", maxTip},
      {Variant::Null(), Variant(75), maxCaption, "75 Hz", maxTip},
      {Variant(56), Variant(0), minCaption, "56 Hz", minTip},
      {Variant(56), Variant(75), bothCaption, "56 Hz - 75 Hz", bothTip},
      {Variant(60), Variant(60), maxCaption, "60 Hz", maxTip},
      {Variant::Null(), Variant::Null(), bothCaption, "Unknown", bothTip},
      {Variant("60"), Variant("60.0"), bothCaption, "60 Hz - 60.0 Hz", bothTip},  // texts differ
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set("Win32_VideoController", 0, "MinRefreshRate", c.minimum);
    f.wmi.Set("Win32_VideoController", 0, "MaxRefreshRate", c.maximum);
    shell::MainWindow& w = ShowDisplayPage(f);
    EXPECT_EQ(w.LT[4]->Caption(), c.caption) << c.value;
    EXPECT_EQ(w.L[4]->Caption(), c.value);
    EXPECT_EQ(w.LT[4]->ToolTipText(), c.tip) << c.value;
    EXPECT_EQ(w.L[4]->Left(), w.LT[4]->Left() + w.LT[4]->Width());
  }
}

TEST(DisplayPage, ConfigurationNeedsFourNonZeroNumbers) {
  struct Case {
    const char* property;
    Variant value;
    const char* shown;
  };
  const Case cases[] = {
      {"CurrentBitsPerPixel", Variant(16), "1920 x 1080 pixels, 16 bits, 60 Hz"},
      {"CurrentBitsPerPixel", Variant(0), "Unknown"},
      {"CurrentBitsPerPixel", Variant::Null(), "Unknown"},
      {"CurrentHorizontalResolution", Variant(0), "Unknown"},
      {"CurrentVerticalResolution", Variant(""), "Unknown"},
      {"CurrentRefreshRate", Variant("fast"), "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set("Win32_VideoController", 0, c.property, c.value);
    EXPECT_EQ(ShowDisplayPage(f).L[3]->Caption(), c.shown) << c.property;
  }
}

TEST(DisplayPage, GraphicsMemoryReadAsUnsigned) {
  struct Case {
    Variant bytes;
    const char* shown;
  };
  const Case cases[] = {
      {Variant(268435456), "256 MB"}, {Variant(1073741824), "1 GB"},
      {Variant(1610612736), "1 GB"},  {Variant(1048576000), "1000 MB"},
      {Variant(0), "Unknown"},        {Variant(1048575), "Unknown"},
      {Variant::Null(), "Unknown"},   {Variant(std::int32_t{-2147483647 - 1}), "2 GB"},
      {Variant(-1), "3 GB"},  // 4 GB less one byte
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set("Win32_VideoController", 0, "AdapterRAM", c.bytes);
    EXPECT_EQ(ShowDisplayPage(f).L[7]->Caption(), c.shown) << c.shown;
  }
}

TEST(DisplayPage, DriverDateInTheShortDateFormat) {
  struct Case {
    Variant date;
    const char* shown;
  };
  const Case cases[] = {
      {Variant("20120315000000.000000-000"), "3/15/2012"},
      {Variant("20120300000000.000000-000"), "2/29/2012"},  // day 0: the month before
      {Variant("2012xx15000000.000000-000"), "Unknown"},
      {Variant(""), "Unknown"},
      {Variant::Null(), "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.system.shortDateFormat = "M/d/yyyy";
    f.wmi.Set("Win32_VideoController", 0, "DriverDate", c.date);
    shell::MainWindow& w = ShowDisplayPage(f);
    // Never a value another page left in the row.
    EXPECT_EQ(w.L[11]->Caption(), c.shown) << c.shown;
  }
}

TEST(DisplayPage, TrapsEmptyMachineAndNoWmi) {
  struct Case {
    const char* machine;
    std::vector<std::string> values;
  };
  const std::vector<Case> cases = {
      {"memory_disk_traps",
       {"Unknown", "Unknown", "Unknown", "Unknown", "", "Halden Vista 4G", "3 GB", "Unknown",
        "Unknown", "Unknown", "Unknown", ""}},
      {"empty",
       {"Unknown", "Unknown", "Unknown", "Unknown", "", "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", ""}},
      {"",
       {"Unknown", "Unknown", "Unknown", "Unknown", "", "Unknown", "Unknown", "Unknown", "Unknown",
        "Unknown", "Unknown", ""}},
  };
  for (const Case& c : cases) {
    AppFixture f(c.machine);
    shell::MainWindow& w = ShowDisplayPage(f);
    EXPECT_EQ(Values(w), c.values) << c.machine;
    EXPECT_EQ(w.LT[4]->Caption(), "Update rate minimum and maximum: ") << c.machine;
    EXPECT_TRUE(w.Line1->Visible());
  }
}

TEST(DisplayPage, ReloadKeepsTheStatusAndDrawsTheLineAgain) {
  AppFixture f;
  shell::MainWindow& w = ShowDisplayPage(f);
  w.Labelmi->SetCaption("kept");
  w.Line1->SetPoints(208, 40, 488, 40);
  ShowSection(f.App(), 9);
  EXPECT_EQ(w.Labelmi->Caption(), "kept");
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), w.LT[5]->Top() + 10);
  EXPECT_EQ(w.Line1->X1(), 208);
  EXPECT_EQ(w.Line1->X2(), 488);
}

}  // namespace
}  // namespace hv::sections

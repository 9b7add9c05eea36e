#include "sections/other_hardware.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kPage = 13;
constexpr const char* kMotherboard =
    "HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full";

// The values of rows 10, 11 and 12 for one battery reading.
std::vector<std::string> BatteryRows(Variant millivolts, Variant percent, Variant minutes) {
  AppFixture f("hardware_traps");
  f.wmi.Set("Win32_Battery", 0, "DesignVoltage", std::move(millivolts));
  f.wmi.Set("Win32_Battery", 0, "EstimatedChargeRemaining", std::move(percent));
  f.wmi.Set("Win32_Battery", 0, "EstimatedRunTime", std::move(minutes));
  shell::MainWindow& w = f.StartOn(kPage);
  return {w.L[10]->Caption(), w.L[11]->Caption(), w.L[12]->Caption()};
}

TEST(OtherHardware, TypicalDesktopShowsThreeGroupsAndStartsTheRefresh) {
  AppFixture f;
  f.shell.SetString(kMotherboard, " Norvik 2AD4 ");
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.CurrentSection, kPage);
  EXPECT_EQ(w.Titulo->Caption(), "Others hardware");
  const std::vector<std::string> captions = {"Motherboard name: ",
                                             "Manufacturer: ",
                                             "Internal name: ",
                                             "",
                                             "Sound card name: ",
                                             "Manufacturer: ",
                                             "",
                                             "Battery name: ",
                                             "Serial number: ",
                                             "Current voltage: ",
                                             "Load percentage: ",
                                             "Remaining usage time: "};
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << i;
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Norvik 2AD4", "Norvik Systems", "2AD4", "",
                                      "High Definition Audio Device", "Microsoft", "", "Unknown",
                                      "Unknown", "Unknown", "Unknown", "Unknown"}));
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(w.L[i]->ToolTipText(), w.L[i]->Caption()) << i;
    if (!w.LT[i]->Caption().empty()) {
      EXPECT_EQ(w.L[i]->Left(), w.LT[i]->Left() + w.LT[i]->Width()) << i;
    }
  }
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_TRUE(w.Line2->Visible());
  EXPECT_EQ(w.Line1->Y1(), 224);
  EXPECT_EQ(w.Line2->Y1(), 299);
  EXPECT_EQ(w.Line2->Y2(), 299);
  for (const tk::Control* c : std::vector<const tk::Control*>{w.LNoDrive, w.Iaviso, w.Laviso})
    EXPECT_FALSE(c->Visible()) << c->Name();
  EXPECT_TRUE(w.Timer1->Enabled());
  EXPECT_EQ(f.wmi.CountQueries("Win32_Battery"), 1u);
  for (const auto& write : f.shell.Writes())
    EXPECT_EQ(write.path.find("Mainboard"), std::string::npos);
}

TEST(OtherHardware, TrapLaptopTakesFirstItemsAndCleansTheBatteryName) {
  AppFixture f("hardware_traps");
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Unknown",       // no registry value
                                      "Tovik Boards",  // trimmed
                                      "Unknown",       // a Null product
                                      "", "Tovik HD Audio", "Tovik", "",
                                      "BAT0 Li-ion",     // U+000E dropped
                                      "1234Tovik BAT0",  // the device identifier, trimmed
                                      "~ 12.6 V", "95%", "02:15 hs."}));
}

// Without WMI, without the classes (as under Wine), without the shell object: every value
// shows "Unknown", and the refresh is still started.
TEST(OtherHardware, NothingToReadShowsUnknownEverywhere) {
  for (const char* machine : {"", "empty", "summary_sparse"}) {
    AppFixture f(machine);
    f.withShell = std::string(machine) != "";
    shell::MainWindow& w = f.StartOn(kPage);
    for (int i : {1, 2, 3, 5, 6, 8, 9, 10, 11, 12})
      EXPECT_EQ(w.L[i]->Caption(), "Unknown") << machine << " row " << i;
    EXPECT_EQ(w.LT[12]->Caption(), "Remaining usage time: ") << machine;
    EXPECT_TRUE(w.Timer1->Enabled()) << machine;
  }
}

TEST(OtherHardware, BatteryNamesMadeOfFillCharacters) {
  struct Case {
    Variant name;
    const char* shown;
  };
  const Case cases[] = {{Variant("\x0e\x0e"), "Unknown"},
                        {Variant("\x0e \x0e"), " "},  // the blank stood between them
                        {Variant(" \x0e"), "Unknown"},
                        {Variant::Null(), "Unknown"},
                        {Variant(42), "42"}};
  for (const Case& c : cases) {
    AppFixture f("hardware_traps");
    f.wmi.Set("Win32_Battery", 0, "Name", c.name);
    EXPECT_EQ(f.StartOn(kPage).L[8]->Caption(), c.shown);
  }
}

TEST(OtherHardware, VoltageChargeAndRunTimeRules) {
  struct Case {
    Variant millivolts, percent, minutes;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {Variant(12600), Variant(100), Variant(135), {"~ 12.6 V", "100%", "02:15 hs."}},
      {Variant(12000), Variant(0), Variant(0), {"~ 12 V", "0%", "00:00 hs."}},
      {Variant(11250), Variant("87"), Variant(1500), {"~ 11.2 V", "87%", "01:00 hs."}},
      {Variant(11350), Variant(" 7 "), Variant(1966079), {"~ 11.4 V", "7%", "07:59 hs."}},
      {Variant("12600.4"), Variant(50), Variant(1966080), {"~ 12.6 V", "50%", "Unknown"}},
      {Variant("abc"), Variant::Null(), Variant("abc"), {"Unknown", "Unknown", "Unknown"}},
      {Variant(std::int64_t{3000000000}),
       Variant(""),
       Variant(std::int64_t{71582788}),
       {"Unknown", "Unknown", "Unknown"}},
      {Variant(-5000), Variant(-1), Variant(-61), {"~ -5 V", "-1%", "22:59 hs."}},
      {Variant(true),
       Variant(std::vector<Variant>{}),
       Variant(2.5),
       {"Unknown", "Unknown", "00:02 hs."}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BatteryRows(c.millivolts, c.percent, c.minutes), c.shown) << c.shown[0];
}

TEST(OtherHardware, DecimalCommaInTheVoltage) {
  AppFixture f("hardware_traps");
  f.system.decimalSeparator = ',';
  EXPECT_EQ(f.StartOn(kPage).L[10]->Caption(), "~ 12,6 V");
}

TEST(OtherHardware, ResetsWhatOtherPagesLeftAndAReloadKeepsTheStatus) {
  AppFixture f;
  shell::MainWindow& w = f.Start();  // the Summary: rows 1 and 8 are headings
  for (int row = 3; row <= 5; ++row) w.LT[row]->SetToolTipText("a description");
  w.LT[7]->SetToolTipText("kept");
  w.LNoDrive->SetVisible(true);
  w.Iaviso->SetVisible(true);
  w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
  for (int row : {1, 8}) {
    EXPECT_EQ(w.LT[row]->ForeColor(), tk::Rgb(32, 32, 32)) << row;
    EXPECT_FALSE(w.LT[row]->GetFont().italic) << row;
  }
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(w.LT[row]->ToolTipText(), "") << row;
  EXPECT_EQ(w.LT[7]->ToolTipText(), "kept");
  EXPECT_FALSE(w.LNoDrive->Visible());
  EXPECT_FALSE(w.Iaviso->Visible());

  w.Timer1->SetEnabled(false);
  f.wmi.ClearQueries();
  ShowOtherHardware(f.App());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_EQ(f.wmi.CountQueries("Win32_"), 3u);
  EXPECT_TRUE(w.Timer1->Enabled());
}

TEST(OtherHardware, CopyAllLeavesAnEmptyLineForEachSpacer) {
  AppFixture f("hardware_traps");
  shell::MainWindow& w = f.StartOn(kPage);
  w.CopyAll_Click();
  EXPECT_EQ(f.backend.Clipboard(),
            "Others hardware\r\n\r\n"
            "Motherboard name: Unknown\r\n"
            "Manufacturer: Tovik Boards\r\n"
            "Internal name: Unknown\r\n"
            "\r\n"
            "Sound card name: Tovik HD Audio\r\n"
            "Manufacturer: Tovik\r\n"
            "\r\n"
            "Battery name: BAT0 Li-ion\r\n"
            "Serial number: 1234Tovik BAT0\r\n"
            "Current voltage: ~ 12.6 V\r\n"
            "Load percentage: 95%\r\n"
            "Remaining usage time: 02:15 hs.\r\n");
}

}  // namespace
}  // namespace hv::sections

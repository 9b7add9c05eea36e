#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kComputer = 3;

std::vector<std::string> Values(shell::MainWindow& w) {
  std::vector<std::string> v;
  for (int row = 1; row <= 6; ++row) v.push_back(w.L[row]->Caption());
  return v;
}

TEST(Computer, TypicalMachineAfterTheUserAccountPage) {
  AppFixture f;
  shell::MainWindow& w = f.Start();
  w.LMenu_MouseDown(2, 1, 0, 0, 0);  // leaves its note, icon, line and rows 11 and 12
  w.LT[12]->SetToolTipText("left by another page");
  w.LMenu_MouseDown(kComputer, 1, 0, 0, 0);

  EXPECT_EQ(w.CurrentSection, kComputer);
  EXPECT_EQ(w.Titulo->Caption(), "Computer");
  const std::vector<std::string> captions = {
      "Manufacturer: ",     "Model: ",    "Type: ", "Auto restart option: ",
      "OS startup delay: ", "Workgroup: "};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << i;
    EXPECT_EQ(w.L[i]->Left(), w.LT[i]->Left() + w.LT[i]->Width()) << i;
    EXPECT_EQ(w.L[i]->ToolTipText(), w.L[i]->Caption()) << i;
  }
  EXPECT_EQ(Values(w), (std::vector<std::string>{"Norvik Systems", "Norvik D410", "x64-based PC",
                                                 "On", "30 second/s", "Workgroup"}));
  EXPECT_EQ(w.LT[3]->ToolTipText(), "");
  EXPECT_EQ(w.LT[4]->ToolTipText(), "In case of an error, the system will reboot.");
  EXPECT_EQ(w.LT[5]->ToolTipText(), "Timeout list of operating systems before loading.");
  for (int row = 7; row <= 12; ++row) {
    EXPECT_EQ(w.LT[row]->Caption(), "") << row;
    EXPECT_EQ(w.L[row]->Caption(), "") << row;
    EXPECT_EQ(w.L[row]->ToolTipText(), "") << row;
  }
  EXPECT_EQ(w.LT[12]->ToolTipText(), "left by another page");  // caption tips not touched
  for (const tk::Control* c :
       {static_cast<const tk::Control*>(w.LNoDrive), static_cast<const tk::Control*>(w.Line1),
        static_cast<const tk::Control*>(w.Line2), static_cast<const tk::Control*>(w.Iaviso),
        static_cast<const tk::Control*>(w.Laviso)})
    EXPECT_FALSE(c->Visible());
  EXPECT_EQ(f.wmi.CountQueries("Win32_ComputerSystem"), 1u);
}

TEST(Computer, SparseOddAndMissingMachines) {
  struct Case {
    const char* machine;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      // Blank manufacturer, Null model, an option as text, a delay shown as it comes.
      {"legacy_traps", {"Unknown", "Unknown", "X86-based PC", "Unknown", "-1 second/s", "Mshome"}},
      {"empty", std::vector<std::string>(6, "Unknown")},
      {"", std::vector<std::string>(6, "Unknown")},
  };
  for (const Case& c : cases) {
    AppFixture f(c.machine);
    shell::MainWindow& w = f.Start();
    w.LMenu_MouseDown(kComputer, 1, 0, 0, 0);
    EXPECT_EQ(Values(w), c.values) << c.machine;
    EXPECT_EQ(w.LT[6]->Caption(), "Workgroup: ") << c.machine;
  }
}

TEST(Computer, AutoRestartDelayAndWorkgroupRules) {
  struct Case {
    const char* prop;
    Variant value;
    int row;
    const char* shown;
  };
  const Case cases[] = {
      {"AutomaticResetBootOption", Variant(false), 4, "Off"},
      {"AutomaticResetBootOption", Variant("True"), 4, "On"},  // the text of true
      {"AutomaticResetBootOption", Variant("true"), 4, "Unknown"},
      {"AutomaticResetBootOption", Variant(1), 4, "Unknown"},
      {"AutomaticResetBootOption", Variant::Null(), 4, "Unknown"},
      {"SystemStartupDelay", Variant(0), 5, "0 second/s"},
      {"SystemStartupDelay", Variant::Null(), 5, "Unknown"},
      {"SystemStartupDelay", Variant(" "), 5, "Unknown"},
      {"Domain", Variant("W"), 6, "W"},
      {"Domain", Variant("hq.NORVIK.example"), 6, "Hq.norvik.example"},
  };
  AppFixture f;
  shell::MainWindow& w = f.Start();
  for (const Case& c : cases) {
    f.wmi.Set("Win32_ComputerSystem", 0, c.prop, c.value);
    w.LMenu_MouseDown(kComputer, 1, 0, 0, 0);
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.prop;
  }
  // A Null property leaves only its own row unknown.
  f.wmi.Set("Win32_ComputerSystem", 0, "Model", Variant::Null());
  w.LMenu_MouseDown(kComputer, 1, 0, 0, 0);
  EXPECT_EQ(w.L[2]->Caption(), "Unknown");
  EXPECT_EQ(w.L[1]->Caption(), "Norvik Systems");
  EXPECT_EQ(w.L[3]->Caption(), "x64-based PC");
}

TEST(Computer, OnlyTheFirstItemIsShownAndTheTimerIsLeftAlone) {
  AppFixture f;
  f.wmi.AddItem("Win32_ComputerSystem",
                {{"Name", Variant("SECOND")}, {"Manufacturer", Variant("Second maker")}});
  shell::MainWindow& w = f.Start();
  w.Timer1->SetEnabled(true);
  w.LMenu_MouseDown(kComputer, 1, 0, 0, 0);
  EXPECT_EQ(w.L[1]->Caption(), "Norvik Systems");
  EXPECT_TRUE(w.Timer1->Enabled());
}

}  // namespace
}  // namespace hv::sections

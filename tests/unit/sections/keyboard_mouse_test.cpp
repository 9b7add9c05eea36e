#include "sections/keyboard_mouse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kPage = 10;

std::vector<const tk::Control*> Hidden(const shell::MainWindow& w) {
  return {w.Line2, w.LNoDrive, w.Iaviso, w.Laviso};
}

std::vector<std::string> Captions(shell::MainWindow& w) {
  std::vector<std::string> v;
  for (int i = 1; i <= 12; ++i) v.push_back(w.LT[i]->Caption());
  return v;
}

TEST(KeyboardMouse, TypicalMachineShowsBothDevicesAroundTheSeparator) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.CurrentSection, kPage);
  EXPECT_EQ(w.Titulo->Caption(), "Keyboard and mouse");
  EXPECT_EQ(Captions(w),
            (std::vector<std::string>{"Keyboard name: ", "Type: ", "",
                                      "Mouse name: ", "Manufacturer: ", "Number of buttons: ",
                                      "Connexion: ", "Current use: ", "", "", "", ""}));
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Enhanced (101- or 102-key)", "USB Input Device", "",
                                      "HID-compliant mouse", "Microsoft", "3", "USB",
                                      "Right-handed", "", "", "", ""}));
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(w.L[i]->ToolTipText(), w.L[i]->Caption()) << i;
    if (!w.LT[i]->Caption().empty()) {
      EXPECT_EQ(w.L[i]->Left(), w.LT[i]->Left() + w.LT[i]->Width()) << i;
    }
  }
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), w.LT[3]->Top() + 9);
  EXPECT_EQ(w.Line1->Y2(), w.Line1->Y1());
  for (const tk::Control* c : Hidden(w)) EXPECT_FALSE(c->Visible()) << c->Name();
  EXPECT_FALSE(w.Timer1->Enabled());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
}

// Without the classes (as under Wine), with no WMI at all, or with no items: every row
// but the button count, which Windows itself gives, shows "Unknown".
TEST(KeyboardMouse, NoDevicesShowUnknownButKeepTheButtonCount) {
  for (const char* machine : {"empty", "", "summary_sparse"}) {
    AppFixture f(machine);
    f.system.mouseButtons = 5;
    shell::MainWindow& w = f.StartOn(kPage);
    EXPECT_EQ(AppFixture::RowValues(w),
              (std::vector<std::string>{"Unknown", "Unknown", "", "Unknown", "Unknown", "5",
                                        "Unknown", "Unknown", "", "", "", ""}))
        << machine;
    EXPECT_EQ(w.LT[8]->Caption(), "Current use: ") << machine;
  }
  AppFixture f;
  f.wmi.RemoveClass("Win32_Keyboard");
  f.wmi.AddClass("Win32_Keyboard");  // present but empty
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.L[1]->Caption(), "Unknown");
  EXPECT_EQ(w.L[4]->Caption(), "HID-compliant mouse");
}

TEST(KeyboardMouse, TrapMachineTakesTheFirstItemsAndTrimsCodes) {
  AppFixture f("hardware_traps");
  f.system.mouseButtons = 2;
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Unknown",                 // a name of blanks only
                                      "Standard PS/2 Keyboard",  // trimmed
                                      "", "PS/2 Compatible Mouse",
                                      "Unknown",  // a Null maker
                                      "2",
                                      "PS/2",     // " 4 " as text, trimmed
                                      "Unknown",  // a Null handedness
                                      "", "", "", ""}));
}

TEST(KeyboardMouse, CodeTablesAndTheButtonRule) {
  struct Case {
    Variant deviceInterface;
    Variant handedness;
    int buttons;
    const char* connection;
    const char* use;
    const char* shownButtons;
  };
  const Case cases[] = {
      {Variant(3), Variant(1), 2, "Serial port", "Not applicable", "2"},
      {Variant(4), Variant(2), 5, "PS/2", "Right-handed", "5"},
      {Variant(5), Variant(3), 1, "Infrared", "Left-handed", "Unknown"},
      {Variant(162), Variant(0), 0, "USB", "Unknown", "Unknown"},
      {Variant(1), Variant(4), -1, "Unknown", "Unknown", "Unknown"},
      {Variant(160), Variant(-2), 3, "Unknown", "Unknown", "3"},
      {Variant(161), Variant("2"), 3, "Unknown", "Right-handed", "3"},
      {Variant(162.0), Variant(2.5), 3, "USB", "Unknown", "3"},
      {Variant(std::int64_t{4294967458}), Variant(true), 3, "Unknown", "Unknown", "3"},
      {Variant("USB"), Variant(std::vector<Variant>{Variant(2)}), 3, "Unknown", "Unknown", "3"},
      {Variant::Null(), Variant(""), 3, "Unknown", "Unknown", "3"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.wmi.Set("Win32_PointingDevice", 0, "DeviceInterface", c.deviceInterface);
    f.wmi.Set("Win32_PointingDevice", 0, "Handedness", c.handedness);
    f.system.mouseButtons = c.buttons;
    shell::MainWindow& w = f.StartOn(kPage);
    EXPECT_EQ(w.L[7]->Caption(), c.connection) << c.connection << " / " << c.use;
    EXPECT_EQ(w.L[8]->Caption(), c.use) << c.connection << " / " << c.use;
    EXPECT_EQ(w.L[6]->Caption(), c.shownButtons) << c.buttons;
  }
}

TEST(KeyboardMouse, LiteralsStayInSpanishWhileWordsChange) {
  AppFixture f;
  f.shell.SetString(AppFixture::Setting("Language"), "Spanish");
  f.wmi.Set("Win32_PointingDevice", 0, "DeviceInterface", Variant(4));
  shell::MainWindow& w = f.StartOn(kPage);
  EXPECT_EQ(w.L[7]->Caption(), "PS/2");
  EXPECT_EQ(w.Titulo->Caption(), f.App().text[20]);
  EXPECT_EQ(w.L[8]->Caption(), f.App().text[133]);
  EXPECT_NE(w.L[8]->Caption(), "Right-handed");
}

// What other pages leave behind is undone: headings, caption descriptions, lines, notes.
TEST(KeyboardMouse, ResetsWhatOtherPagesLeftAndAReloadKeepsTheStatus) {
  AppFixture f;
  shell::MainWindow& w = f.Start();  // the Summary: rows 1 and 8 are headings
  for (int row = 3; row <= 5; ++row) w.LT[row]->SetToolTipText("a description");
  w.Line2->SetVisible(true);
  w.LNoDrive->SetVisible(true);
  w.Iaviso->SetVisible(true);
  w.Laviso->SetVisible(true);
  w.LMenu_MouseDown(kPage, 1, 0, 0, 0);
  for (int row : {1, 8}) {
    EXPECT_EQ(w.LT[row]->ForeColor(), tk::Rgb(32, 32, 32)) << row;
    EXPECT_FALSE(w.LT[row]->GetFont().italic) << row;
  }
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(w.LT[row]->ToolTipText(), "") << row;
  for (const tk::Control* c : Hidden(w)) EXPECT_FALSE(c->Visible()) << c->Name();

  // Shown again while current: asked afresh, and the status keeps "Done" meanwhile.
  f.wmi.Set("Win32_Keyboard", 0, "Name", Variant("Renamed keyboard"));
  f.wmi.ClearQueries();
  ShowKeyboardMouse(f.App());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_EQ(w.L[1]->Caption(), "Renamed keyboard");
  EXPECT_EQ(f.wmi.Queries().size(), 2u);
}

TEST(KeyboardMouse, CopyAllWritesTheTitleAndRowsOneToEightLineByLine) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kPage);
  w.CopyAll_Click();
  EXPECT_EQ(f.backend.Clipboard(),
            "Keyboard and mouse\r\n"
            "\r\n"
            "Keyboard name: Enhanced (101- or 102-key)\r\n"
            "Type: USB Input Device\r\n"
            "\r\n"
            "Mouse name: HID-compliant mouse\r\n"
            "Manufacturer: Microsoft\r\n"
            "Number of buttons: 3\r\n"
            "Connexion: USB\r\n"
            "Current use: Right-handed\r\n");
  w.SelectedRow = 7;
  w.Copy_Click();
  EXPECT_EQ(f.backend.Clipboard(), "Connexion: USB");
}

}  // namespace
}  // namespace hv::sections

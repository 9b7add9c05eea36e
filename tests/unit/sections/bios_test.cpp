#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sections/pages.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

shell::MainWindow& ShowBiosPage(AppFixture& f) {
  shell::MainWindow& w = f.Start();
  w.LMenu_MouseDown(8, 1, 0, 0, 0);
  return w;
}

std::vector<std::string> Values(const shell::MainWindow& w, int last = 5) {
  std::vector<std::string> v;
  for (int row = 1; row <= last; ++row) v.push_back(w.L[row]->Caption());
  return v;
}

TEST(BiosPage, TypicalMachine) {
  AppFixture f;
  shell::MainWindow& w = ShowBiosPage(f);
  EXPECT_EQ(w.CurrentSection, 8);
  EXPECT_EQ(w.Titulo->Caption(), "Bios");
  EXPECT_EQ(Values(w, 12),
            (std::vector<std::string>{"Default System BIOS", "Halden Firmware Inc.", "4.6.5",
                                      "15/10/2012", "NV4D410-83J2K", "", "", "", "", "", "", ""}));
  const std::vector<std::string> captions = {
      "Name: ", "Manufacturer: ", "Version: ", "Released: ", "Serial number: "};
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(w.LT[row]->Caption(), captions[static_cast<std::size_t>(row - 1)]);
    EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption());
  }
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(w.LT[row]->ToolTipText(), "");
  EXPECT_FALSE(w.Timer1->Enabled());
  EXPECT_EQ(f.wmi.CountQueries("from Win32_BIOS"), 1u);
  EXPECT_EQ(f.wmi.Queries().back(),
            "Select Name, Manufacturer, SMBIOSBIOSVersion, ReleaseDate, SerialNumber from "
            "Win32_BIOS");
}

TEST(BiosPage, ReleaseDateInTheShortDateFormat) {
  struct Case {
    Variant released;
    const char* format;
    const char* shown;
  };
  const Case cases[] = {
      {Variant("20110415000000.000000+000"), "dd/MM/yyyy", "15/04/2011"},
      {Variant("20110415000000.000000+000"), "M/d/yyyy", "4/15/2011"},
      {Variant("20110000000000.000000+000"), "dd/MM/yyyy", "30/11/2010"},  // carried back
      {Variant("20111301"), "dd/MM/yyyy", "01/01/2012"},
      {Variant("**************.******+***"), "dd/MM/yyyy", "Unknown"},
      {Variant("2011"), "dd/MM/yyyy", "Unknown"},
      {Variant(""), "dd/MM/yyyy", "Unknown"},
      {Variant::Null(), "dd/MM/yyyy", "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.system.shortDateFormat = c.format;
    f.wmi.Set("Win32_BIOS", 0, "ReleaseDate", c.released);
    shell::MainWindow& w = ShowBiosPage(f);
    EXPECT_EQ(w.L[4]->Caption(), c.shown) << c.shown;
    EXPECT_EQ(w.L[5]->Caption(), "NV4D410-83J2K");
  }
}

TEST(BiosPage, TrapsEmptyMachineAndNoWmiShowUnknown) {
  struct Case {
    const char* machine;
    std::vector<std::string> values;
  };
  const std::vector<Case> cases = {
      {"memory_disk_traps", {"Unknown", "Unknown", "1.0a", "Unknown", "Unknown"}},
      {"empty", std::vector<std::string>(5, "Unknown")},
      {"", std::vector<std::string>(5, "Unknown")},
  };
  for (const Case& c : cases) {
    AppFixture f(c.machine);
    shell::MainWindow& w = ShowBiosPage(f);
    EXPECT_EQ(Values(w), c.values) << c.machine;
    EXPECT_EQ(w.LT[5]->Caption(), "Serial number: ") << c.machine;
  }
}

TEST(BiosPage, ReloadKeepsTheStatusButHidesWhatOtherPagesShowed) {
  AppFixture f;
  shell::MainWindow& w = ShowBiosPage(f);
  w.Labelmi->SetCaption("kept");
  for (tk::Control* c : std::vector<tk::Control*>{w.Line1, w.Line2, w.LNoDrive, w.Iaviso, w.Laviso})
    c->SetVisible(true);
  ShowSection(f.App(), 8);
  EXPECT_EQ(w.Labelmi->Caption(), "kept");
  EXPECT_TRUE(w.Line2->Visible());
  for (tk::Control* c : std::vector<tk::Control*>{w.Line1, w.LNoDrive, w.Iaviso, w.Laviso})
    EXPECT_FALSE(c->Visible()) << c->Name();
}

}  // namespace
}  // namespace hv::sections

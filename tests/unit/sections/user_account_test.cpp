#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sections/pages.h"
#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using test::AppFixture;

constexpr int kUserAccount = 2;
constexpr std::size_t kAnna = 1;     // the typical machine's account of the user
constexpr std::size_t kProfile = 1;  // and her login profile

TEST(UserAccount, TypicalMachineShowsTheAccountRunningTheProgram) {
  AppFixture f;
  f.system.tickCount64 = (3 * 3600 + 25 * 60 + 7) * 1000ULL;
  shell::MainWindow& w = f.StartOn(kUserAccount);
  EXPECT_EQ(w.CurrentSection, kUserAccount);
  EXPECT_EQ(w.Titulo->Caption(), "User account");
  const std::vector<std::string> captions = {"Name: ",
                                             "Domain: ",
                                             "Account type: ",
                                             "Level of privilege: ",
                                             "Password changeable: ",
                                             "Password expired: ",
                                             "Number of bad passwords entered: ",
                                             "Start time: ",
                                             "Usage time: ",
                                             "Logon's number: ",
                                             "",
                                             ""};
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(w.LT[i]->Caption(), captions[i - 1]) << "row " << i;
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Anna", "Norvik-pc", "Normal", "Administrator", "Yes", "No",
                                      "0", "08:05:09 hs.", "03:25:07 hs.", "212 time/s.", "", ""}));
  for (int row = 1; row <= 12; ++row) EXPECT_EQ(w.L[row]->ToolTipText(), w.L[row]->Caption());
  for (int row = 1; row <= 10; ++row)
    EXPECT_EQ(w.L[row]->Left(), w.LT[row]->Left() + w.LT[row]->Width()) << row;
  for (int row : {3, 4, 5}) EXPECT_EQ(w.LT[row]->ToolTipText(), "") << row;

  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), w.LT[11]->Top() + 7);
  EXPECT_EQ(w.Line1->Y2(), w.Line1->Y1());
  EXPECT_FALSE(w.LNoDrive->Visible());
  EXPECT_FALSE(w.Line2->Visible());
  EXPECT_TRUE(w.Iaviso->Visible());
  EXPECT_TRUE(w.Laviso->Visible());
  EXPECT_EQ(w.Laviso->ForeColor(), tk::Rgb(75, 75, 75));
  EXPECT_EQ(w.Laviso->Caption(),
            "The information obtained in this section belong to the user account that executed "
            "Harvala.");
  EXPECT_TRUE(w.Timer1->Enabled());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
}

TEST(UserAccount, TakesTheFirstAccountOfTheName) {
  AppFixture f("legacy_traps");
  f.system.environment["UserName"] = "  Bert ";
  shell::MainWindow& w = f.StartOn(kUserAccount);
  // Of the three accounts named so, in one letter case or another, the first counts.
  EXPECT_EQ(AppFixture::RowValues(w),
            (std::vector<std::string>{"Bert", "Oldbox", "Workstation",
                                      "Limited",  // the profile's caption " Bert " trimmed matches
                                      "No",       // "0" reads as false
                                      "Unknown",  // "maybe" is no truth value
                                      "Unknown",  // a negative bad-password count
                                      "Unknown",  // a logon time whose hour is not a number
                                      "01:00:00 hs.",
                                      "Unknown",  // no logons
                                      "", ""}));
}

TEST(UserAccount, WithoutAccountOrProfileOnlyNameAndUsageTimeAreKnown) {
  struct Case {
    const char* machine;
    const char* user;
    const char* name;
  };
  const Case cases[] = {
      {"typical", "Zoe", "Zoe"},        // no such account
      {"typical", "", "Unknown"},       // an empty name matches nothing
      {"typical", nullptr, "Unknown"},  // the variable is not set
      {"empty", "Anna", "Anna"},        // neither class exists, as under Wine
      {"", "Anna", "Anna"},             // no WMI at all
  };
  for (const Case& c : cases) {
    AppFixture f(c.machine);
    f.system.environment.clear();
    if (c.user) f.system.environment["UserName"] = c.user;
    shell::MainWindow& w = f.StartOn(kUserAccount);
    std::vector<std::string> expected(10, "Unknown");
    expected[0] = c.name;
    expected[8] = "01:00:00 hs.";
    expected.insert(expected.end(), {"", ""});
    EXPECT_EQ(AppFixture::RowValues(w), expected)
        << c.machine << " / " << (c.user ? c.user : "(unset)");
    EXPECT_EQ(w.LT[10]->Caption(), "Logon's number: ");
    EXPECT_TRUE(w.Timer1->Enabled());
  }
}

TEST(UserAccount, AnEmptyUserNameNeverMatchesANamelessAccount) {
  AppFixture f;
  f.system.environment["UserName"] = "   ";
  f.wmi.AddItem("Win32_UserAccount", {{"Name", Variant("")},
                                      {"Domain", Variant("GHOST")},
                                      {"AccountType", Variant(512)},
                                      {"PasswordChangeable", Variant(true)},
                                      {"PasswordExpires", Variant(true)}});
  f.wmi.Set("Win32_NetworkLoginProfile", 0, "Caption", Variant(""));
  shell::MainWindow& w = f.StartOn(kUserAccount);
  for (int row : {1, 2, 3, 4, 5, 6, 10}) EXPECT_EQ(w.L[row]->Caption(), "Unknown") << row;
}

TEST(UserAccount, CodesAndCountsByTheirTables) {
  struct Case {
    const char* cls;
    const char* prop;
    Variant value;
    int row;
    const char* shown;
  };
  const Case cases[] = {
      {"Win32_UserAccount", "AccountType", Variant(256), 3, "Temp duplicate"},
      {"Win32_UserAccount", "AccountType", Variant(2048), 3, "Internal domain"},
      {"Win32_UserAccount", "AccountType", Variant(4096), 3, "Workstation"},
      {"Win32_UserAccount", "AccountType", Variant(8192), 3, "Server"},
      {"Win32_UserAccount", "AccountType", Variant(1), 3, "Unknown"},
      {"Win32_UserAccount", "AccountType", Variant("0512"), 3, "Unknown"},
      {"Win32_UserAccount", "AccountType", Variant::Null(), 3, "Unknown"},
      {"Win32_NetworkLoginProfile", "Privileges", Variant(0), 4, "Guest"},
      {"Win32_NetworkLoginProfile", "Privileges", Variant(1), 4, "Limited"},
      {"Win32_NetworkLoginProfile", "Privileges", Variant(3), 4, "Unknown"},
      {"Win32_NetworkLoginProfile", "Privileges", Variant(-1), 4, "Unknown"},
      {"Win32_UserAccount", "PasswordChangeable", Variant(false), 5, "No"},
      {"Win32_UserAccount", "PasswordChangeable", Variant("TRUE"), 5, "Yes"},
      {"Win32_UserAccount", "PasswordChangeable", Variant(""), 5, "Unknown"},
      {"Win32_UserAccount", "PasswordExpires", Variant(true), 6, "Yes"},
      {"Win32_UserAccount", "PasswordExpires", Variant(std::vector<Variant>{}), 6, "Unknown"},
      {"Win32_NetworkLoginProfile", "BadPasswordCount", Variant(5), 7, "5"},
      {"Win32_NetworkLoginProfile", "BadPasswordCount", Variant("x"), 7, "Unknown"},
      {"Win32_NetworkLoginProfile", "BadPasswordCount", Variant(1e300), 7, "Unknown"},
      {"Win32_NetworkLoginProfile", "NumberOfLogons", Variant(1), 10, "1 time/s."},
      {"Win32_NetworkLoginProfile", "NumberOfLogons", Variant("4294967295"), 10,
       "4294967295 time/s."},
      {"Win32_NetworkLoginProfile", "NumberOfLogons", Variant(-2), 10, "Unknown"},
      {"Win32_NetworkLoginProfile", "LastLogon", Variant("20140309"), 8, "Unknown"},
      {"Win32_NetworkLoginProfile", "LastLogon", Variant("20140309235960"), 8, "00:00:00 hs."},
      {"Win32_UserAccount", "Domain", Variant("x"), 2, "X"},
      {"Win32_UserAccount", "Domain", Variant("  ÉQUIPE  "), 2, "Équipe"},
      {"Win32_UserAccount", "Domain", Variant(""), 2, "Unknown"},
  };
  // Each row reads only its own property, so one machine serves every case.
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kUserAccount);
  for (const Case& c : cases) {
    const bool account = std::string(c.cls) == "Win32_UserAccount";
    f.wmi.Set(c.cls, account ? kAnna : kProfile, c.prop, c.value);
    w.LMenu_MouseDown(kUserAccount, 1, 0, 0, 0);
    EXPECT_EQ(w.L[c.row]->Caption(), c.shown) << c.prop << " row " << c.row;
  }
}

TEST(UserAccount, ReloadQueriesAgainButKeepsTheStatusLine) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kUserAccount);
  f.wmi.ClearQueries();
  w.Line2->SetVisible(true);  // as another page could have left it
  sections::ShowSection(f.App(), kUserAccount);
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  EXPECT_TRUE(w.Line2->Visible());
  EXPECT_EQ(f.wmi.Queries(),
            (std::vector<std::string>{
                "Select Domain, AccountType, PasswordChangeable, PasswordExpires from "
                "Win32_UserAccount where Name = 'Anna'",
                "Select Caption, Privileges, BadPasswordCount, LastLogon, NumberOfLogons from "
                "Win32_NetworkLoginProfile"}));
}

TEST(UserAccount, AfterTheSummaryRowsOneAndEightAreOrdinaryCaptions) {
  AppFixture f;
  shell::MainWindow& w = f.StartOn(kUserAccount);
  for (int row : {1, 8}) {
    EXPECT_EQ(w.LT[row]->ForeColor(), tk::Rgb(32, 32, 32)) << row;
    EXPECT_FALSE(w.LT[row]->GetFont().italic) << row;
  }
}

}  // namespace
}  // namespace hv::sections

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "account_computer_run.h"
#include "shell/app.h"

namespace hv::report {
namespace {

using first_sections::UserAccount;
using platform::Variant;
using test::AppFixture;
using Values = std::vector<std::string>;

constexpr std::size_t kAnna = 1;     // the typical machine's account of the user
constexpr std::size_t kProfile = 1;  // and her login profile

Values NameOnly(const std::string& name) {
  Values v(9, "Unknown");
  v[0] = name;
  return v;
}

TEST(ReportUserAccount, TypicalMachineWritesTheUsersAccountAndProfile) {
  AppFixture fx;
  const auto w = UserAccount(fx);
  EXPECT_EQ(w.statuses, Values{"Making report, step 1/12"});
  EXPECT_TRUE(w.text.starts_with("^aUser account^b\r\n^cName:^dAnna^e\r\n")) << w.text;
  EXPECT_TRUE(w.text.ends_with("^fLogon's number:^d212 time/s.^g\r\n")) << w.text;
  EXPECT_EQ(w.captions,
            (Values{"Name:", "Domain:", "Account type:", "Level of privilege:",
                    "Password changeable:", "Password expired:", "Number of bad passwords entered:",
                    "Start time:", "Logon's number:"}));
  EXPECT_EQ(w.values, (Values{"Anna", "Norvik-pc", "Normal", "Administrator", "Yes", "No", "0",
                              "08:05:09 hs.", "212 time/s."}));
  // Without "UserDomain" the account is asked for by name alone.
  EXPECT_EQ(fx.wmi.CountQueries("from Win32_UserAccount where Name = 'Anna'"), 1u);
}

// The accounts WMI was asked for, page or report.
std::vector<std::string> AccountQueries(const test::FixtureWmi& wmi) {
  std::vector<std::string> found;
  for (const std::string& q : wmi.Queries())
    if (q.find("Win32_UserAccount") != std::string::npos) found.push_back(q);
  return found;
}

TEST(UserAccountQuery, PageAndReportAskForTheAccountTheEnvironmentNames) {
  const Values local{"Norvik-pc", "Normal", "Yes", "No"};
  const Values hq{"Hq", "Internal domain", "No", "Yes"};
  const Values none(4, "Unknown");
  struct Case {
    const char* user;
    const char* domain;  // nullptr: "UserDomain" is not set
    const char* where;   // nullptr: no query at all
    Values shown;        // domain, account type, password changeable, password expired
  };
  const Case cases[] = {
      {"Anna", "HQ", "where Name = 'Anna' and Domain = 'HQ'", hq},
      // WMI compares text without regard to case, and so does Windows for account names.
      {"Anna", "hq", "where Name = 'Anna' and Domain = 'hq'", hq},
      {"Anna",
       "LAB",
       "where Name = 'Anna' and Domain = 'LAB'",
       {"Lab", "Temp duplicate", "Yes", "Yes"}},
      {"Anna", "NOWHERE", "where Name = 'Anna' and Domain = 'NOWHERE'", none},
      // Without a domain to go by, the first account of that name.
      {"Anna", nullptr, "where Name = 'Anna'", local},
      {"Anna", " ", "where Name = 'Anna'", local},
      {"O'Brien", "HQ", "where Name = 'O\\'Brien' and Domain = 'HQ'", {"Hq", "Normal", "No", "No"}},
      {"back\\slash",
       "O'HARE",
       "where Name = 'back\\\\slash' and Domain = 'O\\'HARE'",
       {"O'hare", "Workstation", "Yes", "Yes"}},
      // A name cannot widen the query to someone else's account.
      {"x' or Name = 'Anna", nullptr, "where Name = 'x\\' or Name = \\'Anna'", none},
      {"  ", "HQ", nullptr, none},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.user) + " / " + (c.domain ? c.domain : "(unset)");
    const std::vector<std::string> queries =
        c.where ? std::vector<std::string>{"Select Domain, AccountType, PasswordChangeable, "
                                           "PasswordExpires from Win32_UserAccount " +
                                           std::string(c.where)}
                : std::vector<std::string>{};
    AppFixture page("domain_accounts"), report("domain_accounts");
    for (AppFixture* fx : {&page, &report}) {
      fx->system.environment["UserName"] = c.user;
      if (c.domain) fx->system.environment["UserDomain"] = c.domain;
    }
    const Values rows = AppFixture::RowValues(page.StartOn(2), 2, 6);
    EXPECT_EQ((Values{rows[0], rows[1], rows[3], rows[4]}), c.shown) << "page " << what;
    EXPECT_EQ(AccountQueries(page.wmi), queries) << "page " << what;
    const Values values = UserAccount(report).values;
    EXPECT_EQ((Values{values[1], values[2], values[4], values[5]}), c.shown) << "report " << what;
    EXPECT_EQ(AccountQueries(report.wmi), queries) << "report " << what;
  }
}

// At a domain logon "UserName" keeps the letter case typed at the logon screen.
TEST(UserAccountQuery, PageAndReportFindTheUserInAnyLetterCase) {
  struct Case {
    const char *machine, *account, *typed;
  };
  const Case cases[] = {{"typical", "Anna", "aNNA"},
                        {"domain_accounts", "Ольга", "ОЛЬГА"}};  // a login profile only
  for (const Case& c : cases) {
    const auto shown = [&c](const char* user) {
      AppFixture page(c.machine), report(c.machine);
      for (AppFixture* fx : {&page, &report}) fx->system.environment["UserName"] = user;
      Values rows = AppFixture::RowValues(page.StartOn(2), 2, 10);
      const Values values = UserAccount(report).values;
      rows.insert(rows.end(), values.begin() + 1, values.end());
      return rows;
    };
    const Values exact = shown(c.account);
    EXPECT_NE(exact, Values(exact.size(), "Unknown")) << c.account;
    EXPECT_EQ(shown(c.typed), exact) << c.typed;
  }
}

// The local Administrator's profile comes first; the domain's has a name in other case.
TEST(UserAccountQuery, PageAndReportTakeTheProfileOfTheUsersDomain) {
  const Values local{"Administrator", "40 time/s."}, hq{"Guest", "3 time/s."};
  const std::pair<const char*, Values> cases[] = {{"HQ", hq}, {"hq", hq}, {"LAB", local}};
  for (const auto& [domain, shown] : cases) {
    AppFixture page("domain_accounts"), report("domain_accounts");
    for (AppFixture* fx : {&page, &report})
      fx->system.environment = {{"UserName", "administrator"}, {"UserDomain", domain}};
    const Values rows = AppFixture::RowValues(page.StartOn(2), 1, 10);
    const Values values = UserAccount(report).values;
    EXPECT_EQ((Values{rows[3], rows[9]}), shown) << domain;
    EXPECT_EQ((Values{values[3], values[8]}), shown) << domain;
  }
}

TEST(ReportUserAccount, FirstItemOfTheNameWinsAndOddValuesShowUnknown) {
  AppFixture fx("legacy_traps");
  fx.system.environment["UserName"] = "  Bert ";
  EXPECT_EQ(UserAccount(fx).values,
            (Values{"Bert", "Oldbox", "Workstation",
                    "Limited",     // the profile's caption " Bert " trimmed matches
                    "No",          // "0" reads as false
                    "Unknown",     // "maybe" is no truth value
                    "Unknown",     // a negative bad-password count
                    "Unknown",     // a logon time whose hour is not a number
                    "Unknown"}));  // no logons
}

TEST(ReportUserAccount, WithoutTheUsersItemsOnlyTheNameIsKnown) {
  struct Case {
    const char* machine;
    const char* user;
    const char* name;
  };
  const Case cases[] = {
      {"typical", "Zoe", "Zoe"},        // no such account
      {"typical", "   ", "Unknown"},    // a blank name matches nothing
      {"typical", nullptr, "Unknown"},  // the variable is not set
      {"empty", "Anna", "Anna"},        // neither class exists, as under Wine
      {"", "Anna", "Anna"},             // no WMI at all
  };
  for (const Case& c : cases) {
    AppFixture fx(c.machine);
    fx.system.environment.clear();
    if (c.user) fx.system.environment["UserName"] = c.user;
    if (std::string(c.machine) == "typical") {
      // A nameless account and profile must not pass for a user whose name is unknown.
      fx.wmi.AddItem("Win32_UserAccount", {{"Name", Variant("")},
                                           {"Domain", Variant("GHOST")},
                                           {"AccountType", Variant(512)},
                                           {"PasswordChangeable", Variant(true)},
                                           {"PasswordExpires", Variant(true)}});
      fx.wmi.Set("Win32_NetworkLoginProfile", 0, "Caption", Variant(""));
    }
    EXPECT_EQ(UserAccount(fx).values, NameOnly(c.name))
        << c.machine << " / " << (c.user ? c.user : "(unset)");
  }
}

TEST(ReportUserAccount, ValuesByTheirRules) {
  struct Case {
    const char* cls;
    const char* prop;
    Variant value;
    std::size_t row;
    const char* shown;
  };
  const char* kUser = "Win32_UserAccount";
  const char* kLogin = "Win32_NetworkLoginProfile";
  const Case cases[] = {
      {kUser, "AccountType", Variant(256), 3, "Temp duplicate"},
      {kUser, "AccountType", Variant(2048), 3, "Internal domain"},
      {kUser, "AccountType", Variant(4096), 3, "Workstation"},
      {kUser, "AccountType", Variant(8192), 3, "Server"},
      {kUser, "AccountType", Variant(1024), 3, "Unknown"},
      {kUser, "AccountType", Variant("0512"), 3, "Unknown"},
      {kUser, "AccountType", Variant::Null(), 3, "Unknown"},
      {kUser, "Domain", Variant("x"), 2, "X"},
      {kUser, "Domain", Variant("  HQ.NORVIK.EXAMPLE "), 2, "Hq.norvik.example"},
      {kUser, "Domain", Variant(2.5), 2, "2.5"},
      {kUser, "PasswordChangeable", Variant(false), 5, "No"},
      {kUser, "PasswordChangeable", Variant::Null(), 5, "Unknown"},
      {kUser, "PasswordExpires", Variant(true), 6, "Yes"},
      {kUser, "PasswordExpires", Variant(std::vector<Variant>{Variant(true)}), 6, "Unknown"},
      {kLogin, "Privileges", Variant(0), 4, "Guest"},
      {kLogin, "Privileges", Variant(1), 4, "Limited"},
      {kLogin, "Privileges", Variant(3), 4, "Unknown"},
      {kLogin, "Privileges", Variant(-1), 4, "Unknown"},
      {kLogin, "BadPasswordCount", Variant(5), 7, "5"},
      {kLogin, "BadPasswordCount", Variant("lots"), 7, "Unknown"},
      {kLogin, "BadPasswordCount", Variant::Null(), 7, "Unknown"},
      {kLogin, "LastLogon", Variant("20140309093015.000000+060"), 8, "09:30:15 hs."},
      {kLogin, "LastLogon", Variant("**************.******+***"), 8, "Unknown"},
      {kLogin, "LastLogon", Variant("2014030909"), 8, "Unknown"},  // cut short
      {kLogin, "LastLogon", Variant(""), 8, "Unknown"},
      {kLogin, "NumberOfLogons", Variant(7), 9, "7 time/s."},
      {kLogin, "NumberOfLogons", Variant(1), 9, "1 time/s."},
      {kLogin, "NumberOfLogons", Variant(0), 9, "Unknown"},
      // A count past the 32-bit range, as a 64-bit counter's text, is shown as it comes.
      {kLogin, "NumberOfLogons", Variant("8589934592"), 9, "8589934592 time/s."},
      {kLogin, "NumberOfLogons", Variant(-7), 9, "Unknown"},
  };
  for (const Case& c : cases) {
    AppFixture fx;
    fx.wmi.Set(c.cls, std::string(c.cls) == kUser ? kAnna : kProfile, c.prop, c.value);
    const auto w = UserAccount(fx);
    ASSERT_EQ(w.values.size(), 9u) << c.prop;
    EXPECT_EQ(w.values[c.row - 1], c.shown) << c.prop << " row " << c.row;
  }
}

TEST(ReportUserAccount, StartTimeInTheUsersLongTimeFormat) {
  AppFixture fx;
  fx.system.longTimeFormat = "h:mm:ss tt";
  fx.wmi.Set("Win32_NetworkLoginProfile", kProfile, "LastLogon",
             Variant("20140309213015.000000+060"));
  EXPECT_EQ(UserAccount(fx).values[7], "9:30:15 PM hs.");
}

TEST(ReportUserAccount, EmptiesItsSlotsFirstSoNothingStaleShows) {
  AppFixture fx("");
  fx.App().sectionValues.fill("stale");
  EXPECT_EQ(UserAccount(fx).values, NameOnly("Anna"));
  const auto& s = fx.App().sectionValues;
  for (std::size_t i = 2; i <= 9; ++i) EXPECT_EQ(s[i], "") << i;
  EXPECT_EQ(s[10], "stale");  // not its slot
}

}  // namespace
}  // namespace hv::report

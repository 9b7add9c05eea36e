// The User account page: name, domain, type and privileges of the account that runs the
// program, its password flags, bad passwords, last logon and logon count, and how long
// Windows has been running, with a note that all of it belongs to that account. Its usage
// time is kept current by the live refresh, which this page switches on last.
#include "sections/user_account.h"

#include "sections/account_reader.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"
#include "shell/time_helpers.h"

namespace hv::sections {

namespace {

constexpr int kPage = 2;
constexpr int kNoteElement = 58;
constexpr int kTimeTemplate = 54;  // "(HHMMSS) hs."
constexpr tk::Color kNoteColor = tk::Rgb(75, 75, 75);

struct Page {
  shell::App& app;
  shell::MainWindow& w;
  const lang::TextTable& t;
};

struct Account {
  std::string name;  // the environment's "UserName": the key both queries are matched on
  std::string domain, accountType, privileges, passwordChangeable, passwordExpires;
  std::string badPasswords, lastLogon, logons;
};

void Store(const platform::WmiItem& item, const char* prop, std::string& slot) {
  if (const auto text = ReadText(item, prop)) slot = *text;
}

// Wine knows neither class: both queries fail there, and every row but the name and the
// usage time shows "Unknown".
Account Gather(const Page& p) {
  Account a;
  a.name = UserName(p.app.system);
  if (const auto user = FindUserAccount(p.app.wmi, p.app.system, a.name)) {
    Store(*user, "Domain", a.domain);
    Store(*user, "AccountType", a.accountType);
    Store(*user, "PasswordChangeable", a.passwordChangeable);
    Store(*user, "PasswordExpires", a.passwordExpires);
  }
  if (const auto profile = FindUserProfile(p.app.wmi, p.app.system, a.name)) {
    Store(*profile, "Privileges", a.privileges);
    Store(*profile, "BadPasswordCount", a.badPasswords);
    Store(*profile, "LastLogon", a.lastLogon);
    Store(*profile, "NumberOfLogons", a.logons);
  }
  return a;
}

std::optional<std::string> Element(const Page& p, std::optional<int> element) {
  if (!element) return std::nullopt;
  return p.t[*element];
}

std::optional<std::string> YesNo(const Page& p, const std::string& flag) {
  const auto truth = ReadTruthValue(flag);
  if (flag.empty() || !truth) return std::nullopt;
  return p.t[*truth ? 49 : 50];
}

// A last logon whose time fields are not numbers shows "Unknown" rather than whatever the
// row held before: WMI never hands such a value, so nothing truer can be shown.
std::optional<std::string> LastLogonText(const Page& p, const std::string& lastLogon) {
  if (lastLogon.empty()) return std::nullopt;
  const auto time = WmiTimeText(lastLogon, p.app.system);
  if (!time) return std::nullopt;
  return FillPlaceholder(p.t[kTimeTemplate], "(HHMMSS)", *time);
}

std::string UsageTimeText(const Page& p) {
  return FillPlaceholder(p.t[kTimeTemplate], "(HHMMSS)", shell::UpTime(p.app));
}

std::optional<std::string> LogonsText(const Page& p, const std::string& logons) {
  if (!CountText(logons, 1)) return std::nullopt;
  return FillPlaceholder(p.t[57], "(#)", logons);
}

void WriteRows(const Page& p, const Account& a) {
  WriteCaptionedRow(p.w, p.t, 1, 36, NonEmpty(a.name));
  WriteCaptionedRow(p.w, p.t, 2, 37, NonEmpty(Capitalised(a.domain)));
  WriteCaptionedRow(p.w, p.t, 3, 38, Element(p, AccountTypeElement(a.accountType)));
  WriteCaptionedRow(p.w, p.t, 4, 44, Element(p, PrivilegeElement(a.privileges)));
  WriteCaptionedRow(p.w, p.t, 5, 48, YesNo(p, a.passwordChangeable));
  WriteCaptionedRow(p.w, p.t, 6, 51, YesNo(p, a.passwordExpires));
  WriteCaptionedRow(p.w, p.t, 7, 52, CountText(a.badPasswords, 0));
  WriteCaptionedRow(p.w, p.t, 8, 53, LastLogonText(p, a.lastLogon));
  WriteCaptionedRow(p.w, p.t, 9, 55, UsageTimeText(p));
  WriteCaptionedRow(p.w, p.t, 10, 56, LogonsText(p, a.logons));
}

}  // namespace

void ShowUserAccount(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const Page p{app, w, app.text};
  EnterPage(w, p.t, kPage);
  const Account account = Gather(p);

  w.Titulo->SetCaption(p.t[12]);
  HideAll({w.LNoDrive, w.Line1});
  WriteRows(p, account);
  ShowSpacerLine(*w.Line1, w, 11, 7);
  BlankRows(w, 11, 12);

  w.Iaviso->SetVisible(true);
  w.Laviso->SetForeColor(kNoteColor);
  w.Laviso->SetCaption(p.t[kNoteElement]);
  w.Laviso->SetVisible(true);
  // Last of all: the live refresh keeps the usage time current from now on.
  w.Timer1->SetEnabled(true);
}

}  // namespace hv::sections

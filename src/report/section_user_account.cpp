// The report's User account section: the Windows account that runs the program, asked of
// WMI afresh, with the page's own queries.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/variant.h"
#include "report/section_writers.h"
#include "sections/account_reader.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

// Slots of app.sectionValues this section uses.
enum Slot : std::size_t {
  kName = 1,
  kDomain,
  kAccountType,
  kPrivileges,
  kPasswordChangeable,
  kPasswordExpires,
  kBadPasswords,
  kLastLogon,
  kLogons,
};

using Slots = std::array<std::string, 12>;

struct Read {
  const char* prop;
  Slot slot;
};

constexpr Read kAccountReads[] = {{"Domain", kDomain},
                                  {"AccountType", kAccountType},
                                  {"PasswordChangeable", kPasswordChangeable},
                                  {"PasswordExpires", kPasswordExpires}};
constexpr Read kProfileReads[] = {{"Privileges", kPrivileges},
                                  {"BadPasswordCount", kBadPasswords},
                                  {"LastLogon", kLastLogon},
                                  {"NumberOfLogons", kLogons}};

void Fill(const std::optional<platform::WmiItem>& item, std::span<const Read> reads, Slots& s) {
  if (!item) return;
  for (const Read& r : reads)
    if (const auto text = sections::ReadText(*item, r.prop)) s[r.slot] = *text;
}

void Gather(ReportRun& run, Slots& s) {
  s[kName] = sections::UserName(run.app.system);
  Fill(sections::FindUserAccount(run.app.wmi, run.app.system, s[kName]), kAccountReads, s);
  Fill(sections::FindUserProfile(run.app.wmi, run.app.system, s[kName]), kProfileReads, s);
}

std::string Element(const ReportRun& run, std::optional<int> element) {
  return element ? Text(run, *element) : std::string();
}

std::string YesNo(const ReportRun& run, const std::string& flag) {
  const auto truth = sections::ReadTruthValue(flag);
  if (!truth) return {};
  return Text(run, *truth ? 49 : 50);
}

// Only the time of day of the last logon is shown, in the user's long time format.
std::string StartTime(const ReportRun& run, const std::string& lastLogon) {
  if (lastLogon.empty()) return {};
  const auto time = sections::WmiTimeText(lastLogon, run.app.system);
  if (!time) return {};
  return sections::FillPlaceholder(Text(run, 54), "(HHMMSS)", *time);
}

std::string Logons(const ReportRun& run, const std::string& logons) {
  if (!sections::CountText(logons, 1)) return {};
  return sections::FillPlaceholder(Text(run, 57), "(#)", logons);
}

}  // namespace

void ReportUserAccount(ReportRun& run) {
  Slots& s = run.app.sectionValues;
  for (std::size_t i = kName; i <= kLogons; ++i) s[i].clear();
  Gather(run, s);

  const auto row = [&run](int caption, const std::string& value) {
    return ReportRow{Text(run, caption), ValueOrUnknown(run, value)};
  };
  const std::vector<ReportRow> rows{
      row(36, s[kName]),
      row(37, sections::Capitalised(s[kDomain])),
      row(38, Element(run, sections::AccountTypeElement(s[kAccountType]))),
      row(44, Element(run, sections::PrivilegeElement(s[kPrivileges]))),
      row(48, YesNo(run, s[kPasswordChangeable])),
      row(51, YesNo(run, s[kPasswordExpires])),
      row(52, sections::CountText(s[kBadPasswords], 0).value_or("")),
      row(53, StartTime(run, s[kLastLogon])),
      row(56, Logons(run, s[kLogons])),
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

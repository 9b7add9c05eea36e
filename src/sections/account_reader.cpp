#include "sections/account_reader.h"

#include <utility>

#include "sections/page_model.h"

namespace hv::sections {

std::string UserAccountQuery(const std::string& user, const std::string& domain) {
  std::string wql =
      "Select Domain, AccountType, PasswordChangeable, PasswordExpires from Win32_UserAccount "
      "where Name = " +
      WqlQuoted(user);
  if (!domain.empty()) wql += " and Domain = " + WqlQuoted(domain);
  return wql;
}

std::string UserName(platform::System& system) {
  return platform::Trim(system.Environment("UserName").value_or(""));
}

std::optional<platform::WmiItem> FindUserItem(platform::WmiService* wmi, platform::System& system,
                                              const std::string& wql, const char* matchProp,
                                              const std::string& user) {
  if (user.empty()) return std::nullopt;
  for (platform::WmiItem& item : QueryItems(wmi, wql)) {
    const auto key = ReadText(item, matchProp);
    if (key && system.SameNameIgnoringCase(*key, user)) return std::move(item);
  }
  return std::nullopt;
}

std::optional<platform::WmiItem> FindUserAccount(platform::WmiService* wmi,
                                                 platform::System& system,
                                                 const std::string& user) {
  // A variable that is set but empty names no domain: asking for an empty one would find
  // nothing where the name alone finds the account.
  const std::string domain = platform::Trim(system.Environment("UserDomain").value_or(""));
  // WMI hands the key Name with every account although the query does not select it.
  return FindUserItem(wmi, system, UserAccountQuery(user, domain), "Name", user);
}

}  // namespace hv::sections

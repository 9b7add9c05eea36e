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

namespace {

constexpr const char* kLoginProfileQuery =
    "Select Caption, Privileges, BadPasswordCount, LastLogon, NumberOfLogons from "
    "Win32_NetworkLoginProfile";

// The environment's "UserDomain", blanks around it removed. A variable that is set but empty
// names no domain: asking for an empty one would find nothing where the name alone finds it.
std::string UserDomain(platform::System& system) {
  return platform::Trim(system.Environment("UserDomain").value_or(""));
}

bool Named(const platform::WmiItem& item, const char* prop, const std::string& name,
           platform::System& system) {
  const auto key = ReadText(item, prop);
  return key && system.SameNameIgnoringCase(*key, name);
}

}  // namespace

std::optional<platform::WmiItem> FindUserAccount(platform::WmiService* wmi,
                                                 platform::System& system,
                                                 const std::string& user) {
  if (user.empty()) return std::nullopt;
  // WMI hands the key Name with every account although the query does not select it.
  for (platform::WmiItem& item : QueryItems(wmi, UserAccountQuery(user, UserDomain(system))))
    if (Named(item, "Name", user, system)) return std::move(item);
  return std::nullopt;
}

std::optional<platform::WmiItem> FindUserProfile(platform::WmiService* wmi,
                                                 platform::System& system,
                                                 const std::string& user) {
  if (user.empty()) return std::nullopt;
  const std::string domain = UserDomain(system);
  const std::string qualified = domain.empty() ? std::string() : domain + "\\" + user;
  std::optional<platform::WmiItem> byCaption;
  // The key Name comes with every profile, as with the accounts.
  for (platform::WmiItem& item : QueryItems(wmi, kLoginProfileQuery)) {
    if (!qualified.empty() && Named(item, "Name", qualified, system)) return std::move(item);
    if (!byCaption && Named(item, "Caption", user, system)) byCaption = std::move(item);
  }
  return byCaption;
}

}  // namespace hv::sections

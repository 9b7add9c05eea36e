#pragma once
// Finding the account that runs the program and its login profile in WMI, for the User
// account page and its report section alike. Each caller keeps its own rows.
#include <optional>
#include <string>

#include "platform/system.h"
#include "platform/wmi.h"

namespace hv::sections {

// The user's account alone, by name and, where the environment's "UserDomain" names one, by
// domain: asked for without a condition, a machine in a domain lists every account of the
// domain and of the domains it trusts, which takes minutes, and a local account of the
// same name could stand in for the user's own.
std::string UserAccountQuery(const std::string& user, const std::string& domain);

// The environment's "UserName", blanks around it removed; "" when unset.
std::string UserName(platform::System& system);

// The Win32_UserAccount item of the user, or nullopt. Names are matched trimmed and as Windows
// compares account names, letter case ignored: at a domain logon "UserName" keeps the case
// typed at the logon screen ("JSmith" for the account "jsmith"). An empty name runs no query
// and matches nothing; an item whose name cannot be read matches nothing either.
std::optional<platform::WmiItem> FindUserAccount(platform::WmiService* wmi,
                                                 platform::System& system, const std::string& user);

// The Win32_NetworkLoginProfile item of the user, or nullopt: the one whose Name is
// "UserDomain\UserName", else the first whose Caption is the user's name, matched as above.
// The Caption alone does not tell the local Administrator from the domain's when both have
// a profile on the machine.
std::optional<platform::WmiItem> FindUserProfile(platform::WmiService* wmi,
                                                 platform::System& system, const std::string& user);

}  // namespace hv::sections

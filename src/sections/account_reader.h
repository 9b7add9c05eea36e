#pragma once
// Finding the account that runs the program and its login profile in WMI, for the User
// account page and its report section alike. Each caller keeps its own rows.
#include <optional>
#include <string>

#include "platform/system.h"
#include "platform/wmi.h"

namespace hv::sections {

inline constexpr const char* kLoginProfileQuery =
    "Select Caption, Privileges, BadPasswordCount, LastLogon, NumberOfLogons from "
    "Win32_NetworkLoginProfile";

// The user's account alone, by name and, where the environment's "UserDomain" names one, by
// domain: asked for without a condition, a machine in a domain lists every account of the
// domain and of the domains it trusts, which takes minutes, and a local account of the
// same name could stand in for the user's own.
std::string UserAccountQuery(const std::string& user, const std::string& domain);

// The environment's "UserName", blanks around it removed; "" when unset.
std::string UserName(platform::System& system);

// The first item of the query whose matchProp, trimmed, is the user's name as Windows
// compares account names, letter case ignored: at a domain logon "UserName" keeps the case
// typed at the logon screen ("JSmith" for the account "jsmith"). An empty name matches
// nothing and runs no query; neither does an item whose matchProp cannot be read.
std::optional<platform::WmiItem> FindUserItem(platform::WmiService* wmi, platform::System& system,
                                              const std::string& wql, const char* matchProp,
                                              const std::string& user);

// The Win32_UserAccount item of the user, or nullopt.
std::optional<platform::WmiItem> FindUserAccount(platform::WmiService* wmi,
                                                 platform::System& system, const std::string& user);

}  // namespace hv::sections

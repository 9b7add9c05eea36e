#pragma once
// The WQL subset the fixture WMI understands:
//   Select * | a, b, ... from Class [where Prop = literal [and Prop = literal ...]]
// with a literal a number, 'text' or "text"; a backslash inside a text takes the next
// character as it is (\' and \\).
#include <optional>
#include <string>
#include <vector>

#include "platform/variant.h"

namespace hv::test {

struct WqlQuery {
  bool allProperties = false;
  std::vector<std::string> properties;  // as written, duplicates kept
  std::string className;
  struct Condition {
    std::string property;
    platform::Variant value;  // Double for a number, String for a quoted text
  };
  std::vector<Condition> where;  // all must hold
};

// nullopt when the text is not a query of that shape.
std::optional<WqlQuery> ParseWql(const std::string& wql);

// Whether a property value satisfies "= literal": numbers compare by value, texts without
// regard to letter case as WMI compares them (ASCII letters only here); Null, arrays and
// unconvertible values never match.
bool WqlEquals(const platform::Variant& value, const platform::Variant& literal);

}  // namespace hv::test

#pragma once
// WMI as the pages use it: a query gives items, and an item gives properties by name
// (case-insensitive). CIM 64-bit integers arrive as decimal text, as the scripting
// interface hands them over.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/variant.h"

namespace hv::platform {

class WmiItem {
 public:
  WmiItem() = default;
  explicit WmiItem(std::vector<std::pair<std::string, Variant>> props) : props_(std::move(props)) {}
  // nullopt when the item has no such property; a Null property gives a Null Variant.
  std::optional<Variant> Get(const std::string& name) const;
  const std::vector<std::pair<std::string, Variant>>& Properties() const { return props_; }

 private:
  std::vector<std::pair<std::string, Variant>> props_;
};

class WmiService {
 public:
  virtual ~WmiService() = default;
  // Runs a WQL query; nullopt when the query fails (unknown class or property, no service).
  virtual std::optional<std::vector<WmiItem>> ExecQuery(const std::string& wql) = 0;
};

}  // namespace hv::platform

#include "platform/wmi.h"

#include <algorithm>

namespace hv::platform {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::optional<Variant> WmiItem::Get(const std::string& name) const {
  for (const auto& [key, value] : props_)
    if (SameName(key, name)) return value;
  return std::nullopt;
}

}  // namespace hv::platform

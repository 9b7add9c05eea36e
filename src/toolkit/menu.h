#pragma once
#include <functional>
#include <string>
#include <vector>

namespace hv::tk {

struct MenuItem {
  std::string name;
  std::string caption;
  bool separator = false;
  bool enabled = true;
  bool visible = true;
  std::function<void()> onClick;
};

// A top-level menu that is only ever shown as a popup.
struct Menu {
  std::string name;
  std::vector<MenuItem> items;
  MenuItem& Item(const std::string& itemName);  // throws std::out_of_range for unknown names
};

}  // namespace hv::tk

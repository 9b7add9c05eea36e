#include "toolkit/menu.h"

#include <stdexcept>

namespace hv::tk {

MenuItem& Menu::Item(const std::string& itemName) {
  for (MenuItem& item : items)
    if (item.name == itemName) return item;
  throw std::out_of_range("no menu item " + itemName + " in " + name);
}

}  // namespace hv::tk

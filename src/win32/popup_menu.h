#pragma once
// Popup menus built from the model's menus. An item's command id is its index in the model
// plus one (0 is the "nothing chosen" answer of TrackPopupMenu), so hidden items, which are
// left out, do not shift the items after them.
#include <windows.h>

#include <optional>

#include "toolkit/menu.h"
#include "win32/raii.h"

namespace hv::win32 {

OwnedMenu BuildPopupMenu(const tk::Menu& menu, std::optional<int> defaultItem);
std::optional<int> ItemOfCommand(const tk::Menu& menu, UINT_PTR command);

// Opens the popup at a screen point for the owner window; the model index of the item
// chosen, or nullopt when the menu was dismissed.
std::optional<int> TrackPopup(HWND owner, const tk::Menu& menu, POINT screenPoint,
                              std::optional<int> defaultItem);

}  // namespace hv::win32

#include "win32/popup_menu.h"

#include <string>

namespace hv::win32 {

OwnedMenu BuildPopupMenu(const tk::Menu& menu, std::optional<int> defaultItem) {
  OwnedMenu popup(::CreatePopupMenu());
  if (!popup) return popup;
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const tk::MenuItem& item = menu.items[i];
    if (!item.visible) continue;
    const UINT_PTR command = i + 1;
    if (item.separator) {
      ::AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::wstring caption = Widen(item.caption);
    ::AppendMenuW(popup.get(), MF_STRING | (item.enabled ? 0u : MF_GRAYED), command,
                  caption.c_str());
  }
  if (defaultItem && *defaultItem >= 0 &&
      static_cast<std::size_t>(*defaultItem) < menu.items.size()) {
    const tk::MenuItem& item = menu.items[static_cast<std::size_t>(*defaultItem)];
    // The default item is drawn in bold; a hidden or separator item cannot be it.
    if (item.visible && !item.separator) {
      ::SetMenuDefaultItem(popup.get(), static_cast<UINT>(*defaultItem + 1), FALSE);
    }
  }
  return popup;
}

std::optional<int> ItemOfCommand(const tk::Menu& menu, UINT_PTR command) {
  if (command == 0 || command > menu.items.size()) return std::nullopt;
  return static_cast<int>(command - 1);
}

std::optional<int> TrackPopup(HWND owner, const tk::Menu& menu, POINT screenPoint,
                              std::optional<int> defaultItem) {
  OwnedMenu popup = BuildPopupMenu(menu, defaultItem);
  if (!popup || ::GetMenuItemCount(popup.get()) <= 0) return std::nullopt;
  // Without the owner in the foreground the menu would not close when the user clicks
  // elsewhere.
  ::SetForegroundWindow(owner);
  const BOOL command = ::TrackPopupMenu(
      popup.get(), TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
      screenPoint.x, screenPoint.y, 0, owner, nullptr);
  // The task switch that follows a popup needs a message in the owner's queue to complete.
  ::PostMessageW(owner, WM_NULL, 0, 0);
  if (command <= 0) return std::nullopt;
  return ItemOfCommand(menu, static_cast<UINT_PTR>(command));
}

}  // namespace hv::win32

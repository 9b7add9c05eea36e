#pragma once
// Mouse buttons and shift keys as the model's events count them.
#include <windows.h>

namespace hv::win32 {

// The buttons held in a mouse message's key flags: 1 left, 2 right, 4 middle.
inline int ButtonCode(WPARAM keys) {
  return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
         ((keys & MK_MBUTTON) ? 4 : 0);
}

// The shift state: 1 Shift, 2 Ctrl, 4 Alt. Mouse messages carry no Alt flag; the caller
// reads the key's state.
inline int ShiftCode(WPARAM keys, bool altDown) {
  return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | (altDown ? 4 : 0);
}

}  // namespace hv::win32

// The keyboard side of a form window: Tab and Shift+Tab move the focus through the child
// controls, Enter presses a focused button. Space, the arrows and the other keys reach the
// focused control itself, which reports them as it reports a click (a button or check box
// on Space, a scroll bar's arrows, the drop-down list's choice).
//
// The forms are plain top-level windows, not dialogs: IsDialogMessage would send the dialog
// messages (WM_NEXTDLGCTL, IDOK and IDCANCEL commands, DM_GETDEFID) that only a dialog's
// procedure answers, and Windows and Wine differ in what they do for a window without one.
// The two keys that matter are handled here instead, the same on both.
#include "win32/form_window.h"

namespace hv::win32 {

namespace {

bool Pressed(int key) { return ::GetKeyState(key) < 0; }

// Bit 30 of a key message: the key was already down, so this is the keyboard's auto-repeat.
bool Repeated(const MSG& message) { return (message.lParam & (1L << 30)) != 0; }

}  // namespace

bool FormWindow::TranslateKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !hwnd_ || retired_) return false;
  if (message.hwnd != hwnd_ && !::IsChild(hwnd_, message.hwnd)) return false;
  HWND focus = ::GetFocus();
  switch (message.wParam) {
    case VK_TAB: {
      if (Pressed(VK_CONTROL) || Pressed(VK_MENU)) return false;
      HWND next = children_.NextTabStop(focus, Pressed(VK_SHIFT));
      if (!next) return true;
      // The focus mark shows from the first key on, as a dialog shows it; a window used
      // only with the mouse may keep it hidden.
      ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      ::SetFocus(next);
      return true;
    }
    case VK_RETURN: {
      // Only a focused, enabled button is pressed; anywhere else Enter is left alone, so it
      // never presses a button the user did not pick. A held key presses once.
      if (!children_.IsButton(focus) || !::IsWindowEnabled(focus)) return false;
      if (!Repeated(message)) {
        // The notification a click sends: the model hears it exactly as it hears a click.
        // It may unload the form: nothing of this window is touched after it.
        ::SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                       reinterpret_cast<LPARAM>(focus));
      }
      return true;
    }
    default:
      return false;
  }
}

LRESULT FormWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    // Still this window's focus while it is told it goes inactive.
    HWND focus = ::GetFocus();
    lastFocus_ = focus && ::IsChild(hwnd_, focus) ? focus : nullptr;
    return ::DefWindowProcW(hwnd_, WM_ACTIVATE, wParam, lParam);
  }
  // Back from another program or a closed dialog (the save dialog), the control that had the
  // focus gets it again, as in a dialog; the default would give it to the window itself.
  HWND back = lastFocus_;
  lastFocus_ = nullptr;
  const bool minimized = HIWORD(wParam) != 0;
  if (!minimized && back && ::IsChild(hwnd_, back) && ::IsWindowVisible(back) &&
      ::IsWindowEnabled(back)) {
    ::SetFocus(back);
    return 0;
  }
  return ::DefWindowProcW(hwnd_, WM_ACTIVATE, wParam, lParam);
}

}  // namespace hv::win32

// The keyboard side of a form window: Tab and Shift+Tab move the focus through the child
// controls, Enter presses a focused button, and the control that had the focus gets it back
// when the window comes back (activated, restored or shown again). Space, the arrows and the
// other keys reach the focused control itself, which reports them as it reports a click (a
// button or check box on Space, a scroll bar's arrows, the drop-down list's choice).
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
    SaveFocus();
    return ::DefWindowProcW(hwnd_, WM_ACTIVATE, wParam, lParam);
  }
  // Back from another program or a closed dialog (the save dialog), or restored, the control
  // that had the focus gets it again, as in a dialog; the default would give it to the window
  // itself. A restore may have given it back already (WM_SETFOCUS comes first then): it stays.
  if (RestoreFocus() || FocusOnChild()) return 0;
  return ::DefWindowProcW(hwnd_, WM_ACTIVATE, wParam, lParam);
}

LRESULT FormWindow::OnSetFocus(HWND from) {
  // Restoring a minimized window gives the focus to the window itself. On Windows it comes from
  // nowhere (a minimized window has none) and the saved control takes it here, as in a dialog.
  // Wine leaves it on the control while the window is minimized, so it comes from that control,
  // and the WM_ACTIVATE that Wine sends next gives it back. Focus that comes from a control of
  // this window was handed over on purpose (a control disabled or hidden while it had the
  // focus): no earlier control comes back then.
  if (from && (from == hwnd_ || ::IsChild(hwnd_, from))) return 0;
  RestoreFocus();
  return 0;
}

LRESULT FormWindow::OnSysCommand(WPARAM wParam, LPARAM lParam) {
  // Before the window goes: Windows takes the focus from a window it minimizes, and it may be
  // gone by the time WM_ACTIVATE(WA_INACTIVE) comes; Wine sends no WM_ACTIVATE at all while
  // the window stays the active one, minimized.
  if ((wParam & 0xFFF0) == SC_MINIMIZE) SaveFocus();
  return ::DefWindowProcW(hwnd_, WM_SYSCOMMAND, wParam, lParam);
}

LRESULT FormWindow::OnShowWindow(WPARAM wParam, LPARAM lParam) {
  // A window that is hidden, by the program or with its owner being minimized (the report
  // window with the main window), loses the focus too.
  if (!wParam) SaveFocus();
  return ::DefWindowProcW(hwnd_, WM_SHOWWINDOW, wParam, lParam);
}

void FormWindow::SaveFocus() {
  HWND focus = ::GetFocus();
  if (focus && ::IsChild(hwnd_, focus)) {
    lastFocus_ = focus;
  } else if (focus == hwnd_ && !::IsIconic(hwnd_)) {
    lastFocus_ = nullptr;  // the window itself had the focus: that is what comes back
  }
  // Otherwise the focus has left already, or it is on the minimized window itself (Wine gives
  // it there when a minimized window is activated): the control saved before stays, as a
  // dialog keeps it.
}

bool FormWindow::RestoreFocus() {
  // A minimized window is activated before it is restored (Alt+Tab, the taskbar): the control
  // waits for the restore.
  if (::IsIconic(hwnd_)) return false;
  HWND back = lastFocus_;
  lastFocus_ = nullptr;  // used once: an old control never steals the focus later
  if (!back || !::IsChild(hwnd_, back) || !::IsWindowVisible(back) || !::IsWindowEnabled(back)) {
    return false;
  }
  ::SetFocus(back);
  return true;
}

bool FormWindow::FocusOnChild() const {
  HWND focus = ::GetFocus();
  return focus && ::IsChild(hwnd_, focus);
}

}  // namespace hv::win32

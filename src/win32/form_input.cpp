// The mouse side of a form window: buttons and moves for the model, the cursor, tooltips.
// clang-format off
#include <windows.h>  // first: commctrl.h needs its types
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include "win32/form_window.h"
#include "win32/mouse_codes.h"
#include "win32/win32_backend.h"

namespace hv::win32 {

namespace {

constexpr UINT_PTR kToolId = 1;

TTTOOLINFOW ToolInfo(HWND owner) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_SUBCLASS;  // the tooltip watches the form's mouse messages itself
  info.hwnd = owner;
  info.uId = kToolId;
  return info;
}

}  // namespace

void FormWindow::CreateToolTip() {
  tooltip_ =
      ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, backend_.Instance(), nullptr);
  if (!tooltip_) return;
  TTTOOLINFOW info = ToolInfo(hwnd_);
  wchar_t empty[] = L"";
  info.lpszText = empty;
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
}

void FormWindow::UpdateToolTip(int x, int y) {
  if (!tooltip_) return;
  const tk::Control* control = form_->ControlAt(x, y);
  const std::string& text = control ? control->ToolTipText() : std::string();
  if (control == tipControl_ && text == tipText_) return;
  tipControl_ = control;
  tipText_ = text;
  // A new control under the pointer: the old tip goes, and the new one waits its delay.
  ::SendMessageW(tooltip_, TTM_POP, 0, 0);
  TTTOOLINFOW info = ToolInfo(hwnd_);
  if (control) {
    const tk::Rect r = control->ClientBounds();
    info.rect = {r.left, r.top, r.left + r.width, r.top + r.height};
  } else {
    ::GetClientRect(hwnd_, &info.rect);
  }
  std::wstring wide = Widen(text);
  info.lpszText = wide.data();
  ::SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageW(tooltip_, TTM_ACTIVATE, text.empty() ? FALSE : TRUE, 0);
  if (text.empty()) return;
  // The tooltip saw this move before the tool changed (it watches the form's messages ahead
  // of us); shown again, it starts its delay for the new text without waiting for another.
  MSG move{hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), static_cast<DWORD>(::GetMessageTime()), {}};
  ::GetCursorPos(&move.pt);
  ::SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

HCURSOR FormWindow::CursorAt(int x, int y) const {
  // The setting of the control under the pointer decides; the default setting leaves it to
  // the container, as a windowless control does.
  for (const tk::Control* c = form_->ControlAt(x, y); c; c = c->Container()) {
    switch (c->Cursor()) {
      case tk::CursorKind::Wait:
        return ::LoadCursorW(nullptr, IDC_WAIT);
      case tk::CursorKind::Arrow:
        return ::LoadCursorW(nullptr, IDC_ARROW);
      case tk::CursorKind::Custom:
        // Only a control whose design holds a cursor picture has one to show; for the others
        // the custom setting means their own default.
        if (c->HasCustomCursor() && backend_.CustomCursor()) return backend_.CustomCursor();
        break;
      case tk::CursorKind::Default:
        break;
    }
  }
  return ::LoadCursorW(nullptr, IDC_ARROW);
}

LRESULT FormWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return ::DefWindowProcW(hwnd_, WM_SETCURSOR, wParam, lParam);
  // The application's hourglass covers the child controls too.
  if (backend_.AppCursor() == tk::CursorKind::Wait) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
  }
  // A child control asks its parent first; FALSE lets it show its own cursor.
  if (reinterpret_cast<HWND>(wParam) != hwnd_) return FALSE;
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(hwnd_, &p);
  ::SetCursor(CursorAt(p.x, p.y));
  return TRUE;
}

void FormWindow::RefreshCursor() {
  if (!hwnd_ || !form_) return;
  POINT p{};
  if (!::GetCursorPos(&p)) return;
  HWND under = ::WindowFromPoint(p);
  if (under != hwnd_ && !(under && ::IsChild(hwnd_, under))) return;
  // A cursor set here lasts until the next WM_SETCURSOR, which asks again the same way.
  // Sent to the window under the pointer: a child control asks this form first, as it does
  // when the mouse moves.
  ::SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

LRESULT FormWindow::OnMouseButton(int button, bool down, WPARAM keys, LPARAM point) {
  const int x = GET_X_LPARAM(point);
  const int y = GET_Y_LPARAM(point);
  const int shift = ShiftCode(keys, ::GetKeyState(VK_MENU) < 0);
  // The window keeps the mouse while any button is down, so the release comes back here
  // even outside it.
  if (down) {
    if (::GetCapture() != hwnd_) ::SetCapture(hwnd_);
    form_->MouseDown(button, shift, x, y);
    return 0;
  }
  if (ButtonCode(keys) == 0 && ::GetCapture() == hwnd_) {
    // ReleaseCapture sends WM_CAPTURECHANGED at once: this release is no lost press.
    releasingCapture_ = true;
    ::ReleaseCapture();
    releasingCapture_ = false;
  }
  form_->MouseUp(button, shift, x, y);
  return 0;
}

LRESULT FormWindow::OnCaptureChanged(LPARAM newOwner) {
  // Windows took the mouse away mid-press (another program activated with Alt+Tab, a popup
  // menu or a system dialog): the release will never come here, so the press ends now.
  if (!releasingCapture_ && reinterpret_cast<HWND>(newOwner) != hwnd_) form_->CancelPress();
  return 0;
}

LRESULT FormWindow::OnCancelMode() {
  // Sent when this window is disabled under a dialog or a modal form; the default releases
  // the capture, and the press ends with it even where the window had none.
  form_->CancelPress();
  return ::DefWindowProcW(hwnd_, WM_CANCELMODE, 0, 0);
}

LRESULT FormWindow::OnMouseMove(WPARAM keys, LPARAM point) {
  const int x = GET_X_LPARAM(point);
  const int y = GET_Y_LPARAM(point);
  UpdateToolTip(x, y);
  form_->MouseMove(ButtonCode(keys), ShiftCode(keys, ::GetKeyState(VK_MENU) < 0), x, y);
  return 0;
}

}  // namespace hv::win32

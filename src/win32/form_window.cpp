#include "win32/form_window.h"

#include <windowsx.h>

#include <algorithm>

#include "win32/form_painter.h"
#include "win32/placement.h"
#include "win32/win32_backend.h"

namespace hv::win32 {

namespace {

constexpr DWORD kTitledStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// A form without a title bar (the picture holder is never shown) is a bare popup.
constexpr DWORD kBareStyle = WS_POPUP;
constexpr UINT_PTR kFirstTimerId = 1;

ScreenBox Box(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool FormWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = &FormWindow::Proc;
  cls.hInstance = instance;
  cls.hIcon = ::LoadIconW(instance, L"HARVALA");
  cls.hIconSm = static_cast<HICON>(::LoadImageW(instance, L"HARVALA", IMAGE_ICON,
                                                ::GetSystemMetrics(SM_CXSMICON),
                                                ::GetSystemMetrics(SM_CYSMICON), 0));
  cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = nullptr;  // WM_PAINT covers every pixel
  cls.lpszClassName = kFormClassName;
  return ::RegisterClassExW(&cls) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

FormWindow::FormWindow(Win32Backend& backend, tk::Form& form)
    : backend_(backend), form_(&form), children_(backend.Fonts()) {
  Create();
}

FormWindow::~FormWindow() { Retire(); }

void FormWindow::Create() {
  const DWORD style = form_->hasTitleBar ? kTitledStyle : kBareStyle;
  // The form's size is its client area; the frame comes on top of it.
  RECT frame{0, 0, form_->ClientWidth(), form_->ClientHeight()};
  ::AdjustWindowRectEx(&frame, style, FALSE, 0);
  const std::wstring caption = Widen(form_->Caption());
  ::CreateWindowExW(0, kFormClassName, caption.c_str(), style | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                    nullptr, backend_.Instance(), this);
  if (!hwnd_) return;
  if (!form_->iconResource.empty()) {
    const std::wstring name = Widen(form_->iconResource);
    if (HICON icon = ::LoadIconW(backend_.Instance(), name.c_str())) {
      ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    }
  }
  CenterOn(nullptr);
  children_.SyncAll(hwnd_, *form_);
  CreateToolTip();
  for (const auto& timer : form_->Timers()) SyncTimer(*timer);
}

void FormWindow::CenterOn(HWND owner) {
  // Without an owner, the primary monitor; with one, the monitor the owner is on, which may
  // lie left of or above the primary one.
  RECT over{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  HMONITOR monitor = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (owner && ::GetWindowRect(owner, &over)) {
    monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  }
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoW(monitor, &info)) info.rcWork = over;
  RECT mine{};
  ::GetWindowRect(hwnd_, &mine);
  const ScreenPoint at =
      CentredInside(Box(over), mine.right - mine.left, mine.bottom - mine.top, Box(info.rcWork));
  ::SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Show() {
  if (!hwnd_) return;
  ::ShowWindow(hwnd_, SW_SHOW);
  ::UpdateWindow(hwnd_);
}

void FormWindow::Hide() {
  if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::ShowModalOver(HWND owner) {
  if (!hwnd_) return;
  modalOwner_ = owner;
  if (owner) {
    // GWLP_HWNDPARENT on a top-level window sets its owner: it stays above the owner and
    // leaves the taskbar to it.
    ::SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    CenterOn(owner);
    ::EnableWindow(owner, FALSE);
  }
  Show();
}

void FormWindow::SyncAll() {
  if (!hwnd_) return;
  children_.SyncAll(hwnd_, *form_);
  SyncCaption();
}

void FormWindow::SyncControl(tk::Control& control) {
  if (hwnd_) children_.Sync(hwnd_, control);
}

void FormWindow::SyncTimer(const tk::Timer& timer) {
  if (!hwnd_) return;
  const auto& timers = form_->Timers();
  const auto found = std::find_if(timers.begin(), timers.end(),
                                  [&](const auto& owned) { return owned.get() == &timer; });
  if (found == timers.end()) return;
  const UINT_PTR id = kFirstTimerId + static_cast<UINT_PTR>(found - timers.begin());
  const auto running = std::find(runningTimers_.begin(), runningTimers_.end(), id);
  if (timer.Enabled() && timer.Interval() > 0) {
    // Setting a running timer again restarts its interval, as switching it on must.
    ::SetTimer(hwnd_, id, static_cast<UINT>(timer.Interval()), nullptr);
    if (running == runningTimers_.end()) runningTimers_.push_back(id);
  } else if (running != runningTimers_.end()) {
    ::KillTimer(hwnd_, id);
    runningTimers_.erase(running);
  }
}

void FormWindow::StopTimers() {
  if (hwnd_) {
    for (UINT_PTR id : runningTimers_) ::KillTimer(hwnd_, id);
  }
  runningTimers_.clear();
}

void FormWindow::SyncCaption() {
  if (!hwnd_) return;
  const std::wstring caption = Widen(form_->Caption());
  ::SetWindowTextW(hwnd_, caption.c_str());
}

void FormWindow::SetAlpha(std::uint8_t alpha) {
  if (!hwnd_) return;
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  if ((ex & WS_EX_LAYERED) == 0) ::SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(hwnd_, 0, alpha, LWA_ALPHA);
}

void FormWindow::Retire() {
  retired_ = true;
  form_ = nullptr;
  StopTimers();
  if (modalOwner_ && ::IsWindow(modalOwner_)) {
    // The owner must be enabled before this window goes, or Windows hands the activation to
    // some other program's window.
    ::EnableWindow(modalOwner_, TRUE);
    if (::GetActiveWindow() == hwnd_) ::SetActiveWindow(modalOwner_);
  }
  modalOwner_ = nullptr;
  if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK FormWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  ++self->depth_;
  const bool live = !self->retired_ && !self->backend_.Ended();
  const LRESULT result =
      live ? self->Handle(message, wParam, lParam) : self->HandleQuietly(message, wParam, lParam);
  // A handler may have unloaded the form; its window object goes once nothing of it runs.
  if (--self->depth_ == 0 && self->retired_) self->backend_.Reap(self);
  return result;
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel; erasing would flicker
    case WM_CLOSE:
      return OnClose();
    case WM_TIMER:
      return OnTimer(wParam);
    case WM_SETCURSOR:
      return OnSetCursor(wParam, lParam);
    case WM_MOUSEMOVE:
      return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN:
      return OnMouseButton(1, true, wParam, lParam);
    case WM_LBUTTONUP:
      return OnMouseButton(1, false, wParam, lParam);
    case WM_RBUTTONDOWN:
      return OnMouseButton(2, true, wParam, lParam);
    case WM_RBUTTONUP:
      return OnMouseButton(2, false, wParam, lParam);
    case WM_MBUTTONDOWN:
      return OnMouseButton(4, true, wParam, lParam);
    case WM_MBUTTONUP:
      return OnMouseButton(4, false, wParam, lParam);
    case WM_CAPTURECHANGED:
      return OnCaptureChanged(lParam);
    case WM_CANCELMODE:
      return OnCancelMode();
    case WM_ACTIVATE:
      return OnActivate(wParam, lParam);
    case WM_SETFOCUS:
      return OnSetFocus(reinterpret_cast<HWND>(wParam));
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam);
    case WM_SHOWWINDOW:
      return OnShowWindow(wParam, lParam);
    case WM_HSCROLL:
      return OnHScroll(wParam, lParam);
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_CTLCOLORSTATIC:
      return OnColorStatic(wParam, lParam);
    case WM_NCDESTROY:
      return OnNcDestroy(wParam, lParam);
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

LRESULT FormWindow::HandleQuietly(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      return 0;  // the default would destroy the window behind the model's back
    case WM_TIMER:
      return 0;
    case WM_NCDESTROY:
      return OnNcDestroy(wParam, lParam);
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

LRESULT FormWindow::OnPaint() {
  PaintGuard paint(hwnd_);
  if (!paint.dc()) return 0;
  const int width = form_->ClientWidth();
  const int height = form_->ClientHeight();
  MemDc memory(::CreateCompatibleDC(paint.dc()));
  GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(paint.dc(), width, height));
  if (!memory || !bitmap) {
    PaintForm(paint.dc(), *form_, backend_.Fonts());  // no room for a buffer: flicker instead
    return 0;
  }
  SelectGuard selected(memory.get(), bitmap.get());
  const RECT& dirty = paint.ps().rcPaint;
  // Only the dirty part is copied to the screen, so GDI may skip the rest of the drawing.
  ::IntersectClipRect(memory.get(), dirty.left, dirty.top, dirty.right, dirty.bottom);
  PaintForm(memory.get(), *form_, backend_.Fonts());
  ::BitBlt(paint.dc(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           memory.get(), dirty.left, dirty.top, SRCCOPY);
  return 0;
}

LRESULT FormWindow::OnClose() {
  // The close box asks the model, which may cancel (a fade-out) or unload the form.
  form_->RequestClose();
  return 0;
}

LRESULT FormWindow::OnTimer(WPARAM id) {
  const auto& timers = form_->Timers();
  if (id < kFirstTimerId || id - kFirstTimerId >= timers.size()) return 0;
  timers[id - kFirstTimerId]->Fire();
  return 0;
}

LRESULT FormWindow::OnHScroll(WPARAM wParam, LPARAM lParam) {
  if (lParam) children_.OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
  return 0;
}

LRESULT FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam) children_.OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
  return 0;
}

LRESULT FormWindow::OnColorStatic(WPARAM wParam, LPARAM lParam) {
  HBRUSH brush =
      children_.OnColorStatic(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
  if (brush) return reinterpret_cast<LRESULT>(brush);
  return ::DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, wParam, lParam);
}

LRESULT FormWindow::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  // The children and the tooltip went with the window.
  children_.Forget();
  runningTimers_.clear();
  hwnd_ = nullptr;
  tooltip_ = nullptr;
  return ::DefWindowProcW(hwnd, WM_NCDESTROY, wParam, lParam);
}

}  // namespace hv::win32

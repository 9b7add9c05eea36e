#include "win32/win32_backend.h"

#include <algorithm>

#include "toolkit/timer.h"
#include "win32/clipboard.h"
#include "win32/popup_menu.h"

namespace hv::win32 {

namespace {

// A bound on the messages one DoEvents handles: a timer whose handler outlasts its interval
// would otherwise keep the queue from ever running dry.
constexpr int kDoEventsBudget = 1000;

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  FormWindow::RegisterWindowClass(instance_);
  // Resource cursors are shared: nothing to destroy.
  customCursor_ = ::LoadCursorW(instance_, L"CURSOR");
}

Win32Backend::~Win32Backend() {
  // The forms may be gone already: their windows go without a word to the model.
  ended_ = true;
  for (auto& window : windows_) window->Retire();
  windows_.clear();
  retired_.clear();
}

FormWindow* Win32Backend::Find(const tk::Form& form) const {
  for (const auto& window : windows_) {
    if (window->Model() == &form) return window.get();
  }
  return nullptr;
}

HWND Win32Backend::WindowOf(const tk::Form& form) const {
  const FormWindow* window = Find(form);
  return window ? window->Hwnd() : nullptr;
}

HWND Win32Backend::ControlWindow(const tk::Control& control) const {
  const FormWindow* window = Find(control.Owner());
  return window ? window->ChildWindowOf(control) : nullptr;
}

FormWindow& Win32Backend::EnsureWindow(tk::Form& form) {
  if (FormWindow* existing = Find(form)) return *existing;
  windows_.push_back(std::make_unique<FormWindow>(*this, form));
  form.nativeHandle = reinterpret_cast<std::uintptr_t>(windows_.back()->Hwnd());
  return *windows_.back();
}

void Win32Backend::RetireWindow(tk::Form& form) {
  const auto found = std::find_if(windows_.begin(), windows_.end(),
                                  [&](const auto& window) { return window->Model() == &form; });
  if (found == windows_.end()) return;
  std::unique_ptr<FormWindow> window = std::move(*found);
  windows_.erase(found);
  form.nativeHandle = 0;
  window->Retire();
  // Its procedure may be running further up the stack (a handler that unloads its own
  // form): it is freed when that returns.
  if (window->Busy()) retired_.push_back(std::move(window));
}

void Win32Backend::Reap(FormWindow* window) {
  const auto found = std::find_if(retired_.begin(), retired_.end(),
                                  [&](const auto& owned) { return owned.get() == window; });
  if (found != retired_.end()) retired_.erase(found);
}

void Win32Backend::FormCreated(tk::Form& form) {
  // The window may have been made early (a fade set up before the first show) while the
  // model was still being built: bring it up to date.
  FormWindow& window = EnsureWindow(form);
  window.SyncAll();
  for (const auto& timer : form.Timers()) window.SyncTimer(*timer);
}

void Win32Backend::ShowForm(tk::Form& form) {
  if (!ended_) EnsureWindow(form).Show();
}

void Win32Backend::ShowModal(tk::Form& form, tk::Form* owner) {
  if (ended_) return;
  FormWindow& window = EnsureWindow(form);
  // Without a window nothing could ever close the form: the modal loop would never end.
  if (!window.Hwnd()) return;
  HWND ownerWindow = owner ? WindowOf(*owner) : nullptr;
  window.ShowModalOver(ownerWindow);
  RunModalLoop(form);
  if (ownerWindow && ::IsWindow(ownerWindow)) ::EnableWindow(ownerWindow, TRUE);
}

void Win32Backend::RunModalLoop(const tk::Form& form) {
  MSG message{};
  while (!ended_) {
    const FormWindow* window = Find(form);
    if (!window || !window->Hwnd()) return;
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return;
    if (got == 0) {
      // WM_QUIT belongs to the program's own loop: put it back for that one.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

void Win32Backend::Dispatch(MSG& message) {
  if (message.message == WM_KEYDOWN && message.hwnd) {
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    for (const auto& window : windows_) {
      if (window->Hwnd() != root) continue;
      // A used key is not translated: no WM_CHAR follows it to the control.
      if (window->TranslateKey(message)) return;
      break;
    }
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void Win32Backend::HideForm(tk::Form& form) {
  if (FormWindow* window = Find(form)) window->Hide();
}

void Win32Backend::DestroyForm(tk::Form& form) { RetireWindow(form); }

void Win32Backend::FormDestroying(tk::Form& form) { RetireWindow(form); }

void Win32Backend::Invalidate(tk::Form& form, const tk::Rect& r) {
  HWND hwnd = WindowOf(form);
  if (!hwnd) return;
  const RECT area{r.left, r.top, r.left + r.width, r.top + r.height};
  ::InvalidateRect(hwnd, &area, FALSE);
}

void Win32Backend::RepaintNow(tk::Form& form) {
  if (HWND hwnd = WindowOf(form)) {
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void Win32Backend::ControlChanged(tk::Control& control) {
  if (FormWindow* window = Find(control.Owner())) window->SyncControl(control);
}

void Win32Backend::TimerChanged(tk::Timer& timer) {
  if (ended_) return;
  // A timer switched on before the form is shown (the fade-in) needs the window already.
  if (timer.Enabled()) {
    EnsureWindow(timer.Owner()).SyncTimer(timer);
  } else if (FormWindow* window = Find(timer.Owner())) {
    window->SyncTimer(timer);
  }
}

void Win32Backend::FormCaptionChanged(tk::Form& form) {
  if (FormWindow* window = Find(form)) window->SyncCaption();
}

void Win32Backend::SetLayeredAlpha(tk::Form& form, std::uint8_t alpha) {
  // Start-up makes the main window transparent before it is first shown: the window is
  // made now, hidden, so that it appears already transparent.
  EnsureWindow(form).SetAlpha(alpha);
}

void Win32Backend::SetAppCursor(tk::CursorKind cursor) {
  appCursor_ = cursor;
  // A handler busy with a long query shows the hourglass without the mouse moving.
  for (const auto& window : windows_) window->RefreshCursor();
}

void Win32Backend::ControlCursorChanged(tk::Control& control) {
  if (FormWindow* window = Find(control.Owner())) window->RefreshCursor();
}

std::optional<int> Win32Backend::PopupMenu(tk::Form& form, const tk::Menu& menu, int x, int y,
                                           bool atPointer, std::optional<int> defaultItem) {
  if (ended_) return std::nullopt;
  HWND hwnd = EnsureWindow(form).Hwnd();
  if (!hwnd) return std::nullopt;
  POINT at{x, y};
  if (atPointer) {
    ::GetCursorPos(&at);
  } else {
    ::ClientToScreen(hwnd, &at);
  }
  return TrackPopup(hwnd, menu, at, defaultItem);
}

void Win32Backend::SetClipboardText(const std::string& utf8) {
  for (const auto& window : windows_) {
    if (window->Hwnd()) {
      PutClipboardText(window->Hwnd(), Widen(utf8));
      return;
    }
  }
}

tk::TextSize Win32Backend::MeasureText(const tk::Font& font, const std::string& utf8) {
  return fonts_.Measure(font, Widen(utf8));
}

void Win32Backend::DoEvents() {
  MSG message{};
  for (int handled = 0; handled < kDoEventsBudget && !ended_; ++handled) {
    if (!::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
      return;
    }
    Dispatch(message);
  }
}

void Win32Backend::EndProgram() {
  if (ended_) return;
  ended_ = true;
  for (const auto& window : windows_) {
    window->StopTimers();
    window->Hide();
  }
  ::PostQuitMessage(0);
}

}  // namespace hv::win32

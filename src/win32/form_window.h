#pragma once
// The real top-level window of one form: it paints the model, keeps the child controls and
// timers in step with it, and turns window messages into the model's events.
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/form.h"
#include "win32/child_controls.h"

namespace hv::win32 {

class Win32Backend;

inline constexpr const wchar_t* kFormClassName = L"HarvalaForm";

class FormWindow {
 public:
  FormWindow(Win32Backend& backend, tk::Form& form);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  static bool RegisterWindowClass(HINSTANCE instance);

  const tk::Form* Model() const { return form_; }
  HWND Hwnd() const { return hwnd_; }
  // A window procedure of this window is running further up the stack.
  bool Busy() const { return depth_ > 0; }

  HWND ChildWindowOf(const tk::Control& control) const { return children_.WindowOf(control); }

  void Show();
  void Hide();
  void ShowModalOver(HWND owner);
  void SyncAll();
  void SyncControl(tk::Control& control);
  void SyncTimer(const tk::Timer& timer);
  void StopTimers();
  void SyncCaption();
  void SetAlpha(std::uint8_t alpha);
  // Shows the cursor that applies now when the pointer is over this window: the model
  // changed it without the mouse moving.
  void RefreshCursor();
  // The form is gone or unloaded: destroys the window without calling into the model again.
  void Retire();
  // The keys that move between and press the child controls, seen before the message is
  // dispatched. True when the key was used up here; `this` may be gone afterwards.
  bool TranslateKey(const MSG& message);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleQuietly(UINT message, WPARAM wParam, LPARAM lParam);
  void Create();
  void CreateToolTip();
  void CenterOn(HWND owner);

  LRESULT OnPaint();
  LRESULT OnClose();
  LRESULT OnTimer(WPARAM id);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseButton(int button, bool down, WPARAM keys, LPARAM point);
  LRESULT OnMouseMove(WPARAM keys, LPARAM point);
  LRESULT OnCaptureChanged(LPARAM newOwner);
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFocus(HWND from);
  LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
  LRESULT OnCancelMode();
  LRESULT OnHScroll(WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnColorStatic(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);

  void SaveFocus();
  bool RestoreFocus();
  bool FocusOnChild() const;

  HCURSOR CursorAt(int x, int y) const;
  void UpdateToolTip(int x, int y);

  Win32Backend& backend_;
  tk::Form* form_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND modalOwner_ = nullptr;
  ChildControls children_;
  std::vector<UINT_PTR> runningTimers_;
  const tk::Control* tipControl_ = nullptr;
  std::string tipText_;
  int depth_ = 0;
  bool retired_ = false;
  bool releasingCapture_ = false;  // our own ReleaseCapture after the last button went up
  // The child control that had the focus when the window went inactive, minimized or hidden;
  // it gets the focus back when the window comes back.
  HWND lastFocus_ = nullptr;
};

}  // namespace hv::win32

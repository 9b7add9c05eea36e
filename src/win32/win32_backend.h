#pragma once
// The toolkit rendered in real windows: one top-level window per form, painted from the
// model, with real child controls, timers, tooltips, cursors, popup menus and the clipboard.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/form.h"
#include "win32/font_cache.h"
#include "win32/form_window.h"

namespace hv::win32 {

class Win32Backend final : public tk::Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  void FormCreated(tk::Form& form) override;
  void ShowForm(tk::Form& form) override;
  void ShowModal(tk::Form& form, tk::Form* owner) override;
  void HideForm(tk::Form& form) override;
  void DestroyForm(tk::Form& form) override;
  void FormDestroying(tk::Form& form) override;
  void Invalidate(tk::Form& form, const tk::Rect& clientRect) override;
  void RepaintNow(tk::Form& form) override;
  void ControlChanged(tk::Control& control) override;
  void TimerChanged(tk::Timer& timer) override;
  void FormCaptionChanged(tk::Form& form) override;
  void SetLayeredAlpha(tk::Form& form, std::uint8_t alpha) override;
  void SetAppCursor(tk::CursorKind cursor) override;
  void ControlCursorChanged(tk::Control& control) override;
  std::optional<int> PopupMenu(tk::Form& form, const tk::Menu& menu, int x, int y, bool atPointer,
                               std::optional<int> defaultItem) override;
  void SetClipboardText(const std::string& utf8) override;
  tk::TextSize MeasureText(const tk::Font& font, const std::string& utf8) override;
  void DoEvents() override;
  void EndProgram() override;
  bool Ended() const override { return ended_; }

  // Hands one message to its window, as every message loop of the program must: the keys
  // that move between a form's controls are taken first.
  void Dispatch(MSG& message);

  // For the form windows.
  HINSTANCE Instance() const { return instance_; }
  FontCache& Fonts() { return fonts_; }
  tk::CursorKind AppCursor() const { return appCursor_; }
  HCURSOR CustomCursor() const { return customCursor_; }
  // Frees a retired window object once its procedure has returned.
  void Reap(FormWindow* window);
  // The form's window, nullptr while it has none.
  HWND WindowOf(const tk::Form& form) const;
  // The real child window of a scroll bar, list, check box or button; nullptr for others.
  HWND ControlWindow(const tk::Control& control) const;

 private:
  FormWindow* Find(const tk::Form& form) const;
  FormWindow& EnsureWindow(tk::Form& form);
  void RunModalLoop(const tk::Form& form);
  void RetireWindow(tk::Form& form);

  HINSTANCE instance_;
  FontCache fonts_;
  HCURSOR customCursor_ = nullptr;
  tk::CursorKind appCursor_ = tk::CursorKind::Default;
  bool ended_ = false;
  std::vector<std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> retired_;
};

}  // namespace hv::win32

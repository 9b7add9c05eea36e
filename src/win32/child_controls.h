#pragma once
// The real child windows of a form: scroll bars, the drop-down list, check boxes and
// buttons. They are made from the model when the form's window is made, follow every change
// of the model, and report the user's actions back to it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/form.h"
#include "win32/font_cache.h"
#include "win32/raii.h"

namespace hv::win32 {

// Whether a control of this kind is a real child window (picture boxes are painted).
bool IsChildWindowKind(tk::ControlKind kind);

// Where a scroll bar notification moves the thumb, and whether the thumb is being dragged;
// nullopt for notifications that move nothing (the end of a scroll).
struct ScrollMove {
  int value;
  bool dragging;
  bool operator==(const ScrollMove&) const = default;
};
std::optional<ScrollMove> ScrollTarget(const tk::HScrollBar& bar, int code, int trackPos);

class ChildControls {
 public:
  ChildControls(FontCache& fonts) : fonts_(fonts) {}
  ChildControls(const ChildControls&) = delete;
  ChildControls& operator=(const ChildControls&) = delete;

  // Makes the windows that are missing (controls added since) and brings all up to date.
  void SyncAll(HWND parent, const tk::Form& form);
  void Sync(HWND parent, tk::Control& control);
  void Forget() { children_.clear(); }  // the windows went with their parent
  HWND WindowOf(const tk::Control& control) const;
  // The control that takes the focus after `from` (before it when backwards), in the order
  // of the controls on the form, wrapping round: visible, enabled tab stops only. From a
  // window that is none of them, the first (or last). Nullptr when none can take it.
  HWND NextTabStop(HWND from, bool backwards) const;
  bool IsButton(HWND hwnd) const;

  // The notifications a child sends its parent. These run the model's handlers, which may
  // unload the form: the caller touches nothing of the form afterwards.
  void OnHScroll(HWND bar, int code);
  void OnCommand(HWND child, int code);
  HBRUSH OnColorStatic(HWND child, HDC dc);

 private:
  struct Child {
    tk::Control* control;
    HWND hwnd;
    HFONT font = nullptr;
    std::vector<std::string> items;  // what the drop-down list holds now
    GdiObject<HBRUSH> brush;
    tk::Color brushColor = 0;
  };
  Child* Find(HWND hwnd);
  Child* Create(HWND parent, tk::Control& control);
  void SyncFont(Child& child, const tk::Font& font);
  void SyncKind(Child& child);
  void SyncScrollBar(Child& child, const tk::HScrollBar& bar);
  void SyncComboBox(Child& child, const tk::ComboBox& combo);
  void SyncText(HWND hwnd, const std::string& utf8);

  FontCache& fonts_;
  std::vector<Child> children_;
};

}  // namespace hv::win32

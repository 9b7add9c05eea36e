#pragma once
// What a platform must provide to bring forms to life. The headless backend records all of
// it for tests; the Win32 backend renders the model in real windows.
#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"

namespace hv::tk {

class Form;
class Timer;
struct Menu;

class Backend {
 public:
  virtual ~Backend() = default;

  virtual void FormCreated(Form& form) = 0;
  virtual void ShowForm(Form& form) = 0;
  // Shows the form modally: returns only once the form has been unloaded. The owner takes
  // no input meanwhile; timers and repaints go on.
  virtual void ShowModal(Form& form, Form* owner) = 0;
  virtual void HideForm(Form& form) = 0;
  virtual void DestroyForm(Form& form) = 0;  // the form is unloaded; no more calls for it
  // The form object itself is going away: forget every pointer to it, its controls and its
  // timers. (A form unloaded earlier got DestroyForm already.)
  virtual void FormDestroying(Form& form) { (void)form; }

  virtual void Invalidate(Form& form, const Rect& clientRect) = 0;  // repaint later
  virtual void RepaintNow(Form& form) = 0;
  virtual void ControlChanged(Control& control) = 0;  // windowed controls resync here
  virtual void TimerChanged(Timer& timer) = 0;
  virtual void FormCaptionChanged(Form& form) = 0;

  // Makes the window layered (for good) and sets its constant alpha.
  virtual void SetLayeredAlpha(Form& form, std::uint8_t alpha) = 0;
  // The application-wide cursor (Screen.MousePointer); Default lets controls choose.
  virtual void SetAppCursor(CursorKind cursor) = 0;
  virtual void ControlCursorChanged(Control& control) = 0;

  // Opens a popup menu at (x, y) of the form's client area, or at the mouse pointer when
  // atPointer; returns the index of the chosen item, or nullopt. The caller runs its handler.
  virtual std::optional<int> PopupMenu(Form& form, const Menu& menu, int x, int y, bool atPointer,
                                       std::optional<int> defaultItem) = 0;

  virtual void SetClipboardText(const std::string& utf8) = 0;
  virtual TextSize MeasureText(const Font& font, const std::string& utf8) = 0;
  virtual void DoEvents() = 0;
  // Ends the program at once: no further handler runs.
  virtual void EndProgram() = 0;
  virtual bool Ended() const = 0;
};

}  // namespace hv::tk

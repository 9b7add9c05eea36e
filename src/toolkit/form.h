#pragma once
// A form: a top-level window with its controls, timers and popup menus. The form owns them;
// they live as long as the form object. Showing, closing and painting go through the
// backend it was created with.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"

namespace hv::tk {

class Form {
 public:
  Form(Backend& backend, std::string name, int clientWidth, int clientHeight);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Backend& GetBackend() const { return backend_; }
  const std::string& Name() const { return name_; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string c);
  Color BackColor = Rgb(255, 255, 255);
  Font font;
  std::string iconResource;  // the window icon's asset name; empty for none
  bool hasTitleBar = true;   // fixed single border with a title bar and close box

  // Creates a control owned by this form, inside container (nullptr: the form itself).
  template <class T>
  T& Add(std::string name, PictureBox* container = nullptr) {
    auto owned = std::make_unique<T>(*this, std::move(name), container);
    T& ref = *owned;
    Adopt(std::move(owned));
    return ref;
  }
  Timer& AddTimer(std::string name, int intervalMs);
  Menu& AddMenu(std::string name);
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& Timers() const { return timers_; }
  Control* Find(const std::string& name) const;

  // Lifecycle. Show creates the window on first use.
  void Show();
  void ShowModal(Form* owner);
  void Hide();
  // A close request (the Exit item or the title bar's close box): runs onUnload, which may
  // cancel; otherwise the form is unloaded. Returns true when the form was unloaded.
  bool RequestClose();
  bool Loaded() const { return loaded_; }
  // True once the form has been unloaded (until it is shown again): its timers stay silent.
  bool Unloaded() const { return unloaded_; }
  bool Visible() const { return visible_; }
  std::function<void(bool& cancel)> onUnload;
  // Runs after the form has been unloaded (the main window ends the program here).
  std::function<void()> onUnloaded;

  void Refresh();  // repaint now
  void Invalidate(const Rect& r);
  void InvalidateAll();
  // Opens a popup; runs the chosen item's handler before returning.
  void PopupMenu(Menu& menu, int x, int y, bool atPointer, std::optional<int> defaultItem);

  // Mouse input in client coordinates, from the backend. The control under the pointer gets
  // MouseDown and MouseMove; MouseUp goes to the control that got the MouseDown, and a Click
  // follows when the release is over that same control. Presses on no control reach the
  // form's own handlers. Disabled and hidden controls are passed through. As on Windows,
  // while a button is held the pressed control (or the form) keeps the mouse: moves go to
  // it too, and a Click needs the left button. Handlers get coordinates relative to their
  // control.
  void MouseDown(int button, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  // The platform took the mouse away mid-press (another window became active, a system
  // dialog opened): the press ends here, with no MouseUp and no Click, and the next press
  // starts afresh where it lands.
  void CancelPress();
  MouseHandler onMouseDown, onMouseUp, onMouseMove;
  // The topmost visible, enabled control at a client point (nullptr: the form).
  Control* ControlAt(int x, int y) const;
  // The cursor that applies at a client point (the app cursor is the backend's matter).
  CursorKind CursorAt(int x, int y) const;
  // The control whose own cursor setting CursorAt returned (nullptr: none, the arrow).
  const Control* CursorSourceAt(int x, int y) const;

  // Painting order for a backend: every visible control, bottom to top, with its client
  // rectangle clipped to its containers.
  struct PaintItem {
    Control* control;
    Rect clientBounds;  // unclipped position in client coordinates
    Rect clip;          // what of it may show (may be empty)
  };
  std::vector<PaintItem> PaintList() const;

  // Native window handle, set by the backend (0 headless); for system dialogs and the shell.
  std::uintptr_t nativeHandle = 0;

  // Called by Control when it changes.
  void ControlChanged(Control& c, const Rect& oldClientBounds);

 private:
  void Adopt(std::unique_ptr<Control> c);
  void EnsureCreated();
  std::vector<Control*> StackOf(const PictureBox* container) const;
  Control* HitIn(const PictureBox* container, int x, int y) const;
  void PaintInto(const PictureBox* container, const Rect& clip, std::vector<PaintItem>& out) const;
  void ClickControl(Control& c);

  Backend& backend_;
  std::string name_;
  int clientWidth_;
  int clientHeight_;
  std::string caption_;
  bool created_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  bool unloaded_ = false;
  bool unloading_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Control*> topLevel_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::vector<std::unique_ptr<Menu>> menus_;
  Control* captured_ = nullptr;
  int capturedButton_ = 0;
};

}  // namespace hv::tk

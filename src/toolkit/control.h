#pragma once
// The controls of a form, modelled with the properties Harvala uses. A control never draws
// itself: the backend renders the model (Win32) or records it (headless). Every property
// change notifies the owning form, which tells the backend what to repaint or update.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/font.h"
#include "toolkit/picture.h"

namespace hv::tk {

class Form;
class PictureBox;

// Cursor settings as the code names them: 0 the control's default, 1 the arrow,
// 11 the wait cursor (hourglass), 99 the custom cursor (the control's own picture).
enum class CursorKind { Default = 0, Arrow = 1, Wait = 11, Custom = 99 };

enum class ControlKind {
  Label,
  PictureBox,
  Image,
  Line,
  HScrollBar,
  ComboBox,
  CheckBox,
  CommandButton
};

// Mouse buttons as events report them: 1 left, 2 right, 4 middle.
using MouseHandler = std::function<void(int button, int shift, int x, int y)>;
using ClickHandler = std::function<void()>;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool Contains(int x, int y) const {
    return x >= left && y >= top && x < left + width && y < top + height;
  }
  bool operator==(const Rect&) const = default;
};

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, PictureBox* container);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& Owner() const { return form_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  PictureBox* Container() const { return container_; }
  // Windowed controls (picture boxes, scroll bars, combo, check box, buttons) lie above the
  // windowless ones (labels, images, lines) of the same container, as on Windows.
  bool Windowed() const;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const Rect& Bounds() const { return bounds_; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  void Move(int left, int top, int width, int height);
  // The control's rectangle in its form's client coordinates.
  Rect ClientBounds() const;
  // Visible here and in every container up to the form.
  bool ShownOnForm() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  CursorKind Cursor() const { return cursor_; }
  void SetCursor(CursorKind c);
  // Whether a custom cursor picture was stored with this control's design.
  bool HasCustomCursor() const { return hasCustomCursor_; }
  void SetHasCustomCursor(bool v) { hasCustomCursor_ = v; }
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string t);

  MouseHandler onMouseDown, onMouseUp, onMouseMove;
  ClickHandler onClick;

 protected:
  void Changed();  // repaint / resync request to the backend
  void Resized();  // bounds changed
  // Every change of position or size goes through here: it tells the form the old place.
  void SetBounds(const Rect& r);

 private:
  // A container's move, hiding or disabling carries its windowed descendants along.
  void NotifyDescendants();

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  PictureBox* container_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  CursorKind cursor_ = CursorKind::Default;
  bool hasCustomCursor_ = false;
  std::string toolTip_;
};

class Label : public Control {
 public:
  Label(Form& form, std::string name, PictureBox* container = nullptr);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string text);  // re-measures when auto-sized
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c);
  bool Transparent() const { return transparent_; }  // background shows through
  void SetTransparent(bool v);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);

 private:
  void Measure();
  TextSize MeasureWrapped(const std::string& text, int width) const;
  std::string caption_;
  bool autoSize_ = false;
  Font font_;
  Color foreColor_ = Rgb(0, 0, 0);
  bool transparent_ = true;
  Color backColor_ = Rgb(255, 255, 255);
  bool wordWrap_ = false;
};

// A picture box: an assigned picture with a persistent drawn image on top. Assigning a
// picture resets the drawn image to it; Cls clears the drawn image back to the assigned
// picture (or to the back colour where none is assigned). Also a container of controls.
// An image control is a PictureBox of kind Image: windowless, no drawn layer of its own use.
class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, PictureBox* container = nullptr,
             ControlKind kind = ControlKind::PictureBox);
  const std::shared_ptr<const Picture>& Assigned() const { return assigned_; }
  void SetPicture(std::shared_ptr<const Picture> p);  // also resets the drawn image
  void Cls();
  // The drawn image, always Width() × Height(); writes must be followed by Refresh().
  Picture& Image() { return image_; }
  const Picture& Image() const { return image_; }
  void Refresh() { Changed(); }
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  const std::vector<Control*>& Children() const { return children_; }
  void AddChild(Control* c) { children_.push_back(c); }

 private:
  void ResetImage();
  std::shared_ptr<const Picture> assigned_;
  Picture image_;
  Color backColor_ = Rgb(255, 255, 255);
  std::vector<Control*> children_;
  friend class Control;
};

// An image control: a windowless picture (labels stack with it, not beneath it).
class ImageBox : public PictureBox {
 public:
  ImageBox(Form& form, std::string name, PictureBox* container = nullptr)
      : PictureBox(form, std::move(name), container, ControlKind::Image) {}
};

// A line is placed by its points; its bounds are the box around them, at least 1 × 1.
class Line : public Control {
 public:
  Line(Form& form, std::string name, PictureBox* container = nullptr);
  int X1() const { return x1_; }
  int Y1() const { return y1_; }
  int X2() const { return x2_; }
  int Y2() const { return y2_; }
  void SetPoints(int x1, int y1, int x2, int y2);
  void SetY(int y1, int y2) { SetPoints(x1_, y1, x2_, y2); }
  Color LineColor() const { return color_; }
  void SetLineColor(Color c);

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Color color_ = Rgb(0, 0, 0);
};

class HScrollBar : public Control {
 public:
  HScrollBar(Form& form, std::string name, PictureBox* container = nullptr);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  void SetRange(int min, int max);
  // Clamped to the range; raises onChange when the value changes.
  void SetValue(int v);
  int SmallChange = 1;
  int LargeChange = 10;
  ClickHandler onChange;  // value set by code or by the user's final move
  ClickHandler onScroll;  // the thumb being dragged (value already updated)
  // The backend reports the user's moves here.
  void UserScroll(int v, bool dragging);

 private:
  int min_ = 0, max_ = 32767, value_ = 0;
};

class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, PictureBox* container = nullptr);
  const std::vector<std::string>& Items() const { return items_; }
  void Clear();
  void AddItem(std::string text);
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int i);  // raises onClick when it changes, as a drop-down list does
  std::string Text() const;
  Font font;

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, PictureBox* container = nullptr);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string text);
  int Value() const { return value_; }  // 0 clear, 1 ticked
  void SetValue(int v);                 // raises onClick when it changes
  Font font;
  Color BackColor = Rgb(255, 255, 255);

 private:
  std::string caption_;
  int value_ = 0;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, PictureBox* container = nullptr);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string text);
  Font font;

 private:
  std::string caption_;
};

}  // namespace hv::tk

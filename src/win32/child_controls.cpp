#include "win32/child_controls.h"

#include <algorithm>

namespace hv::win32 {

namespace {

// A drop-down list's window includes its list: this much room below the field.
constexpr int kDropDownHeight = 160;

struct ChildStyle {
  const wchar_t* className;
  DWORD style;
};

ChildStyle StyleOf(tk::ControlKind kind) {
  switch (kind) {
    case tk::ControlKind::HScrollBar:
      // A tab stop, so the arrow keys can move it; a click gives it the focus too.
      return {L"SCROLLBAR", SBS_HORZ | WS_TABSTOP};
    case tk::ControlKind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case tk::ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    default:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
  }
}

int WindowHeight(const tk::Control& control) {
  const int height = control.ClientBounds().height;
  return control.Kind() == tk::ControlKind::ComboBox ? height + kDropDownHeight : height;
}

// A backwards bar (Min above Max) shows its value mirrored, so that Min stays at the left.
int Mirror(const tk::HScrollBar& bar, int value) {
  const long long mirrored = static_cast<long long>(bar.Min()) + bar.Max() - value;
  return static_cast<int>(std::clamp<long long>(mirrored, bar.Max(), bar.Min()));
}
int ShownPosition(const tk::HScrollBar& bar, int value) {
  return bar.Min() <= bar.Max() ? value : Mirror(bar, value);
}

// Click handlers are copied before they run: a handler may replace itself.
void RunClick(tk::ClickHandler handler) {
  if (handler) handler();
}

}  // namespace

bool IsChildWindowKind(tk::ControlKind kind) {
  return kind == tk::ControlKind::HScrollBar || kind == tk::ControlKind::ComboBox ||
         kind == tk::ControlKind::CheckBox || kind == tk::ControlKind::CommandButton;
}

std::optional<ScrollMove> ScrollTarget(const tk::HScrollBar& bar, int code, int trackPos) {
  const int low = std::min(bar.Min(), bar.Max());
  const int high = std::max(bar.Min(), bar.Max());
  // A bar whose Min exceeds its Max runs backwards: its left end is Min.
  const int step = bar.Min() <= bar.Max() ? 1 : -1;
  const long long value = bar.Value();
  long long target;
  switch (code) {
    case SB_LINELEFT:
      target = value - step * static_cast<long long>(bar.SmallChange);
      break;
    case SB_LINERIGHT:
      target = value + step * static_cast<long long>(bar.SmallChange);
      break;
    case SB_PAGELEFT:
      target = value - step * static_cast<long long>(bar.LargeChange);
      break;
    case SB_PAGERIGHT:
      target = value + step * static_cast<long long>(bar.LargeChange);
      break;
    case SB_LEFT:
      target = bar.Min();
      break;
    case SB_RIGHT:
      target = bar.Max();
      break;
    case SB_THUMBTRACK:
      return ScrollMove{std::clamp(trackPos, low, high), true};
    case SB_THUMBPOSITION:
      return ScrollMove{std::clamp(trackPos, low, high), false};
    default:
      return std::nullopt;
  }
  return ScrollMove{static_cast<int>(std::clamp<long long>(target, low, high)), false};
}

void ChildControls::SyncAll(HWND parent, const tk::Form& form) {
  for (const auto& control : form.Controls()) Sync(parent, *control);
}

ChildControls::Child* ChildControls::Create(HWND parent, tk::Control& control) {
  const ChildStyle style = StyleOf(control.Kind());
  const tk::Rect r = control.ClientBounds();
  HWND hwnd = ::CreateWindowExW(0, style.className, L"", WS_CHILD | style.style, r.left, r.top,
                                r.width, WindowHeight(control), parent, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  children_.push_back(Child{&control, hwnd, nullptr, {}, {}, 0});
  return &children_.back();
}

void ChildControls::Sync(HWND parent, tk::Control& control) {
  if (!IsChildWindowKind(control.Kind())) return;
  auto found = std::find_if(children_.begin(), children_.end(),
                            [&](const Child& child) { return child.control == &control; });
  Child* child = found != children_.end() ? &*found : Create(parent, control);
  if (child) SyncKind(*child);
}

HWND ChildControls::WindowOf(const tk::Control& control) const {
  for (const Child& child : children_) {
    if (child.control == &control) return child.hwnd;
  }
  return nullptr;
}

HWND ChildControls::NextTabStop(HWND from, bool backwards) const {
  const auto takesFocus = [](HWND hwnd) {
    return ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd) &&
           (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP) != 0;
  };
  const std::size_t count = children_.size();
  std::size_t start = count;  // past the end: not one of ours
  for (std::size_t i = 0; i < count; ++i) {
    if (children_[i].hwnd == from) start = i;
  }
  for (std::size_t step = 1; step <= count; ++step) {
    std::size_t i;
    if (start == count) {
      i = backwards ? count - step : step - 1;
    } else {
      i = backwards ? (start + count - step) % count : (start + step) % count;
    }
    if (takesFocus(children_[i].hwnd)) return children_[i].hwnd;
  }
  return nullptr;
}

bool ChildControls::IsButton(HWND hwnd) const {
  for (const Child& child : children_) {
    if (child.hwnd == hwnd) return child.control->Kind() == tk::ControlKind::CommandButton;
  }
  return false;
}

ChildControls::Child* ChildControls::Find(HWND hwnd) {
  for (Child& child : children_) {
    if (child.hwnd == hwnd) return &child;
  }
  return nullptr;
}

void ChildControls::SyncKind(Child& child) {
  const tk::Control& control = *child.control;
  const tk::Rect r = control.ClientBounds();
  ::SetWindowPos(child.hwnd, nullptr, r.left, r.top, r.width, WindowHeight(control),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  switch (control.Kind()) {
    case tk::ControlKind::HScrollBar:
      SyncScrollBar(child, static_cast<const tk::HScrollBar&>(control));
      break;
    case tk::ControlKind::ComboBox:
      SyncComboBox(child, static_cast<const tk::ComboBox&>(control));
      break;
    case tk::ControlKind::CheckBox: {
      const auto& box = static_cast<const tk::CheckBox&>(control);
      SyncFont(child, box.font);
      SyncText(child.hwnd, box.Caption());
      ::SendMessageW(child.hwnd, BM_SETCHECK, box.Value() != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    }
    default: {
      const auto& button = static_cast<const tk::CommandButton&>(control);
      SyncFont(child, button.font);
      SyncText(child.hwnd, button.Caption());
      break;
    }
  }
  const bool shown = control.ShownOnForm();  // with any container up to the form
  // A control that goes out of reach hands the focus to the form first: Windows would leave
  // a disabled one's window without any focus, and the keys would reach no form at all.
  if ((!control.Enabled() || !shown) && ::GetFocus() == child.hwnd) {
    ::SetFocus(::GetParent(child.hwnd));
  }
  // After the scroll range: setting a range enables a scroll bar again.
  ::EnableWindow(child.hwnd, control.Enabled() ? TRUE : FALSE);
  ::ShowWindow(child.hwnd, shown ? SW_SHOWNA : SW_HIDE);
}

void ChildControls::SyncFont(Child& child, const tk::Font& font) {
  HFONT handle = fonts_.Get(font);
  if (handle == child.font) return;
  child.font = handle;
  ::SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

void ChildControls::SyncScrollBar(Child& child, const tk::HScrollBar& bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  info.nMin = std::min(bar.Min(), bar.Max());
  info.nMax = std::max(bar.Min(), bar.Max());
  info.nPage = 0;
  info.nPos = ShownPosition(bar, bar.Value());
  ::SetScrollInfo(child.hwnd, SB_CTL, &info, TRUE);
}

void ChildControls::SyncComboBox(Child& child, const tk::ComboBox& combo) {
  SyncFont(child, combo.font);
  if (child.items != combo.Items()) {
    ::SendMessageW(child.hwnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo.Items()) {
      const std::wstring text = Widen(item);
      ::SendMessageW(child.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    child.items = combo.Items();
  }
  ::SendMessageW(child.hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
}

void ChildControls::SyncText(HWND hwnd, const std::string& utf8) {
  const std::wstring wanted = Widen(utf8);
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring current(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  current.resize(static_cast<std::size_t>(
      ::GetWindowTextW(hwnd, current.data(), static_cast<int>(current.size()))));
  // Setting the same text again would only make the control flicker.
  if (current != wanted) ::SetWindowTextW(hwnd, wanted.c_str());
}

void ChildControls::OnHScroll(HWND bar, int code) {
  Child* child = Find(bar);
  if (!child || child->control->Kind() != tk::ControlKind::HScrollBar) return;
  auto& model = static_cast<tk::HScrollBar&>(*child->control);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS;
  ::GetScrollInfo(bar, SB_CTL, &info);
  int trackPos = info.nTrackPos;
  if (model.Min() > model.Max()) trackPos = Mirror(model, trackPos);
  const std::optional<ScrollMove> move = ScrollTarget(model, code, trackPos);
  if (!move) return;
  // The model resyncs the thumb only when the value changes; a move that the range stops
  // must still leave the thumb where the value is. Set first: the handlers may unload us.
  ::SetScrollPos(bar, SB_CTL, ShownPosition(model, move->value), TRUE);
  model.UserScroll(move->value, move->dragging);
}

void ChildControls::OnCommand(HWND hwnd, int code) {
  Child* child = Find(hwnd);
  if (!child) return;
  tk::Control& control = *child->control;
  switch (control.Kind()) {
    case tk::ControlKind::ComboBox:
      if (code != CBN_SELCHANGE) return;
      static_cast<tk::ComboBox&>(control).SetListIndex(
          static_cast<int>(::SendMessageW(hwnd, CB_GETCURSEL, 0, 0)));
      return;
    case tk::ControlKind::CheckBox:
      if (code != BN_CLICKED) return;
      static_cast<tk::CheckBox&>(control).SetValue(
          ::SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
      return;
    case tk::ControlKind::CommandButton:
      if (code == BN_CLICKED) RunClick(control.onClick);
      return;
    default:
      return;
  }
}

HBRUSH ChildControls::OnColorStatic(HWND hwnd, HDC dc) {
  Child* child = Find(hwnd);
  if (!child || child->control->Kind() != tk::ControlKind::CheckBox) return nullptr;
  const tk::Color back = static_cast<const tk::CheckBox&>(*child->control).BackColor;
  if (!child->brush || child->brushColor != back) {
    child->brush.reset(::CreateSolidBrush(back));
    child->brushColor = back;
  }
  ::SetBkColor(dc, back);
  return child->brush.get();
}

}  // namespace hv::win32

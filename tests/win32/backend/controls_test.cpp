// The real child controls: made from the model, kept in step with it, and reporting the
// user's actions back.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <optional>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "toolkit/headless_backend.h"
#include "win32/child_controls.h"

namespace hv::win32::test {
namespace {

std::wstring TextOf(HWND hwnd) {
  wchar_t buffer[256] = {};
  ::GetWindowTextW(hwnd, buffer, 256);
  return buffer;
}

class ControlsTest : public BackendTest {
 protected:
  ControlsTest() {
    panel.Move(0, 0, 300, 200);
    bar.Move(10, 10, 100, 17);
    bar.SetRange(0, 48);
    bar.SetValue(24);
    bar.onChange = [this] { ++changes; };
    bar.onScroll = [this] { ++scrolls; };
    list.Move(10, 40, 120, 21);
    list.AddItem("English");
    list.AddItem("Español");
    list.SetListIndex(1);
    list.onClick = [this] { ++listClicks; };
    check.Move(10, 70, 120, 17);
    check.SetCaption("Allow");
    check.SetValue(1);
    check.onClick = [this] { ++checkClicks; };
    button.Move(10, 100, 80, 25);
    button.SetCaption("Accept");
    button.onClick = [this] { ++buttonClicks; };
    form.Show();
  }
  HWND Window(const tk::Control& c) const { return backend.ControlWindow(c); }
  void Scroll(int code) {
    ::SendMessageW(backend.WindowOf(form), WM_HSCROLL, MAKEWPARAM(code, 0),
                   reinterpret_cast<LPARAM>(Window(bar)));
  }

  tk::Form form{backend, "F", 300, 200};
  tk::PictureBox& panel = form.Add<tk::PictureBox>("Panel");
  tk::HScrollBar& bar = form.Add<tk::HScrollBar>("Bar", &panel);
  tk::ComboBox& list = form.Add<tk::ComboBox>("List", &panel);
  tk::CheckBox& check = form.Add<tk::CheckBox>("Check", &panel);
  tk::CommandButton& button = form.Add<tk::CommandButton>("Button", &panel);
  int changes = 0, scrolls = 0, listClicks = 0, checkClicks = 0, buttonClicks = 0;
};

TEST_F(ControlsTest, AreMadeFromTheModel) {
  int low = -1, high = -1;
  ::GetScrollRange(Window(bar), SB_CTL, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 48);
  EXPECT_EQ(::GetScrollPos(Window(bar), SB_CTL), 24);
  EXPECT_EQ(::SendMessageW(Window(list), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(::SendMessageW(Window(list), CB_GETCURSEL, 0, 0), 1);
  wchar_t item[32] = {};
  ::SendMessageW(Window(list), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(std::wstring(item), L"Español");
  EXPECT_EQ(::SendMessageW(Window(check), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(Window(check)), L"Allow");
  EXPECT_EQ(TextOf(Window(button)), L"Accept");
  EXPECT_EQ(Window(panel), nullptr);  // picture boxes are painted, not child windows
  RECT r{};
  ::GetWindowRect(Window(button), &r);
  ::MapWindowPoints(HWND_DESKTOP, backend.WindowOf(form), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 100);
}

TEST_F(ControlsTest, FollowTheModel) {
  bar.SetValue(30);
  check.SetValue(0);
  list.AddItem("Nederlands");
  button.SetCaption("OK");
  bar.SetEnabled(false);
  EXPECT_EQ(::GetScrollPos(Window(bar), SB_CTL), 30);
  EXPECT_EQ(::SendMessageW(Window(check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(Window(list), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(TextOf(Window(button)), L"OK");
  EXPECT_FALSE(::IsWindowEnabled(Window(bar)));
  EXPECT_TRUE(::IsWindowEnabled(Window(button)));
}

TEST_F(ControlsTest, HideAndMoveWithTheirContainer) {
  const std::vector<const tk::Control*> children{&bar, &list, &check, &button};
  panel.SetVisible(false);
  for (const tk::Control* c : children) EXPECT_FALSE(::IsWindowVisible(Window(*c))) << c->Name();
  panel.SetVisible(true);
  panel.SetLeft(50);
  for (const tk::Control* c : children) EXPECT_TRUE(::IsWindowVisible(Window(*c))) << c->Name();
  RECT r{};
  ::GetWindowRect(Window(bar), &r);
  ::MapWindowPoints(HWND_DESKTOP, backend.WindowOf(form), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 60);
}

struct ScrollCase {
  int code;
  int value;  // the model's value afterwards
};

TEST_F(ControlsTest, ScrollBarMovesReachTheModel) {
  bar.LargeChange = 10;
  const ScrollCase cases[] = {{SB_LINERIGHT, 25}, {SB_PAGERIGHT, 35}, {SB_PAGERIGHT, 45},
                              {SB_PAGERIGHT, 48}, {SB_LINERIGHT, 48}, {SB_LINELEFT, 47},
                              {SB_LEFT, 0},       {SB_LINELEFT, 0},   {SB_RIGHT, 48}};
  int expectedChanges = changes;
  for (const ScrollCase& c : cases) {
    Scroll(c.code);
    ++expectedChanges;  // every finished move reports a Change, even one the range stops
    EXPECT_EQ(bar.Value(), c.value) << "code " << c.code;
    EXPECT_EQ(::GetScrollPos(Window(bar), SB_CTL), c.value) << "code " << c.code;
  }
  EXPECT_EQ(changes, expectedChanges);
  Scroll(SB_ENDSCROLL);
  EXPECT_EQ(changes, expectedChanges);
  EXPECT_EQ(scrolls, 0);
}

TEST_F(ControlsTest, ClicksAndSelectionsReachTheModel) {
  ::SendMessageW(Window(check), BM_CLICK, 0, 0);
  EXPECT_EQ(check.Value(), 0);
  EXPECT_EQ(checkClicks, 1);
  ::SendMessageW(Window(button), BM_CLICK, 0, 0);
  EXPECT_EQ(buttonClicks, 1);
  ::SendMessageW(Window(list), CB_SETCURSEL, 0, 0);
  ::SendMessageW(backend.WindowOf(form), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Window(list)));
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(listClicks, 1);
}

TEST_F(ControlsTest, AButtonMayUnloadItsOwnForm) {
  button.onClick = [this] { form.RequestClose(); };
  HWND window = backend.WindowOf(form);
  ::SendMessageW(Window(button), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(backend.WindowOf(form), nullptr);
}

struct TargetCase {
  int min, max, value, code, track;
  std::optional<ScrollMove> expected;
};

TEST(ScrollTarget, FollowsTheBarsDirectionAndRange) {
  const TargetCase cases[] = {
      {0, 48, 24, SB_LINERIGHT, 0, ScrollMove{25, false}},
      {0, 48, 24, SB_PAGELEFT, 0, ScrollMove{14, false}},
      {0, 48, 24, SB_THUMBTRACK, 40, ScrollMove{40, true}},
      {0, 48, 24, SB_THUMBPOSITION, 99, ScrollMove{48, false}},
      {0, 48, 24, SB_ENDSCROLL, 0, std::nullopt},
      {48, 0, 24, SB_LINERIGHT, 0, ScrollMove{23, false}},  // backwards: right is towards Max
      {48, 0, 24, SB_LEFT, 0, ScrollMove{48, false}},
      {0, 2147483647, 2147483647, SB_PAGERIGHT, 0, ScrollMove{2147483647, false}},
  };
  tk::HeadlessBackend headless;
  tk::Form form(headless, "F", 10, 10);
  auto& bar = form.Add<tk::HScrollBar>("B");
  for (const TargetCase& c : cases) {
    bar.SetRange(c.min, c.max);
    bar.SetValue(c.value);
    bar.SmallChange = 1;
    bar.LargeChange = 10;
    EXPECT_EQ(ScrollTarget(bar, c.code, c.track), c.expected)
        << c.min << ".." << c.max << " code " << c.code;
  }
}

}  // namespace
}  // namespace hv::win32::test

// The keyboard in the windowed controls, and a press that Windows takes away. Keys go in as
// a user's do (SendInput) and through the backend's own message loop.
#include <functional>
#include <string>
#include <vector>

#include "backend_fixture.h"

namespace hv::win32::test {
namespace {

// The form laid out as the customise panel and the report window are: a button, the list,
// two scroll bars (one hidden), the check box, a disabled button and the last button.
class KeyboardTest : public BackendTest {
 protected:
  KeyboardTest() {
    save.Move(10, 10, 80, 25);
    save.onClick = [this] { ++saves; };
    list.Move(10, 40, 120, 21);
    for (const char* item : {"English", "Spanish", "Dutch"}) list.AddItem(item);
    list.SetListIndex(0);
    list.onClick = [this] { ++choices; };
    bar.Move(10, 70, 120, 17);
    bar.SetRange(0, 48);
    bar.SetValue(20);
    bar.onChange = [this] { ++changes; };
    hiddenBar.Move(10, 90, 120, 17);
    hiddenBar.SetVisible(false);
    check.Move(10, 110, 120, 17);
    check.onClick = [this] { ++ticks; };
    disabled.Move(100, 10, 80, 25);
    disabled.SetEnabled(false);
    accept.Move(100, 140, 80, 25);
    accept.onClick = [this] { ++accepts; };
    form.onUnload = [this](bool&) { ++unloads; };
    form.Show();
    ::SetForegroundWindow(backend.WindowOf(form));
    Settle();
  }

  // Runs the backend's loop until the keys sent are handled.
  void Settle() {
    PumpUntil(
        [this] {
          backend.DoEvents();
          return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0;
        },
        2000);
  }
  void Press(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = vk;
      in.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
      in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(in);
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
  }
  std::string Focused() const {
    HWND focus = ::GetFocus();
    for (const tk::Control* c : std::vector<const tk::Control*>{&save, &list, &bar, &hiddenBar,
                                                                &check, &disabled, &accept}) {
      if (backend.ControlWindow(*c) == focus) return c->Name();
    }
    return focus == backend.WindowOf(form) ? "form" : "elsewhere";
  }

  tk::Form form{backend, "F", 200, 180};
  tk::CommandButton& save = form.Add<tk::CommandButton>("Save");
  tk::ComboBox& list = form.Add<tk::ComboBox>("List");
  tk::HScrollBar& bar = form.Add<tk::HScrollBar>("Bar");
  tk::HScrollBar& hiddenBar = form.Add<tk::HScrollBar>("HiddenBar");
  tk::CheckBox& check = form.Add<tk::CheckBox>("Check");
  tk::CommandButton& disabled = form.Add<tk::CommandButton>("Disabled");
  tk::CommandButton& accept = form.Add<tk::CommandButton>("Accept");
  int saves = 0, choices = 0, changes = 0, ticks = 0, accepts = 0, unloads = 0;
};

TEST_F(KeyboardTest, TabWalksTheControlsInFormOrderBothWays) {
  EXPECT_EQ(Focused(), "form") << "the window keeps the focus until a key moves it";
  struct Step {
    bool shift;
    const char* expected;
  };
  const Step steps[] = {{false, "Save"},   {false, "List"}, {false, "Bar"},   {false, "Check"},
                        {false, "Accept"}, {false, "Save"}, {true, "Accept"}, {true, "Check"}};
  for (const Step& s : steps) {
    Press(VK_TAB, s.shift);
    EXPECT_EQ(Focused(), s.expected) << (s.shift ? "Shift+Tab" : "Tab");
  }
  EXPECT_EQ(saves + choices + changes + ticks + accepts, 0) << "moving the focus runs nothing";
}

TEST_F(KeyboardTest, AControlGoingOutOfReachHandsTheFocusToTheForm) {
  Press(VK_TAB);
  ASSERT_EQ(Focused(), "Save");
  save.SetEnabled(false);  // as the report window does while it makes a report
  EXPECT_EQ(Focused(), "form");
  Press(VK_TAB);
  EXPECT_EQ(Focused(), "List");
}

TEST_F(KeyboardTest, TheFocusComesBackWithTheWindow) {
  tk::Form other(backend, "G", 60, 60);
  other.Show();
  HWND self = backend.WindowOf(form);
  HWND away = backend.WindowOf(other);  // another window, as a dialog would be
  auto minimize = [=] { ::SendMessageW(self, WM_SYSCOMMAND, SC_MINIMIZE, 0); };
  auto restore = [=] { ::SendMessageW(self, WM_SYSCOMMAND, SC_RESTORE, 0); };
  auto leave = [=] { ::SetForegroundWindow(away); };
  auto activate = [=] { ::SetForegroundWindow(self); };
  // Last: a minimized window is activated before it is restored, as from the taskbar.
  const std::vector<std::function<void()>> ways[] = {
      {leave, activate}, {minimize, restore}, {minimize, leave, activate, restore}};
  for (const auto& steps : ways) {
    SCOPED_TRACE(&steps - ways);
    saves = 0;
    activate();
    ::SetFocus(self);
    Press(VK_TAB);
    ASSERT_EQ(Focused(), "Save");
    for (const auto& step : steps) {
      step();
      Settle();
    }
    EXPECT_EQ(Focused(), "Save");
    Press(VK_RETURN);
    EXPECT_EQ(saves, 1);
  }
}

struct KeyCase {
  const char* name;
  int tabs;  // from the form: 1 Save, 2 List, 3 Bar, 4 Check, 5 Accept
  WORD key;
  std::vector<int> counts;  // saves, choices, changes, ticks, accepts, unloads
  int listIndex, barValue, checkValue;
};

TEST_F(KeyboardTest, KeysActOnTheFocusedControlAsTheMouseDoes) {
  const KeyCase cases[] = {
      {"SpacePressesAButton", 1, VK_SPACE, {1, 0, 0, 0, 0, 0}, 0, 20, 0},
      {"EnterPressesAButton", 5, VK_RETURN, {0, 0, 0, 0, 1, 0}, 0, 20, 0},
      {"DownChoosesTheNextLanguage", 2, VK_DOWN, {0, 1, 0, 0, 0, 0}, 1, 20, 0},
      {"RightMovesTheBarByOneStep", 3, VK_RIGHT, {0, 0, 1, 0, 0, 0}, 0, 21, 0},
      {"LeftMovesTheBarBack", 3, VK_LEFT, {0, 0, 1, 0, 0, 0}, 0, 19, 0},
      {"SpaceTicksTheCheckBox", 4, VK_SPACE, {0, 0, 0, 1, 0, 0}, 0, 20, 1},
      {"EnterOnTheCheckBoxPressesNothing", 4, VK_RETURN, {0, 0, 0, 0, 0, 0}, 0, 20, 0},
      {"EscapeClosesNothing", 5, VK_ESCAPE, {0, 0, 0, 0, 0, 0}, 0, 20, 0},
      {"EnterOnTheFormPressesNothing", 0, VK_RETURN, {0, 0, 0, 0, 0, 0}, 0, 20, 0},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    list.SetListIndex(0);
    bar.SetValue(20);
    check.SetValue(0);
    saves = choices = changes = ticks = accepts = unloads = 0;
    ::SetFocus(backend.WindowOf(form));
    for (int i = 0; i < c.tabs; ++i) Press(VK_TAB);
    Press(c.key);
    EXPECT_EQ((std::vector<int>{saves, choices, changes, ticks, accepts, unloads}), c.counts);
    EXPECT_EQ(list.ListIndex(), c.listIndex);
    EXPECT_EQ(bar.Value(), c.barValue);
    EXPECT_EQ(::GetScrollPos(backend.ControlWindow(bar), SB_CTL), c.barValue);
    EXPECT_EQ(check.Value(), c.checkValue);
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(::IsWindowVisible(backend.WindowOf(form)));
  }
}

TEST_F(KeyboardTest, EnterOnAButtonThatUnloadsItsFormIsSafe) {
  accept.onClick = [this] { form.RequestClose(); };
  for (int i = 0; i < 5; ++i) Press(VK_TAB);
  ASSERT_EQ(Focused(), "Accept");
  Press(VK_RETURN);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(backend.WindowOf(form), nullptr);
}

// How Windows may take the mouse from a window in the middle of a press.
struct LossCase {
  const char* name;
  void (*lose)(HWND form, HWND other);
};

TEST_F(BackendTest, ALostPressEndsAndTheNextClickActsWhereItLands) {
  const LossCase cases[] = {
      {"AnotherWindowTakesTheCapture", [](HWND, HWND other) { ::SetCapture(other); }},
      {"TheCaptureIsReleased", [](HWND, HWND) { ::ReleaseCapture(); }},
      {"CancelMode", [](HWND form, HWND) { ::SendMessageW(form, WM_CANCELMODE, 0, 0); }},
  };
  for (const LossCase& c : cases) {
    SCOPED_TRACE(c.name);
    tk::Form form(backend, "F", 200, 100);
    tk::Form other(backend, "G", 50, 50);
    std::vector<std::string> clicks;
    for (const char* name : {"A", "B"}) {
      auto& box = form.Add<tk::PictureBox>(name);
      box.Move(name[0] == 'A' ? 0 : 100, 0, 100, 100);
      box.onClick = [&clicks, name] { clicks.push_back(name); };
    }
    form.Show();
    other.Show();
    HWND hwnd = backend.WindowOf(form);
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));  // on A
    c.lose(hwnd, backend.WindowOf(other));
    ::ReleaseCapture();
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 10));  // on B
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(150, 10));
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));  // a whole click on A
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(clicks, (std::vector<std::string>{"B", "A"}));
  }
}

}  // namespace
}  // namespace hv::win32::test

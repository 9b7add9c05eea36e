// The top-level windows: size, placement, life and death, timers, modality, mouse input.
#include <windowsx.h>

#include <string>
#include <vector>

#include "backend_fixture.h"

namespace hv::win32::test {
namespace {

struct SizeCase {
  int width, height;
  bool titled;
};

TEST_F(BackendTest, ClientAreaIsTheFormsSize) {
  const SizeCase cases[] = {{777, 553, true}, {417, 181, true}, {64, 32, false}};
  for (const SizeCase& c : cases) {
    tk::Form form(backend, "F", c.width, c.height);
    form.hasTitleBar = c.titled;
    form.Show();
    RECT client{};
    ::GetClientRect(backend.WindowOf(form), &client);
    EXPECT_EQ(client.right, c.width);
    EXPECT_EQ(client.bottom, c.height);
  }
}

TEST_F(BackendTest, MainWindowHasAFixedBorderAndIsCentred) {
  tk::Form form(backend, "F", 400, 300);
  form.SetCaption("Brenlow Harvala ñ");
  form.Show();
  HWND hwnd = backend.WindowOf(form);
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  wchar_t caption[64] = {};
  ::GetWindowTextW(hwnd, caption, 64);
  EXPECT_EQ(std::wstring(caption), L"Brenlow Harvala ñ");
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  EXPECT_NEAR((r.left + r.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_EQ(form.nativeHandle, reinterpret_cast<std::uintptr_t>(hwnd));
}

TEST_F(BackendTest, AlphaBeforeTheFirstShowMakesTheWindowHidden) {
  tk::Form form(backend, "F", 100, 100);
  backend.SetLayeredAlpha(form, 0);
  HWND hwnd = backend.WindowOf(form);
  ASSERT_TRUE(::IsWindow(hwnd));
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  EXPECT_NE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  form.Show();
  EXPECT_EQ(backend.WindowOf(form), hwnd);  // the same window, now shown
  backend.SetLayeredAlpha(form, 200);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(BackendTest, ModelBuiltAfterAnEarlyWindowShowsAtTheFirstShow) {
  tk::Form form(backend, "F", 200, 100);
  auto& list = form.Add<tk::ComboBox>("List");
  backend.SetLayeredAlpha(form, 0);  // the window exists from here on
  list.AddItem("English");
  auto& button = form.Add<tk::CommandButton>("Late");
  button.SetCaption("Accept");
  form.SetCaption("Late caption");
  form.Show();
  ASSERT_NE(backend.ControlWindow(button), nullptr);
  wchar_t text[32] = {};
  ::GetWindowTextW(backend.ControlWindow(button), text, 32);
  EXPECT_EQ(std::wstring(text), L"Accept");
  EXPECT_EQ(::SendMessageW(backend.ControlWindow(list), CB_GETCOUNT, 0, 0), 1);
  ::GetWindowTextW(backend.WindowOf(form), text, 32);
  EXPECT_EQ(std::wstring(text), L"Late caption");
}

TEST_F(BackendTest, CloseBoxAsksTheModel) {
  tk::Form form(backend, "F", 100, 100);
  bool cancel = true;
  int unloaded = 0;
  form.onUnload = [&](bool& c) { c = cancel; };
  form.onUnloaded = [&] { ++unloaded; };
  form.Show();
  HWND hwnd = backend.WindowOf(form);
  ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_TRUE(form.Loaded());
  cancel = false;
  ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(unloaded, 1);
}

TEST_F(BackendTest, FormObjectGoneTakesItsWindow) {
  HWND hwnd = nullptr;
  {
    tk::Form form(backend, "F", 100, 100);
    form.Show();
    hwnd = backend.WindowOf(form);
  }
  EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(BackendTest, TimersTickWhileOnAndStopWhenOff) {
  tk::Form form(backend, "F", 100, 100);
  tk::Timer& timer = form.AddTimer("T", 1);
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  timer.SetEnabled(true);  // before the first show: the window is made for it
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  const int stopped = ticks;
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(BackendTest, ModalFormDisablesItsOwnerUntilUnloaded) {
  tk::Form owner(backend, "Owner", 400, 300);
  owner.Show();
  HWND ownerWindow = backend.WindowOf(owner);
  tk::Form dialog(backend, "Dialog", 200, 100);
  tk::Timer& timer = dialog.AddTimer("T", 1);
  int ticks = 0;
  bool ownerDisabled = false;
  POINT dialogCentre{};
  timer.onTimer = [&] {
    if (++ticks == 1) {
      ownerDisabled = !::IsWindowEnabled(ownerWindow);
      RECT r{};
      ::GetWindowRect(backend.WindowOf(dialog), &r);
      dialogCentre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    if (ticks == 3) dialog.RequestClose();
  };
  timer.SetEnabled(true);
  dialog.ShowModal(&owner);
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
  RECT r{};
  ::GetWindowRect(ownerWindow, &r);
  EXPECT_NEAR(dialogCentre.x, (r.left + r.right) / 2, 1);
  EXPECT_NEAR(dialogCentre.y, (r.top + r.bottom) / 2, 1);
}

TEST_F(BackendTest, QuitInsideAModalLoopIsLeftForTheProgramsLoop) {
  tk::Form dialog(backend, "Dialog", 200, 100);
  tk::Timer& timer = dialog.AddTimer("T", 1);
  timer.onTimer = [&] { ::PostQuitMessage(7); };
  timer.SetEnabled(true);
  dialog.ShowModal(nullptr);
  timer.SetEnabled(false);
  MSG message{};
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST_F(BackendTest, EndProgramStopsEverything) {
  tk::Form form(backend, "F", 100, 100);
  int ticks = 0, unloads = 0;
  tk::Timer& timer = form.AddTimer("T", 1);
  timer.onTimer = [&] { ++ticks; };
  form.onUnload = [&](bool&) { ++unloads; };
  form.Show();
  timer.SetEnabled(true);
  HWND hwnd = backend.WindowOf(form);
  backend.EndProgram();
  EXPECT_TRUE(backend.Ended());
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  ::SendMessageW(hwnd, WM_CLOSE, 0, 0);  // nothing of the model runs any more
  MSG message{};
  EXPECT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(unloads, 0);
}

struct MouseCase {
  std::string name;
  UINT message;
  WPARAM keys;
  int x, y;
  std::string expected;  // "down|up|move button shift x y", relative to the label
};

class MouseTest : public BackendTest, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseTest, ReachesTheControlInModelCodes) {
  tk::Form form(backend, "F", 200, 100);
  auto& label = form.Add<tk::Label>("L");
  label.Move(20, 20, 50, 20);
  std::vector<std::string> seen;
  auto record = [&](const char* what) {
    return [&seen, what](int b, int s, int x, int y) {
      seen.push_back(std::string(what) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
                     std::to_string(x) + " " + std::to_string(y));
    };
  };
  label.onMouseDown = record("down");
  label.onMouseUp = record("up");
  label.onMouseMove = record("move");
  form.Show();
  const MouseCase& c = GetParam();
  ::SendMessageW(backend.WindowOf(form), c.message, c.keys, MAKELPARAM(c.x, c.y));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Mouse, MouseTest,
    ::testing::Values(
        MouseCase{"LeftWithShift", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 25, 30, "down 1 1 5 10"},
        MouseCase{"RightWithCtrl", WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, 21, 21, "down 2 2 1 1"},
        MouseCase{"MiddleUp", WM_MBUTTONUP, 0, 69, 39, "up 4 0 49 19"},
        MouseCase{"MoveWithTwoButtons", WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, 30, 25,
                  "move 3 0 10 5"}),
    [](const auto& param) { return param.param.name; });

TEST_F(BackendTest, CapturedMovesKeepNegativeCoordinates) {
  tk::Form form(backend, "F", 200, 100);
  auto& label = form.Add<tk::Label>("L");
  label.Move(20, 20, 50, 20);
  int lastX = 0, lastY = 0;
  label.onMouseMove = [&](int, int, int x, int y) { lastX = x, lastY = y; };
  form.Show();
  HWND hwnd = backend.WindowOf(form);
  ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 25));
  EXPECT_EQ(::GetCapture(), hwnd);
  ::SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, -7));
  EXPECT_EQ(lastX, -25);
  EXPECT_EQ(lastY, -27);
  ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(-5, -7));
  EXPECT_NE(::GetCapture(), hwnd);
}

}  // namespace
}  // namespace hv::win32::test

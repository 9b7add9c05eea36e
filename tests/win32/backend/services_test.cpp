// Popup menus, the clipboard, text measuring, cursors and tooltips.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <optional>
#include <string>

#include "backend_fixture.h"
#include "win32/font_cache.h"
#include "win32/popup_menu.h"

namespace hv::win32::test {
namespace {

tk::Menu OptionsMenu() {
  tk::Menu menu;
  for (const char* caption : {"Customize", "Hidden", "", "Greyed", "Exit"}) {
    tk::MenuItem item;
    item.caption = caption;
    item.separator = item.caption.empty();
    menu.items.push_back(item);
  }
  menu.items[1].visible = false;
  menu.items[3].enabled = false;
  return menu;
}

TEST(PopupMenu, LeavesOutHiddenItemsWithoutShiftingTheOthers) {
  const tk::Menu menu = OptionsMenu();
  OwnedMenu popup = BuildPopupMenu(menu, 4);
  ASSERT_TRUE(popup);
  ASSERT_EQ(::GetMenuItemCount(popup.get()), 4);
  EXPECT_EQ(::GetMenuItemID(popup.get(), 0), 1u);
  EXPECT_NE(::GetMenuState(popup.get(), 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  EXPECT_EQ(::GetMenuItemID(popup.get(), 2), 4u);
  EXPECT_NE(::GetMenuState(popup.get(), 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(::GetMenuItemID(popup.get(), 3), 5u);
  EXPECT_EQ(::GetMenuDefaultItem(popup.get(), FALSE, 0), 5u);
  EXPECT_EQ(ItemOfCommand(menu, 5), 4);
}

TEST(PopupMenu, NoDefaultForAHiddenOrUnknownItem) {
  const tk::Menu menu = OptionsMenu();
  for (std::optional<int> item : {std::optional<int>(1), std::optional<int>(9),
                                  std::optional<int>(-1), std::optional<int>()}) {
    OwnedMenu popup = BuildPopupMenu(menu, item);
    EXPECT_EQ(::GetMenuDefaultItem(popup.get(), FALSE, 0), static_cast<UINT>(-1));
  }
}

TEST(PopupMenu, CommandsOutsideTheMenuChooseNothing) {
  const tk::Menu menu = OptionsMenu();
  EXPECT_EQ(ItemOfCommand(menu, 0), std::nullopt);
  EXPECT_EQ(ItemOfCommand(menu, 1), 0);
  EXPECT_EQ(ItemOfCommand(menu, 6), std::nullopt);
}

TEST_F(BackendTest, ClipboardGetsUnicodeText) {
  tk::Form form(backend, "F", 50, 50);
  form.Show();
  const std::string text = "Año: 2 × 3\r\nÜber ✓";
  backend.SetClipboardText(text);
  ASSERT_TRUE(::OpenClipboard(nullptr));
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  std::wstring read;
  if (data) {
    read = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  EXPECT_EQ(read, Widen(text));
}

TEST_F(BackendTest, MeasuresWithTheRealFont) {
  tk::Font regular;
  tk::Font large = regular;
  large.size = 20;
  const tk::TextSize one = backend.MeasureText(regular, "A");
  EXPECT_GT(one.width, 0);
  EXPECT_GT(one.height, 0);
  EXPECT_EQ(backend.MeasureText(regular, "").width, 0);
  EXPECT_EQ(backend.MeasureText(regular, "").height, one.height);
  EXPECT_EQ(backend.MeasureText(regular, "A\nA").height, 2 * one.height);
  EXPECT_EQ(backend.MeasureText(regular, "A\r\nA").height, 2 * one.height);
  EXPECT_GT(backend.MeasureText(regular, "AAAA").width, one.width);
  EXPECT_GT(backend.MeasureText(large, "A").height, one.height);
}

TEST(FontHeight, FromPointsAtTheScreensDpi) {
  struct Case {
    double points;
    int dpi;
    int height;
  };
  const Case cases[] = {{9.75, 96, -13},  {8.25, 96, -11}, {26.25, 96, -35}, {20, 96, -27},
                        {9.75, 120, -16}, {0, 96, 0},      {-3, 96, 0},      {1e12, 96, -2667}};
  for (const Case& c : cases) {
    EXPECT_EQ(FontHeightForPoints(c.points, c.dpi), c.height) << c.points << "pt " << c.dpi;
  }
}

class PointerTest : public BackendTest {
 protected:
  PointerTest() {
    label.Move(10, 10, 40, 20);
    label.SetToolTipText("Total memory");
    form.Show();
    ::SetForegroundWindow(backend.WindowOf(form));
  }
  HCURSOR CursorShownAt(int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(backend.WindowOf(form), &p);
    ::SetCursorPos(p.x, p.y);
    HWND hwnd = backend.WindowOf(form);
    ::SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  }
  HWND ToolTip() const {
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND w, LPARAM out) -> BOOL {
          wchar_t name[64] = {};
          ::GetClassNameW(w, name, 64);
          if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
          *reinterpret_cast<HWND*>(out) = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }
  std::wstring ToolTipText() const {
    wchar_t text[80] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = backend.WindowOf(form);
    info.uId = 1;
    info.lpszText = text;
    ::SendMessageW(ToolTip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    return text;
  }

  tk::Form form{backend, "F", 200, 100};
  tk::Label& label = form.Add<tk::Label>("L");
};

TEST_F(PointerTest, CursorFollowsTheAppAndTheControls) {
  const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  EXPECT_EQ(CursorShownAt(20, 20), arrow);
  label.SetCursor(tk::CursorKind::Wait);
  EXPECT_EQ(CursorShownAt(20, 20), ::LoadCursorW(nullptr, IDC_WAIT));
  label.SetCursor(tk::CursorKind::Custom);
  EXPECT_EQ(CursorShownAt(20, 20), arrow);  // no cursor picture with this control
  label.SetHasCustomCursor(true);
  ASSERT_NE(backend.CustomCursor(), nullptr);
  EXPECT_EQ(CursorShownAt(20, 20), backend.CustomCursor());
  EXPECT_EQ(CursorShownAt(150, 80), arrow);
  backend.SetAppCursor(tk::CursorKind::Wait);
  EXPECT_EQ(CursorShownAt(150, 80), ::LoadCursorW(nullptr, IDC_WAIT));
  backend.SetAppCursor(tk::CursorKind::Custom);  // the controls choose again
  EXPECT_EQ(CursorShownAt(20, 20), backend.CustomCursor());
}

TEST_F(PointerTest, CustomWithoutAPictureShowsWhatTheDefaultWould) {
  // A label on a strip with the custom cursor: the Options button beside the menu logo.
  auto& strip = form.Add<tk::PictureBox>("Strip");
  strip.Move(100, 0, 100, 100);
  strip.SetHasCustomCursor(true);
  strip.SetCursor(tk::CursorKind::Custom);
  auto& inner = form.Add<tk::Label>("Inner", &strip);
  inner.Move(10, 10, 40, 20);
  ASSERT_NE(backend.CustomCursor(), nullptr);
  for (tk::CursorKind own : {tk::CursorKind::Default, tk::CursorKind::Custom}) {
    inner.SetCursor(own);
    EXPECT_EQ(CursorShownAt(120, 20), backend.CustomCursor()) << static_cast<int>(own);
  }
  strip.SetCursor(tk::CursorKind::Arrow);
  EXPECT_EQ(CursorShownAt(120, 20), ::LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(PointerTest, ToolTipTextIsTheControlsUnderThePointer) {
  ASSERT_NE(ToolTip(), nullptr);
  HWND hwnd = backend.WindowOf(form);
  ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(ToolTipText(), L"Total memory");
  ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
  EXPECT_EQ(ToolTipText(), L"");
  label.SetToolTipText("Free memory");
  ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(21, 21));
  EXPECT_EQ(ToolTipText(), L"Free memory");
}

}  // namespace
}  // namespace hv::win32::test

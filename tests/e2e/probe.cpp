// A small Windows console program the end-to-end tests run beside Harvala to look at its
// window as any other program could: the client area's size and screen origin, the layered
// alpha, and whether the window exists.
//   harvala_probe client "Title"   -> "W H X Y" (client size and its top-left on the screen)
//   harvala_probe alpha "Title"    -> the alpha, or "opaque" when the window is not layered
//   harvala_probe exists "Title"   -> exit code 0 when a visible top-level window has that title
//   harvala_probe close "Title"    -> asks the window to close, as its close box does
//   harvala_probe minimize|restore "Title"
//                                  -> minimizes or restores the window as its minimize box and
//                                     the taskbar do; exit code 3 when it did not change
//   harvala_probe enabled "Title" "Caption"
//                                  -> exit code 0 when a visible window with that title has an
//                                     enabled control with that caption (the report window and
//                                     the main window share a title, so every such window is
//                                     looked at)
//   harvala_probe texts "Title"    -> the text of every control of every visible window with that
//                                     title, one line each (a message box's text included)
// A "no" (no such window, no such enabled control) is exit code 3, a failed call 2, a wrong
// command line 64: exit code 1 is left to Wine, which now and then ends a fresh process with it
// before the program runs.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr int kNo = 3;

HWND FindByTitle(const wchar_t* title) { return FindWindowW(nullptr, title); }

int Client(HWND w) {
  RECT r{};
  POINT origin{0, 0};
  if (!GetClientRect(w, &r) || !ClientToScreen(w, &origin)) return 2;
  std::printf("%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, origin.x, origin.y);
  return 0;
}

int Alpha(HWND w) {
  if (!(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_LAYERED)) {
    std::printf("opaque\n");
    return 0;
  }
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(w, nullptr, &alpha, &flags)) return 2;
  std::printf("%u\n", static_cast<unsigned>(alpha));
  return 0;
}

struct ControlSearch {
  const wchar_t* title;
  const wchar_t* caption;
  bool enabled = false;
};

bool HasText(HWND w, const wchar_t* text) {
  wchar_t buffer[256] = {};
  GetWindowTextW(w, buffer, 256);
  return std::wcscmp(buffer, text) == 0;
}

BOOL CALLBACK CheckControl(HWND control, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (HasText(control, search->caption) && IsWindowEnabled(control)) search->enabled = true;
  return !search->enabled;
}

BOOL CALLBACK CheckWindow(HWND w, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (IsWindowVisible(w) && HasText(w, search->title)) EnumChildWindows(w, CheckControl, param);
  return !search->enabled;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(control, buffer, 1024);
  if (buffer[0] != L'\0') std::printf("%ls\n", buffer);
  return TRUE;
}

BOOL CALLBACK PrintWindow(HWND w, LPARAM title) {
  if (IsWindowVisible(w) && HasText(w, reinterpret_cast<const wchar_t*>(title)))
    EnumChildWindows(w, PrintControl, 0);
  return TRUE;
}

int Enabled(const wchar_t* title, const wchar_t* caption) {
  ControlSearch search{title, caption};
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.enabled ? 0 : kNo;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"enabled") == 0) return Enabled(argv[2], argv[3]);
  if (argc != 3) return 64;
  if (std::wcscmp(argv[1], L"texts") == 0) {
    EnumWindows(PrintWindow, reinterpret_cast<LPARAM>(argv[2]));
    return 0;
  }
  HWND w = FindByTitle(argv[2]);
  if (std::wcscmp(argv[1], L"exists") == 0) return w && IsWindowVisible(w) ? 0 : kNo;
  if (!w) return kNo;
  if (std::wcscmp(argv[1], L"client") == 0) return Client(w);
  if (std::wcscmp(argv[1], L"alpha") == 0) return Alpha(w);
  if (std::wcscmp(argv[1], L"close") == 0) return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 2;
  const WPARAM command = std::wcscmp(argv[1], L"minimize") == 0  ? SC_MINIMIZE
                         : std::wcscmp(argv[1], L"restore") == 0 ? SC_RESTORE
                                                                 : 0;
  // Sent, not posted: the window has handled it when this returns.
  if (command &&
      !SendMessageTimeoutW(w, WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG, 5000, nullptr))
    return 2;
  if (command) return (IsIconic(w) != FALSE) == (command == SC_MINIMIZE) ? 0 : kNo;
  return 64;
}

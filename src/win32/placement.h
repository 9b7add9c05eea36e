#pragma once
// Where a window is placed when it opens: worked out on plain numbers, so that it is tested
// natively with monitors of any layout.

namespace hv::win32 {

// A rectangle in virtual-screen coordinates: a monitor left of or above the primary one has
// negative ones.
struct ScreenBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The top-left corner of a window of the given size centred on `over` and then moved inside
// `work` (the work area of the monitor it opens on). A window larger than the work area keeps
// its top-left corner inside, where its title bar can be reached.
ScreenPoint CentredInside(const ScreenBox& over, int width, int height, const ScreenBox& work);

}  // namespace hv::win32

#include "win32/placement.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

TEST(Placement, CentredOnTheOwnerAndKeptInsideItsMonitorsWorkArea) {
  struct Case {
    const char* what;
    ScreenBox over;
    int width, height;
    ScreenBox work;
    ScreenPoint expected;
  };
  const ScreenBox primary{0, 0, 1920, 1040};  // a taskbar below
  const ScreenBox left{-1280, -200, 0, 824};  // a monitor left of and above the primary
  const Case cases[] = {
      {"centred on the owner", {100, 100, 600, 500}, 300, 200, primary, {200, 200}},
      {"an owner near the left edge", {-50, 10, 250, 310}, 400, 200, primary, {0, 60}},
      {"an owner near the bottom right", {1700, 900, 1900, 1030}, 400, 300, primary, {1520, 740}},
      {"on a monitor left of the primary", {-1000, 0, -400, 400}, 300, 200, left, {-850, 100}},
      {"above the primary, clamped to its top",
       {-1200, -300, -800, -100},
       300,
       400,
       left,
       {-1150, -200}},
      {"past the left monitor's left edge", {-1400, 100, -1200, 300}, 300, 200, left, {-1280, 100}},
      {"larger than the work area", {0, 0, 800, 600}, 2000, 1200, primary, {0, 0}},
      {"far out of range", {2147483000, 0, 2147483600, 400}, 300, 200, primary, {1620, 100}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredInside(c.over, c.width, c.height, c.work), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace hv::win32

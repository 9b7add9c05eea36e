#include "win32/placement.h"

#include <algorithm>

namespace hv::win32 {

namespace {

// One axis: centred on [overFrom, overTo), then inside [workFrom, workTo) where it fits and
// at workFrom where it does not. Halved as a sum of halves, so no sum can overflow.
int CentredAxis(int overFrom, int overTo, int size, int workFrom, int workTo) {
  const long long centred =
      static_cast<long long>(overFrom) + (static_cast<long long>(overTo) - overFrom - size) / 2;
  const long long last = static_cast<long long>(workTo) - size;
  return static_cast<int>(std::max<long long>(workFrom, std::min(centred, last)));
}

}  // namespace

ScreenPoint CentredInside(const ScreenBox& over, int width, int height, const ScreenBox& work) {
  return {CentredAxis(over.left, over.right, width, work.left, work.right),
          CentredAxis(over.top, over.bottom, height, work.top, work.bottom)};
}

}  // namespace hv::win32

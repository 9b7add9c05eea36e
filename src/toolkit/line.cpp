#include <algorithm>
#include <cstdlib>
#include <limits>

#include "toolkit/control.h"

namespace hv::tk {

Line::Line(Form& form, std::string name, PictureBox* container)
    : Control(form, ControlKind::Line, std::move(name), container) {
  SetBounds({0, 0, 1, 1});
}

void Line::SetPoints(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  // Widened before subtracting, so that far-apart points cannot overflow.
  const long long w = std::llabs(static_cast<long long>(x2) - x1) + 1;
  const long long h = std::llabs(static_cast<long long>(y2) - y1) + 1;
  constexpr long long kMax = std::numeric_limits<int>::max();
  const Rect box{std::min(x1, x2), std::min(y1, y2), static_cast<int>(std::min(w, kMax)),
                 static_cast<int>(std::min(h, kMax))};
  if (box == Bounds())
    Changed();  // the same box, but the line may run the other diagonal
  else
    SetBounds(box);
}

void Line::SetLineColor(Color c) {
  if (c == color_) return;
  color_ = c;
  Changed();
}

}  // namespace hv::tk

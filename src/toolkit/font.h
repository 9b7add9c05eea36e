#pragma once
#include <string>

namespace hv::tk {

struct Font {
  std::string name = "Tahoma";
  double size = 9.75;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int weight = 400;  // 300 light, 400 regular, 700 bold; bold forces at least 700

  bool operator==(const Font&) const = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

}  // namespace hv::tk

#include "win32/wql_text.h"

#include <cctype>
#include <sstream>

namespace hv::win32 {

std::optional<std::string> WqlClassName(const std::string& wql) {
  std::istringstream words(wql);
  std::string word;
  while (words >> word) {
    std::string lower;
    for (char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower != "from") continue;
    std::string name;
    if (!(words >> name)) return std::nullopt;
    return name;
  }
  return std::nullopt;
}

}  // namespace hv::win32

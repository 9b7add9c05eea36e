#pragma once
// Every interface text of the current language, by element number (1..186; 0 unused).
#include <array>
#include <string>

namespace hv::lang {

class TextTable {
 public:
  static constexpr int kSize = 187;
  // Out-of-range numbers read as the empty text rather than past the table.
  const std::string& operator[](int element) const;
  void Set(int element, std::string text);

 private:
  std::array<std::string, kSize> texts_;
};

void LoadEnglish(TextTable& t);
void LoadSpanish(TextTable& t);
void LoadDutch(TextTable& t);

}  // namespace hv::lang

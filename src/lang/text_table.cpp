#include "lang/text_table.h"

#include <utility>

namespace hv::lang {

namespace {

bool InRange(int element) { return element >= 0 && element < TextTable::kSize; }

}  // namespace

const std::string& TextTable::operator[](int element) const {
  static const std::string kEmpty;
  if (!InRange(element)) return kEmpty;
  return texts_[static_cast<std::size_t>(element)];
}

void TextTable::Set(int element, std::string text) {
  if (!InRange(element)) return;
  texts_[static_cast<std::size_t>(element)] = std::move(text);
}

}  // namespace hv::lang

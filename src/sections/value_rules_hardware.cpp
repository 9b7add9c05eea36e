// Value rules of the motherboard, sound card and battery rows.
#include <algorithm>

#include "sections/value_rules.h"

namespace hv::sections {

std::string WithoutFillCharacters(std::string text) {
  // U+000E is a single byte in UTF-8 and never part of a longer sequence, so removing the
  // byte cannot split another character.
  text.erase(std::remove(text.begin(), text.end(), '\x0E'), text.end());
  return text;
}

}  // namespace hv::sections

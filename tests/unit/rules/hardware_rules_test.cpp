#include <gtest/gtest.h>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

TEST(HardwareRules, FillCharactersGoWhereverTheyStand) {
  const std::pair<std::string, std::string> cases[] = {
      {"\x0e\x0e"
       "BAT0 Li-ion\x0e",
       "BAT0 Li-ion"},
      {"BAT\x0e"
       "0",
       "BAT0"},
      {"\x0e \x0e", " "},  // the blank they enclosed stays
      {"\x0e", ""},
      {"", ""},
      {"Bater\u00eda", "Bater\u00eda"},  // other characters untouched
  };
  for (const auto& [name, cleaned] : cases) EXPECT_EQ(WithoutFillCharacters(name), cleaned);
}

}  // namespace
}  // namespace hv::sections

#include <gtest/gtest.h>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

using std::nullopt;

TEST(TableRules, ElementTablesMatchTheExactText) {
  using Fn = std::optional<int> (*)(const std::string&);
  struct Case {
    Fn table;
    std::string code;
    std::optional<int> element;
  };
  const Case cases[] = {
      {AccountTypeElement, "512", 40},
      {AccountTypeElement, "4096", 42},
      {AccountTypeElement, "8192", 43},
      {AccountTypeElement, "1024", nullopt},
      {AccountTypeElement, " 512", nullopt},
      {AccountTypeElement, "0512", nullopt},
      {AccountTypeElement, "", nullopt},
      {PrivilegeElement, "0", 45},
      {PrivilegeElement, "2", 47},
      {PrivilegeElement, "3", nullopt},
      {LargeSystemCacheElement, "0", 97},
      {LargeSystemCacheElement, "1", 98},
      {LargeSystemCacheElement, "True", nullopt},
      {HandednessElement, "1", 132},
      {HandednessElement, "3", 134},
      {HandednessElement, "0", nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.table(c.code), c.element) << c.code;
}

TEST(TableRules, NameTables) {
  using Fn = std::optional<std::string> (*)(const std::string&);
  struct Case {
    Fn table;
    std::string code;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {MemoryTypeName, "21", "DDR2"},
      {MemoryTypeName, "2", "DRAM"},
      {MemoryTypeName, "3", nullopt},
      {MemoryTypeName, "24", nullopt},
      {MemoryTypeName, "0", nullopt},
      {FormFactorName, "8", "DIMM"},
      {FormFactorName, "12", "SODIMM"},
      {FormFactorName, "23", "LGA"},
      {FormFactorName, "6", nullopt},
      {FormFactorName, "24", nullopt},
      {OsLanguageName, "1033", "English - United States"},
      {OsLanguageName, "1043", "Nederlandse \u2013 Nederland"},
      {OsLanguageName, "11274", "Espa\u00f1ol - Argentina"},
      {OsLanguageName, "1036", nullopt},
      {OsLanguageName, "", nullopt},
      {ArchitectureName, "0", "x86"},
      {ArchitectureName, "9", "x64"},
      {ArchitectureName, "6", nullopt},
      {ArchitectureName, "", nullopt},
      {ArchitectureName, "x", nullopt},
      {ArchitectureName, "99999999999", nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.table(c.code), c.name) << c.code;
}

TEST(TableRules, DeviceInterfaceMixesLiteralsAndLanguageTexts) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"3", "Serial port"}, {"4", "PS/2"},    {"5", "Infrared"}, {"162", "USB"},
      {"1", nullopt},       {"161", nullopt}, {"", nullopt},
  };
  for (const auto& [code, text] : cases)
    EXPECT_EQ(DeviceInterfaceText(code, "Serial port", "Infrared"), text) << code;
}

}  // namespace
}  // namespace hv::sections

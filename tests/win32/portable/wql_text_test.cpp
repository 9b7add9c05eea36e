#include "win32/wql_text.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

TEST(WqlClassName, FindsTheClassAfterFrom) {
  struct Case {
    const char* wql;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {"Select * from Win32_Processor", "Win32_Processor"},
      {"Select Freespace from Win32_LogicalDisk where DriveType = 3", "Win32_LogicalDisk"},
      {"SELECT Name FROM\tWin32_BIOS", "Win32_BIOS"},
      {"select  a,  b  from   Win32_Battery  ", "Win32_Battery"},
      {"Select FromDate from Win32_X", "Win32_X"},  // a property that starts with "from"
      {"Select * from", std::nullopt},
      {"Select *", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(WqlClassName(c.wql), c.name) << c.wql;
}

}  // namespace
}  // namespace hv::win32

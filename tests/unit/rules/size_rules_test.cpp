#include <gtest/gtest.h>

#include <limits>

#include "sections/value_rules.h"

namespace hv::sections {
namespace {

using std::nullopt;
using Text = std::optional<std::string>;

TEST(SizeRules, MbGbRuleGoesByTheValue) {
  const std::pair<std::int64_t, Text> cases[] = {
      {512, "512 MB"},   {999, "999 MB"},
      {1000, "1000 MB"}, {1023, "1023 MB"},
      {1024, "1 GB"},    {1536, "1 GB"},
      {3000, "2 GB"},    {8192, "8 GB"},
      {0, "0 MB"},       {-1, nullopt},
      {-2048, nullopt},  {std::numeric_limits<std::int64_t>::max(), "9007199254740991 GB"},
  };
  for (const auto& [mb, text] : cases) EXPECT_EQ(MbGbText(mb), text) << mb;
}

TEST(SizeRules, RamTotalFromModulesFlooredPerModuleBeforeSumming) {
  // Two modules of 2,147,483,648 bytes and one of 1,500,000 bytes (1.43 MB, floored to 1).
  std::int64_t totalMb = 0;
  for (const char* capacity : {"2147483648", "2147483648", "1500000"})
    totalMb += WholeFloor(platform::Variant(capacity), 1024.0 * 1024.0).value_or(0);
  EXPECT_EQ(totalMb, 4097);
  EXPECT_EQ(MbGbText(totalMb), "4 GB");
}

struct LadderCase {
  std::int64_t n;
  Text text;
};

TEST(SizeRules, FreeSpaceLadderInMb) {
  const LadderCase cases[] = {
      {0, "0 MB"},
      {5, "5 MB"},
      {999, "999 MB"},
      {1000, "0.9 GB"},
      {5000, "4.8 GB"},
      {51200, "50 GB"},
      {500000, "488.2 GB"},
      {2000000, "1.90 TB"},
      {10000000, "9.536 TB"},
      {123456789, "117.73 TB"},
      {-1, nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FreeSpaceText(c.n, '.'), c.text) << c.n;
  EXPECT_EQ(FreeSpaceText(5000, ','), "4,8 GB");
}

TEST(SizeRules, FixedDiskLadderInKb) {
  const LadderCase cases[] = {
      {0, "0 KB"},
      {99, "99 KB"},
      {512, "512 KB"},
      {1000, "0 MB"},
      {500000, "488 MB"},
      {1048575, "0.9 GB"},
      {10485760, "10 GB"},
      {62914560, "60 GB"},
      {120563271, "114.9 GB"},
      {367823313, "350.7 GB"},
      {488386584, "465.7 GB"},
      {1953514584, "1863.0 GB"},
      // Past 32 bits of KB (2 TiB and more) the ladder goes on in GB.
      {4294967296, "4096 GB"},
      {std::numeric_limits<std::int64_t>::max(), "8796093022208 GB"},
      {-5, nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedDiskSizeText(c.n, '.'), c.text) << c.n;
  EXPECT_EQ(FixedDiskSizeText(488386584, ','), "465,7 GB");
}

TEST(SizeRules, RemovableLadderInKb) {
  const LadderCase cases[] = {
      {0, "0 KB"},
      {32, "32 KB"},
      {500, "500 KB"},
      {1000, "0.9 MB"},
      {1440, "1.4 MB"},
      {1500, "1.4 MB"},
      {15000, "14.6 MB"},
      {150000, "146.4 MB"},
      {665600, "650 MB"},
      {999936, "976.5 MB"},
      {1000000, "0.95 GB"},
      {1048576, "1 GB"},
      {4595776, "4.38 GB"},
      {15000000, "14.30 GB"},
      {100000000, "95.367 GB"},
      {1000000000, "0.93 TB"},
      {-1, nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(RemovableSizeText(c.n, '.'), c.text) << c.n;
  EXPECT_EQ(RemovableSizeText(7811891, ','), "7,44 GB");
}

TEST(SizeRules, CacheRule) {
  const std::pair<std::string, Text> cases[] = {
      {"256", "256 KB"},
      {"64", "64 KB"},
      {"10", "10 KB"},
      {"1024", "1 MB"},
      {"1536", "1 MB"},
      {"6144", "6 MB"},
      {"12288", "12 MB"},
      {"0", nullopt},
      {"", nullopt},
      {"-4", nullopt},
      {"n/a", nullopt},
      {"1e300", nullopt},
      // One character is never a size, whatever the digit.
      {"8", nullopt},
      {"1", nullopt},
      {"9", nullopt},
  };
  for (const auto& [kb, text] : cases) EXPECT_EQ(CacheSizeText(kb), text) << kb;
}

TEST(SizeRules, MemoryInUseAndAvailable) {
  struct Case {
    std::int64_t total, free;
    Text inUse, available;
  };
  const Case cases[] = {
      {4194304, 1048576, "3072 MB (75%)", "1024 MB (25%)"},
      {4194304, 524288, "3584 MB (88%)", "512 MB (12%)"},
      {8388608, 2097152, "6144 MB (75%)", "2048 MB (25%)"},
      // Past 20 GB the share still comes out (no 32-bit product).
      {33554432, 25165824, "8192 MB (25%)", "24576 MB (75%)"},
      {4194304, 4194304, "0 MB (0%)", "4096 MB (100%)"},
      {0, 1048576, nullopt, nullopt},
      {4194304, 0, nullopt, nullopt},
      {1048576, 4194304, nullopt, nullopt},  // free above the total: a broken reading
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MemoryInUseText(c.total, c.free), c.inUse) << c.total << " " << c.free;
    EXPECT_EQ(MemoryAvailableText(c.total, c.free), c.available) << c.total << " " << c.free;
  }
}

}  // namespace
}  // namespace hv::sections

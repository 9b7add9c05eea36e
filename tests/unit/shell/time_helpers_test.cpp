#include "shell/time_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::shell {
namespace {

using test::AppFixture;

constexpr std::uint64_t kSecond = 1000;
constexpr std::uint64_t kMinute = 60 * kSecond;
constexpr std::uint64_t kHour = 60 * kMinute;
constexpr std::uint64_t kDay = 24 * kHour;

// The usage time row of the User account page, as the page writes it and a second later as
// its refresh rewrites it.
TEST(UpTime, EveryHourSinceStartUpDrawnInTheUsersLongTimePicture) {
  struct Case {
    std::uint64_t ms;
    const char* picture;
    const char *shown, *ticked;
  };
  constexpr std::uint64_t k51h = 2 * kDay + 3 * kHour + 4 * kMinute + 5 * kSecond;
  const Case cases[] = {
      {k51h, "HH:mm:ss", "51:04:05", "51:04:06"},
      {k51h, "HH' h 'mm' min 'ss' s'", "51 h 04 min 05 s", "51 h 04 min 06 s"},
      {k51h, "H時mm分ss秒", "51時04分05秒", "51時04分06秒"},
      {k51h, "tt h:mm:ss", "51:04:05", "51:04:06"},  // a duration has no morning
      {k51h, "h:mm:ss tt", "51:04:05", "51:04:06"},
      {k51h, "h:mm:ss\u202Ftt", "51:04:05", "51:04:06"},  // a narrow no-break space
      {k51h, "HH.mm.ss", "51.04.05", "51.04.06"},
      {k51h, "HH'h''s'mm'm'ss", "51h's04m05", "51h's04m06"},
      {k51h, "HH'h'mm", "51:04:05", "51:04:06"},  // no seconds field: the fallback
      {k51h, "", "51:04:05", "51:04:06"},         // no picture to go by
      {59 * kSecond + 999, "HH:mm:ss", "00:00:59", "00:01:00"},
      {400 * kDay, "H:mm:ss", "9600:00:00", "9600:00:01"},
      // Past 2^31 ms (24.9 days) and past 2^32 ms (49.7 days) it goes on counting.
      {(std::uint64_t{1} << 32) + 10 * kSecond, "HH:mm:ss", "1193:02:57", "1193:02:58"},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.system.tickCount = 1000;  // the 32-bit count, wrapped long ago, is not read
    f.system.tickCount64 = c.ms;
    f.system.longTimeFormat = c.picture;
    MainWindow& w = f.StartOn(2);
    EXPECT_EQ(w.L[9]->Caption(), std::string(c.shown) + " hs.") << c.ms << " " << c.picture;
    f.system.tickCount64 += kSecond;
    f.backend.Tick(*w.Timer1);
    EXPECT_EQ(w.L[9]->Caption(), std::string(c.ticked) + " hs.") << c.ms << " " << c.picture;
    ClockParts parts;
    UpTime(f.App(), &parts);
    EXPECT_EQ(parts.days * 86400 + parts.hours * 3600 + parts.minutes * 60 + parts.seconds,
              static_cast<std::int64_t>(c.ms / 1000 + 1));
  }
}

TEST(MinutesToTime, ShortTimeOnTheTwentyFourHourClockDaysDropped) {
  struct Case {
    std::int32_t minutes;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {0, "00:00"},
      {125, "02:05"},
      {1500, "01:00"},
      {-1, "23:59"},
      {-61, "22:59"},  // one hour and one minute before midnight
      {-1440, "00:00"},
      {-1441, "23:59"},
      {1966079, "07:59"},  // 32767 hours and 59 minutes
      {1966080, std::nullopt},
      {std::numeric_limits<std::int32_t>::max(), std::nullopt},
      {std::numeric_limits<std::int32_t>::min(), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(MinutesToTime(c.minutes), c.text) << c.minutes;
  ClockParts parts;
  MinutesToTime(-61, &parts);
  EXPECT_EQ(parts.hours, -1);
  EXPECT_EQ(parts.minutes, -1);
}

std::vector<std::uint8_t> ProductIdWithKey(const std::vector<std::uint8_t>& key,
                                           std::size_t size = 164) {
  std::vector<std::uint8_t> value(size, 0xEE);  // bytes around the key must not matter
  for (std::size_t i = 0; i < key.size() && 52 + i < size; ++i) value[52 + i] = key[i];
  return value;
}

std::vector<std::uint8_t> FromHex(const std::string& hex) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

TEST(ProductKey, DecodesKnownBytePatterns) {
  struct Case {
    std::vector<std::uint8_t> key;  // bytes 52..66, least significant first
    const char* text;
  };
  const Case cases[] = {
      {std::vector<std::uint8_t>(15, 0), "BBBBB-BBBBB-BBBBB-BBBBB-BBBBB"},
      {{1}, "BBBBB-BBBBB-BBBBB-BBBBB-BBBBC"},
      {{23}, "BBBBB-BBBBB-BBBBB-BBBBB-BBBB9"},
      {{24}, "BBBBB-BBBBB-BBBBB-BBBBB-BBBCB"},
      {FromHex("30dca9d1d35c8be030c33bfbeb2702"), "MPQRT-VWXY2-34678-9BCDF-GHJKM"},
      // Bit 3 of the last byte clear: the older encoding, whatever else that byte holds.
      {FromHex("c3aabfa65bba18b8878e89d24ed800"), "FJ82H-XT6CR-J8D7P-XQJJ2-GPDD4"},
      {FromHex("d85099095aa300165a67036f1ad606"), "DW23Y-78332-R4CTX-WYQHJ-DQPJM"},
      {FromHex("7504d90e945de2e8f54ee781ec6d07"), "G8FXF-BGGCX-YT2T8-FCQ73-2329V"},
      // Bit 3 set: Windows 8 and later, an N where the first character's index says.
      {FromHex("ec0c00000000a8d27b6e89814f6d09"), "VK7JG-NPHTM-C97JM-9MPGT-3V66T"},
      {FromHex("da0c30000000186367e01565be1908"), "NPPR9-FWDCX-D2C8J-H872K-2YT43"},
      {FromHex("38b4e652e44da7f237443abbf91a0e"), "3QX6T-YY8PV-BFRYG-M4WD3-D27NB"},  // N at 23
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08}, "NBBBB-BBBBB-BBBBB-BBBBB-BBBBB"},
      {FromHex("0102030405060708090a0b0c0d0e0f"), "RF6NJ-7299F-63MVX-GGP2G-G8VMC"},
      {std::vector<std::uint8_t>(15, 0xFF), "RQCTG-N98YP-V6JBQ-K7T3R-TVB7K"},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> key = c.key;
    key.resize(15, 0);
    EXPECT_EQ(DecodeProductKey(ProductIdWithKey(key)), c.text);
  }
}

TEST(ProductKey, ValuesOfTheWrongLengthGiveNoKey) {
  const std::vector<std::uint8_t> key = FromHex("30dca9d1d35c8be030c33bfbeb2702");
  struct Case {
    std::size_t size;
    bool decoded;
  };
  const Case cases[] = {{0, false},  {1, false},  {52, false},  {66, false},  {67, true},
                        {100, true}, {164, true}, {165, false}, {4096, false}};
  for (const Case& c : cases) {
    const std::string text = DecodeProductKey(ProductIdWithKey(key, c.size));
    EXPECT_EQ(text, c.decoded ? "MPQRT-VWXY2-34678-9BCDF-GHJKM" : "") << c.size;
  }
}

TEST(ProductKey, AlwaysFiveGroupsOfFiveFromTheKeyAlphabet) {
  std::mt19937 random(1234);
  const std::string alphabet = "BCDFGHJKMPQRTVWXY2346789";
  for (int n = 0; n < 400; ++n) {
    std::vector<std::uint8_t> value(164);
    for (auto& b : value) b = static_cast<std::uint8_t>(random() & 0xFF);
    const bool newer = (value[66] & 0x08) != 0;
    const std::string key = DecodeProductKey(value);
    ASSERT_EQ(key.size(), 29u);
    std::size_t letterN = 0;
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (i % 6 == 5)
        EXPECT_EQ(key[i], '-');
      else if (key[i] == 'N')
        ++letterN;
      else
        EXPECT_NE(alphabet.find(key[i]), std::string::npos);
    }
    // Exactly one N in the newer encoding, never one in the older.
    EXPECT_EQ(letterN, newer ? 1u : 0u);
    // Only bit 3 of the last byte tells the encodings apart.
    value[66] ^= 0x08;
    const std::string other = DecodeProductKey(value);
    EXPECT_EQ(other.find('N') == std::string::npos, newer) << key << " / " << other;
  }
}

TEST(ProductKey, ReadsTheSystemsValue) {
  AppFixture f;
  EXPECT_EQ(ProductKey(f.system), "");  // no value
  f.system.productId = ProductIdWithKey(FromHex("30dca9d1d35c8be030c33bfbeb2702"));
  EXPECT_EQ(ProductKey(f.system), "MPQRT-VWXY2-34678-9BCDF-GHJKM");
}

}  // namespace
}  // namespace hv::shell

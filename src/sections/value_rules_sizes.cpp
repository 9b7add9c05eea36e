// Size rules: the MB/GB rule, the size ladders that pick a unit by the number of digits,
// the cache rule and the memory shares.
#include <array>
#include <cmath>

#include "sections/value_rules.h"

namespace hv::sections {

namespace {

// One rung of a size ladder: from minDigits digits on, the number is divided by 1024^power
// and shown either as its whole part (cutAtMin 0) or as its quotient text cut to cutAtMin
// characters, one more for each digit above minDigits. The last rung has no upper end, so
// every size gets a text.
struct Rung {
  std::size_t minDigits;
  int power;
  std::size_t cutAtMin;
  const char* unit;
};

template <std::size_t N>
std::optional<std::string> LadderText(const std::array<Rung, N>& ladder, std::int64_t n,
                                      char decimalSeparator) {
  if (n < 0) return std::nullopt;
  const std::size_t digits = DigitCount(n);
  const Rung* rung = &ladder[0];
  for (const Rung& r : ladder)
    if (digits >= r.minDigits) rung = &r;
  const double quotient = static_cast<double>(n) / std::pow(1024.0, rung->power);
  std::string number;
  if (rung->cutAtMin == 0) {
    number = std::to_string(*VbInt(quotient));  // 0 <= quotient < 2^63: always a value
  } else {
    number = CutNumberText(quotient, rung->cutAtMin + (digits - rung->minDigits), decimalSeparator);
  }
  return number + " " + rung->unit;
}

constexpr std::array<Rung, 3> kFreeSpaceLadder{{
    {1, 0, 0, "MB"},
    {4, 1, 3, "GB"},
    {7, 2, 4, "TB"},
}};

constexpr std::array<Rung, 3> kFixedDiskLadder{{
    {1, 0, 0, "KB"},
    {4, 1, 0, "MB"},
    {7, 2, 3, "GB"},
}};

constexpr std::array<Rung, 4> kRemovableLadder{{
    {1, 0, 0, "KB"},
    {4, 1, 3, "MB"},
    {7, 2, 4, "GB"},
    {10, 3, 4, "TB"},
}};

std::string WholeMb(std::int64_t kb) { return std::to_string(kb / 1024) + " MB"; }

}  // namespace

std::optional<std::string> MbGbText(std::int64_t mb) {
  if (mb < 0) return std::nullopt;
  // Goes by the value, not by the digits: 1000 to 1023 MB stay in MB instead of "0 GB".
  if (mb < 1024) return std::to_string(mb) + " MB";
  return std::to_string(mb / 1024) + " GB";
}

std::optional<std::string> FreeSpaceText(std::int64_t mb, char decimalSeparator) {
  return LadderText(kFreeSpaceLadder, mb, decimalSeparator);
}

std::optional<std::string> FixedDiskSizeText(std::int64_t kb, char decimalSeparator) {
  return LadderText(kFixedDiskLadder, kb, decimalSeparator);
}

std::optional<std::string> RemovableSizeText(std::int64_t kb, char decimalSeparator) {
  return LadderText(kRemovableLadder, kb, decimalSeparator);
}

std::optional<std::string> CacheSizeText(const std::string& kbText) {
  // A single digit is no cache a processor has (WMI gives 0 for none): shown as unknown.
  if (kbText.size() < 2) return std::nullopt;
  const auto kb = platform::CDbl(platform::Variant(kbText));
  if (!kb || !(*kb >= 1)) return std::nullopt;
  if (*kb < 1000) return kbText + " KB";
  const auto mb = VbInt(*kb / 1024);
  if (!mb) return std::nullopt;
  return std::to_string(*mb) + " MB";
}

std::optional<std::string> MemoryInUseText(std::int64_t totalKb, std::int64_t freeKb) {
  if (totalKb < 1 || freeKb < 1 || freeKb > totalKb) return std::nullopt;
  const std::int64_t used = totalKb - freeKb;
  const auto percent = PercentRounded(static_cast<double>(used), static_cast<double>(totalKb));
  if (!percent) return std::nullopt;
  return WholeMb(used) + " (" + std::to_string(*percent) + "%)";
}

std::optional<std::string> MemoryAvailableText(std::int64_t totalKb, std::int64_t freeKb) {
  if (totalKb < 1 || freeKb < 1 || freeKb > totalKb) return std::nullopt;
  const auto percent = PercentRounded(static_cast<double>(freeKb), static_cast<double>(totalKb));
  if (!percent) return std::nullopt;
  return WholeMb(freeKb) + " (" + std::to_string(*percent) + "%)";
}

}  // namespace hv::sections

// Number rules: whole numbers from readings, percentages and the truth-value reading.
#include <cmath>
#include <limits>

#include "sections/value_rules.h"

namespace hv::sections {

using platform::Variant;

namespace {

// 2^63 as a double; every double below it in magnitude converts to int64 without overflow.
constexpr double kInt64Limit = 9223372036854775808.0;

bool FitsInt64(double d) { return d >= -kInt64Limit && d < kInt64Limit; }

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

std::optional<std::int64_t> VbInt(double d) {
  if (!std::isfinite(d)) return std::nullopt;
  const double whole = std::floor(d);
  if (!FitsInt64(whole)) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

std::optional<std::int64_t> RoundHalfEven64(double d) {
  if (!std::isfinite(d)) return std::nullopt;
  double whole = std::floor(d);
  const double fraction = d - whole;  // exact: d and its floor share the binade
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (!FitsInt64(whole)) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

std::optional<std::int64_t> WholeFloor(const Variant& v, double divisor) {
  const auto d = platform::CDbl(v);
  if (!d || !(divisor > 0) || !std::isfinite(divisor)) return std::nullopt;
  return VbInt(*d / divisor);
}

std::optional<std::int64_t> WholeRounded(const Variant& v, double divisor) {
  const auto d = platform::CDbl(v);
  if (!d || !(divisor > 0) || !std::isfinite(divisor)) return std::nullopt;
  return RoundHalfEven64(*d / divisor);
}

std::optional<std::uint32_t> AsUnsigned32(const Variant& v) {
  switch (v.GetType()) {
    case Variant::Type::Int32:
    case Variant::Type::Int64:
    case Variant::Type::Double:
    case Variant::Type::String:
      break;
    default:
      return std::nullopt;
  }
  std::optional<std::int64_t> n;
  if (const auto* i64 = v.AsInt64()) {
    n = *i64;
  } else if (const auto d = platform::CDbl(v)) {
    n = RoundHalfEven64(*d);
  }
  // The scripting interface hands uint32 over in a signed 32-bit VARIANT: 2 GB and more
  // arrive negative, and adding 2^32 gives the count back.
  constexpr std::int64_t kTwoTo32 = std::int64_t{1} << 32;
  if (!n || *n < -(kTwoTo32 / 2) || *n >= kTwoTo32) return std::nullopt;
  return static_cast<std::uint32_t>(*n < 0 ? *n + kTwoTo32 : *n);
}

std::optional<std::int64_t> AdapterMemoryMb(const Variant& adapterRam) {
  const auto bytes = AsUnsigned32(adapterRam);
  if (!bytes) return std::nullopt;
  return std::int64_t{*bytes} / (1024 * 1024);
}

std::size_t DigitCount(std::int64_t n) { return std::to_string(n).size(); }

std::string CutNumberText(double d, std::size_t chars, char decimalSeparator) {
  return CutText(platform::DoubleText(d, decimalSeparator), chars);
}

std::optional<std::string> CountText(const std::string& text, std::int64_t minimum) {
  const auto d = platform::CDbl(Variant(text));
  if (!d || text.empty()) return std::nullopt;
  const auto whole = RoundHalfEven64(*d);
  if (!whole || *whole < minimum) return std::nullopt;
  return text;
}

std::optional<bool> ReadTruthValue(const std::string& text) {
  const std::string word = Lower(platform::Trim(text));
  if (word == "true") return true;
  if (word == "false") return false;
  const auto d = platform::CDbl(Variant(text));
  if (!d || word.empty()) return std::nullopt;
  return *d != 0;
}

std::optional<std::int64_t> PercentTruncated(std::int64_t part, std::int64_t whole) {
  std::int64_t product = 0;
  if (whole <= 0 || __builtin_mul_overflow(part, std::int64_t{100}, &product)) {
    return std::nullopt;
  }
  return product / whole;  // C++ division truncates toward zero, as VB's \ does
}

std::optional<std::int64_t> PercentFloor(std::int64_t part, std::int64_t whole) {
  if (whole <= 0) return std::nullopt;
  return VbInt(static_cast<double>(part) * 100.0 / static_cast<double>(whole));
}

std::optional<std::int64_t> PercentRounded(double part, double whole) {
  if (!(whole > 0) || !std::isfinite(whole)) return std::nullopt;
  return RoundHalfEven64(part * 100.0 / whole);
}

std::optional<std::int64_t> SpaceShare(std::int64_t partKb, std::int64_t capacityKb) {
  if (capacityKb <= 0) return std::nullopt;
  return PercentRounded(static_cast<double>(static_cast<float>(partKb)),
                        static_cast<double>(capacityKb));
}

}  // namespace hv::sections

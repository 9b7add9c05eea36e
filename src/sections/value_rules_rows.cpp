// Row rules that build one row's value from several readings: speeds, virtual memory,
// update rates, the screen configuration, the battery voltage and the system version.
#include "sections/value_rules.h"

namespace hv::sections {

using platform::Variant;

namespace {

// The number a trimmed reading stands for, 0 when it is empty or not a number.
double NumberOrZero(const std::string& text) {
  return platform::CDbl(Variant(text.empty() ? "0" : text)).value_or(0.0);
}

bool IsNonZeroNumber(const std::string& text) { return !text.empty() && NumberOrZero(text) != 0.0; }

}  // namespace

std::optional<std::string> SummarySpeedText(std::int64_t mhz, std::int64_t processors,
                                            const std::string& cpusTemplate,
                                            char decimalSeparator) {
  if (mhz < 1) return std::nullopt;
  const std::string ghz =
      CutNumberText(static_cast<double>(mhz) / 1000.0, 4, decimalSeparator) + " Ghz";
  if (processors < 2) return DigitCount(mhz) == 3 ? std::to_string(mhz) + " Mhz" : ghz;
  return ghz + " (" + FillPlaceholder(cpusTemplate, "(#)", std::to_string(processors)) + ")";
}

SpeedRow SpeedRule(std::int64_t currentMhz, std::int64_t maximumMhz) {
  if (maximumMhz < 1) return {SpeedCaption::SpeedOnly, std::nullopt};
  const std::string maximum = std::to_string(maximumMhz) + " Mhz";
  const auto percent = PercentFloor(currentMhz, maximumMhz);
  if (currentMhz < 1 || currentMhz >= maximumMhz || !percent) {
    return {SpeedCaption::SpeedOnly, maximum};
  }
  return {SpeedCaption::CurrentAndMaximum, std::to_string(currentMhz) + " Mhz (" +
                                               std::to_string(*percent) + "%) / " + maximum +
                                               " (100%)"};
}

VirtualMemoryRow VirtualMemoryRule(std::int64_t totalMb, std::int64_t usedMb) {
  if (totalMb < 1) return {VirtualMemoryCaption::InUse, std::nullopt};
  const std::string total = std::to_string(totalMb) + " MB";
  const auto percent = PercentTruncated(usedMb, totalMb);
  if (usedMb < 1 || usedMb >= totalMb || !percent) return {VirtualMemoryCaption::Total, total};
  return {VirtualMemoryCaption::InUse, std::to_string(usedMb) + " MB (" + std::to_string(*percent) +
                                           "%) / " + total + " (100%)"};
}

RateRow UpdateRateRule(const std::string& minimum, const std::string& maximum,
                       const std::string& hzTemplate) {
  const std::string minText = minimum.empty() ? "0" : minimum;
  const std::string maxText = maximum.empty() ? "0" : maximum;
  const bool hasMin = NumberOrZero(minText) != 0.0;
  const bool hasMax = NumberOrZero(maxText) != 0.0;
  const std::string minRate = FillPlaceholder(hzTemplate, "(#)", minText);
  const std::string maxRate = FillPlaceholder(hzTemplate, "(#)", maxText);
  if (!hasMin && hasMax) return {RateCaption::Maximum, maxRate};
  if (hasMin && !hasMax) return {RateCaption::Minimum, minRate};
  if (!hasMin && !hasMax) return {RateCaption::MinimumAndMaximum, std::nullopt};
  // Both known: the texts are compared, not the numbers, as the page does.
  if (minText != maxText) return {RateCaption::MinimumAndMaximum, minRate + " - " + maxRate};
  return {RateCaption::Maximum, maxRate};
}

std::optional<std::string> ConfigurationText(const std::string& horizontal,
                                             const std::string& vertical, const std::string& bits,
                                             const std::string& rate,
                                             const std::string& configTemplate) {
  for (const std::string* text : {&horizontal, &vertical, &bits, &rate})
    if (!IsNonZeroNumber(*text)) return std::nullopt;
  const std::string resolution = horizontal + " x " + vertical;
  return FillPlaceholders(configTemplate, {{"(1)", resolution}, {"(2)", bits}, {"(3)", rate}});
}

std::optional<std::string> VoltageText(const std::string& millivolts,
                                       const std::string& voltTemplate, char decimalSeparator) {
  if (millivolts.empty()) return std::nullopt;
  const auto mv = platform::CLng(Variant(millivolts));
  if (!mv) return std::nullopt;
  // Tenths of a volt by whole-number arithmetic, so a tie such as 11250 mV is exactly a
  // half and goes to the even neighbour (11.2 V).
  std::int64_t tenths = *mv / 100;
  std::int64_t rest = *mv % 100;
  if (rest < 0) {
    tenths -= 1;
    rest += 100;
  }
  if (rest > 50 || (rest == 50 && tenths % 2 != 0)) tenths += 1;
  const std::string volts =
      platform::DoubleText(static_cast<double>(tenths) / 10.0, decimalSeparator);
  return "~ " + FillPlaceholder(voltTemplate, "(#)", volts);
}

std::string VersionBuildText(const std::string& version) {
  return CutText(version, 3) + ", " + RightText(version, 4);
}

std::optional<std::string> ServicePackText(const std::string& servicePack,
                                           const std::string& noneText,
                                           const std::string& versionTemplate) {
  const auto number = platform::CDbl(Variant(servicePack));
  if (servicePack.empty() || !number) return std::nullopt;
  const auto whole = RoundHalfEven64(*number);
  if (!whole) return std::nullopt;
  if (*whole < 1) return noneText;
  return FillPlaceholder(versionTemplate, "(#)", servicePack);
}

}  // namespace hv::sections

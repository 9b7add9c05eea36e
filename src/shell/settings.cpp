#include "shell/settings.h"

namespace hv::shell {

using platform::Variant;

namespace {

// The stored value as the text the setting's rule reads; nullopt when it has no text
// (missing, Null, an array of bytes ...).
std::optional<std::string> StoredText(const std::optional<Variant>& stored) {
  if (!stored) return std::nullopt;
  return platform::CStr(*stored);
}

// The number a stored value spells, for the rules that read "as a number".
std::optional<double> StoredNumber(const std::optional<Variant>& stored) {
  auto text = StoredText(stored);
  if (!text || text->empty()) return std::nullopt;
  Variant asText(*text);
  if (!platform::IsNumeric(asText)) return std::nullopt;
  return platform::CDbl(asText);
}

}  // namespace

Judged<std::string> JudgeLanguage(const std::optional<Variant>& stored) {
  auto text = StoredText(stored);
  if (text) {
    std::string name = platform::Trim(*text);
    if (name == "English" || name == "Spanish" || name == "Dutch") return {name, false};
  }
  return {"English", true};
}

Judged<std::int32_t> JudgeColor(const std::optional<Variant>& stored) {
  std::optional<std::int32_t> colour;
  if (stored) colour = platform::CLng(*stored);
  if (colour && *colour >= 255 && *colour <= 16776960) return {*colour, false};
  return {kDefaultColor, true};
}

Judged<std::int32_t> JudgeShine(const std::optional<Variant>& stored) {
  auto number = StoredNumber(stored);
  if (number && *number >= 0 && *number <= 48) {
    if (auto half = platform::RoundHalfEven32(*number / 2)) return {*half, false};
  }
  return {kDefaultShineStored / 2, true};
}

Judged<bool> JudgeTransOn(const std::optional<Variant>& stored) {
  auto number = StoredNumber(stored);
  if (number && *number == 1) return {true, false};
  if (number && *number == 0) return {false, false};
  return {true, true};
}

Judged<std::int32_t> JudgeTransparency(const std::optional<Variant>& stored) {
  auto number = StoredNumber(stored);
  if (number && *number >= 0 && *number <= 80) {
    if (auto whole = platform::RoundHalfEven32(*number)) return {*whole, false};
  }
  return {0, true};
}

Judged<std::int32_t> JudgeSpectrumPosition(const std::optional<Variant>& stored) {
  std::optional<std::int32_t> position;
  if (stored) position = platform::CLng(*stored);
  if (position && *position >= 0 && *position <= 210) return {*position, false};
  return {kDefaultSpectrumPosition, true};
}

}  // namespace hv::shell

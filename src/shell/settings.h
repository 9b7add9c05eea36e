#pragma once
// The settings under the settings key: how each stored value is judged at start-up. A read
// that failed (missing value, missing key, no shell object) is nullopt and counts as invalid.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/variant.h"

namespace hv::shell {

template <class T>
struct Judged {
  T value;                // the value to use
  bool replaced = false;  // the stored value was invalid: write the default back
};

Judged<std::string> JudgeLanguage(const std::optional<platform::Variant>& stored);
Judged<std::int32_t> JudgeColor(const std::optional<platform::Variant>& stored);
// The stored value is twice the shine; the result is the shine (0..24).
Judged<std::int32_t> JudgeShine(const std::optional<platform::Variant>& stored);
Judged<bool> JudgeTransOn(const std::optional<platform::Variant>& stored);
Judged<std::int32_t> JudgeTransparency(const std::optional<platform::Variant>& stored);
Judged<std::int32_t> JudgeSpectrumPosition(const std::optional<platform::Variant>& stored);

inline constexpr std::int32_t kDefaultColor = 16750080;
inline constexpr std::int32_t kDefaultShineStored = 48;
inline constexpr std::int32_t kDefaultSpectrumPosition = 122;

}  // namespace hv::shell

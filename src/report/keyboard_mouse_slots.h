#pragma once
// Where the Keyboard section leaves the values the Mouse section writes right after it:
// the same slots of the application's section values as the Keyboard and mouse page's.
#include <cstddef>

namespace hv::report::input_slots {

inline constexpr std::size_t kKeyboardName = 1;
inline constexpr std::size_t kKeyboardType = 2;
inline constexpr std::size_t kMouseName = 3;
inline constexpr std::size_t kMouseMaker = 4;
inline constexpr std::size_t kButtons = 5;
inline constexpr std::size_t kConnection = 6;
inline constexpr std::size_t kHandedness = 7;

}  // namespace hv::report::input_slots

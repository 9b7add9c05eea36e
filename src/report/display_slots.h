#pragma once
// The slots of app.sectionValues in which the report's Display section leaves the first
// graphics card's texts for the Graphics card section that follows it. The card's memory
// goes through ReportRun::displayMemoryMb instead.
#include <cstddef>

namespace hv::report::display_slots {

inline constexpr std::size_t kCardName = 6;
inline constexpr std::size_t kMemoryType = 7;
inline constexpr std::size_t kDrivers = 8;
inline constexpr std::size_t kDriverVersion = 9;
inline constexpr std::size_t kDriverDate = 10;

}  // namespace hv::report::display_slots

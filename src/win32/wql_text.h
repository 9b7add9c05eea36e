#pragma once
// The class a WQL select names, so that an empty answer can be told apart from a class the
// namespace does not have.
#include <optional>
#include <string>

namespace hv::win32 {

// "Select a, b from Win32_Processor where X = 1" -> "Win32_Processor"; the keyword is found
// without regard to case and blanks or tabs may be doubled. nullopt when there is no
// "from" followed by a name.
std::optional<std::string> WqlClassName(const std::string& wql);

}  // namespace hv::win32

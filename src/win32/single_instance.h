#pragma once
// The lock that lets only one copy of the program run per session.
#include <windows.h>

#include <optional>

#include "win32/raii.h"

namespace hv::win32 {

inline constexpr const wchar_t* kInstanceLockName = L"Local\\BrenlowHarvala";

// Takes the named lock for this copy: the handle to keep while the copy runs, or nullopt
// when another copy holds the name already. A lock that cannot be made at all for another
// reason does not stop this copy: one copy too many beats no copy.
std::optional<KernelHandle> ClaimSingleInstance(const wchar_t* name);

}  // namespace hv::win32

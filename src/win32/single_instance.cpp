#include "win32/single_instance.h"

namespace hv::win32 {

std::optional<KernelHandle> ClaimSingleInstance(const wchar_t* name) {
  ::SetLastError(ERROR_SUCCESS);
  KernelHandle lock(::CreateMutexW(nullptr, FALSE, name));
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS) return std::nullopt;
  // The name is taken but this copy may not open it: the first copy runs with rights this
  // one lacks (elevated, say), and its lock's security keeps others out. That first copy
  // still runs, so this one is the second and ends.
  if (!lock && error == ERROR_ACCESS_DENIED) return std::nullopt;
  return lock;
}

}  // namespace hv::win32

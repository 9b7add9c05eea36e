#pragma once
// Saving a file so that a failure never costs the file it replaces.
#include <windows.h>

#include <string>

#include "platform/system.h"

namespace hv::win32 {

// The signature of ReplaceFileW. The smoke test passes its own to play the failures Windows
// documents but Wine never produces.
using ReplaceFileCall = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID);

// Writes the bytes to a new file beside path, which then takes path's place: over an existing
// file by ReplaceFileW, so that the file keeps its attributes, security and streams; under a
// new name, on a volume that cannot do ReplaceFileW, or when the file went meanwhile, by a
// move. On failure the file at path is left as it was and nothing else is left behind, unless
// the failure leaves the old file or the new one under another name only; the error then
// names it.
platform::FileWriteResult SaveFile(const std::wstring& path, const std::string& bytes,
                                   ReplaceFileCall replace = ::ReplaceFileW);

}  // namespace hv::win32

#pragma once
#include <windows.h>

#include <string>

namespace hv::win32 {

// Replaces the clipboard's contents with Unicode text; false when the clipboard could not
// be had, in which case it holds what it held before. The owner window must exist: without one,
// SetClipboardData fails.
bool PutClipboardText(HWND owner, const std::wstring& text);

}  // namespace hv::win32

#include "win32/clipboard.h"

#include <cstring>

#include "win32/raii.h"

namespace hv::win32 {

namespace {

// Another program may hold the clipboard for a moment: a few short tries.
bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (::OpenClipboard(owner)) return true;
    ::Sleep(10);
  }
  return false;
}

class ClipboardGuard {
 public:
  ~ClipboardGuard() { ::CloseClipboard(); }
};

// The text in movable global memory, as the clipboard takes it; null when there is no memory.
HGLOBAL GlobalText(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return nullptr;
  void* target = ::GlobalLock(memory);
  if (!target) {
    ::GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, text.c_str(), bytes);
  ::GlobalUnlock(memory);
  return memory;
}

}  // namespace

bool PutClipboardText(HWND owner, const std::wstring& text) {
  if (!owner) return false;
  // The new text is made ready first: a copy that cannot be made must leave the clipboard
  // as it was, not emptied.
  HGLOBAL memory = GlobalText(text);
  if (!memory) return false;
  if (!OpenClipboardPatiently(owner)) {
    ::GlobalFree(memory);
    return false;
  }
  ClipboardGuard open;
  ::EmptyClipboard();
  // Once SetClipboardData succeeds the memory belongs to the clipboard.
  if (!::SetClipboardData(CF_UNICODETEXT, memory)) {
    ::GlobalFree(memory);
    return false;
  }
  return true;
}

}  // namespace hv::win32

// The single-instance lock and the clipboard when another program holds it.
// clang-format off
#include <windows.h>  // first: sddl.h needs its types
#include <sddl.h>
// clang-format on

#include <gtest/gtest.h>

#include <string>

#include "win32/clipboard.h"
#include "win32/raii.h"
#include "win32/single_instance.h"

namespace hv::win32::test {
namespace {

constexpr const wchar_t* kTestLock = L"Local\\HarvalaInstanceTest";

TEST(SingleInstance, OnlyTheFirstClaimRuns) {
  auto first = ClaimSingleInstance(kTestLock);
  ASSERT_TRUE(first.has_value());
  EXPECT_TRUE(*first);
  EXPECT_FALSE(ClaimSingleInstance(kTestLock).has_value());
  first.reset();
  EXPECT_TRUE(ClaimSingleInstance(kTestLock).has_value());
}

// A first copy that runs elevated makes a lock that a plain copy may not open; here a lock
// whose security refuses everyone stands in for it.
TEST(SingleInstance, ALockThisCopyMayNotOpenIsAnotherCopy) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:(D;;GA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
  const KernelHandle guarded(
      ::CreateMutexW(&attributes, FALSE, L"Local\\HarvalaInstanceTestGuarded"));
  ::LocalFree(descriptor);
  ASSERT_TRUE(guarded);
  ::SetLastError(ERROR_SUCCESS);
  const KernelHandle probe(::CreateMutexW(nullptr, FALSE, L"Local\\HarvalaInstanceTestGuarded"));
  if (probe || ::GetLastError() != ERROR_ACCESS_DENIED) {
    GTEST_SKIP() << "this Windows lets the lock be opened; nothing to test";
  }
  EXPECT_FALSE(ClaimSingleInstance(L"Local\\HarvalaInstanceTestGuarded").has_value());
}

std::wstring ClipboardText() {
  if (!::OpenClipboard(nullptr)) return L"(not open)";
  std::wstring text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) text = chars;
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

TEST(Clipboard, AClipboardHeldElsewhereKeepsWhatItHeld) {
  const OwnedWindow mine(
      ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr));
  const OwnedWindow other(
      ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr));
  ASSERT_TRUE(mine && other);
  ASSERT_TRUE(PutClipboardText(mine.get(), L"before"));
  ASSERT_TRUE(::OpenClipboard(other.get()));
  EXPECT_FALSE(PutClipboardText(mine.get(), L"after"));
  ::CloseClipboard();
  EXPECT_EQ(ClipboardText(), L"before");
  EXPECT_TRUE(PutClipboardText(mine.get(), L"after"));
  EXPECT_EQ(ClipboardText(), L"after");
}

}  // namespace
}  // namespace hv::win32::test

#pragma once
// A System whose every answer is a field the test sets, with logs of what the program asked
// for (URLs opened, save dialogs shown, files written).
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/system.h"

namespace hv::test {

class FakeSystem : public platform::System {
 public:
  int ProcessorCount() override { return processorCount; }
  int MouseButtons() override { return mouseButtons; }
  std::uint32_t TickCount() override { return tickCount; }
  std::uint64_t TickCount64() override { return tickCount64; }
  // Looked up without regard to letter case, as Windows does.
  std::optional<std::string> Environment(const std::string& name) override;
  // A stand-in for Windows' ordinal comparison ignoring case: folds the letters of ASCII,
  // Latin-1, Greek and Cyrillic.
  bool SameNameIgnoringCase(const std::string& a, const std::string& b) override;
  // Looked up without regard to letter case; nullopt for a path not listed.
  std::optional<std::uint32_t> FileAttributes(const std::string& path) override;
  void OpenUrl(std::uintptr_t owner, const std::string& url) override;
  std::optional<std::vector<std::uint8_t>> DigitalProductId() override { return productId; }
  // Logs the request, then answers with saveDialogHandler when set, else saveResult.
  platform::SaveDialogResult SaveDialog(const platform::SaveDialogRequest& request) override;
  // Windows-1252, or with ansiCodePage 932 a few double-byte characters of that code page.
  std::optional<platform::AnsiText> ToAnsi(const std::string& utf8) override;
  // Really writes the file, through a new file beside it as Windows does; fails with
  // writeError when failFileWrites is on, leaving the file as it was.
  platform::FileWriteResult WriteFileBytes(const std::string& path,
                                           const std::string& bytes) override;
  void ShowError(std::uintptr_t owner, const std::string& title,
                 const std::string& message) override {
    errorsShown.push_back({owner, title, message});
  }
  unsigned AnsiCodePage() override { return ansiCodePage; }
  // A stand-in for Windows' formatting: the pictures below with English names, and like
  // Windows no date before 1601.
  std::optional<std::string> ShortDate(const platform::CalendarDate& date) override;
  std::optional<std::string> LongTime(const platform::TimeOfDay& time) override;
  std::optional<std::string> LongTimeFormat() override { return longTimeFormat; }
  char DecimalSeparator() override { return decimalSeparator; }
  platform::LocalTime Now() override { return now; }

  // Moves both clocks on; the 32-bit one wraps as timeGetTime does.
  void AdvanceTicks(std::uint64_t ms);

  int processorCount = 8;
  int mouseButtons = 3;
  std::uint32_t tickCount = 3'600'000;
  std::uint64_t tickCount64 = 3'600'000;
  std::map<std::string, std::string> environment{{"UserName", "Anna"}};
  std::map<std::string, std::uint32_t> fileAttributes;
  std::optional<std::vector<std::uint8_t>> productId;
  platform::SaveDialogResult saveResult;  // cancelled unless set
  std::function<platform::SaveDialogResult(const platform::SaveDialogRequest&)> saveDialogHandler;
  bool failFileWrites = false;
  std::string writeError = "There is not enough space on the disk.";
  std::string shortDateFormat = "dd/MM/yyyy";
  std::string longTimeFormat = "HH:mm:ss";
  std::string amMarker = "AM", pmMarker = "PM";
  char decimalSeparator = '.';
  unsigned ansiCodePage = 1252;  // 932 gives the double-byte sample; anything else 1252
  platform::LocalTime now{2014, 3, 9, 14, 5, 30};

  std::vector<std::pair<std::uintptr_t, std::string>> openedUrls;
  std::vector<platform::SaveDialogRequest> saveRequests;
  std::vector<std::string> writtenFiles;  // paths written successfully, in order
  struct ShownError {
    std::uintptr_t owner;
    std::string title, message;
  };
  std::vector<ShownError> errorsShown;
};

}  // namespace hv::test

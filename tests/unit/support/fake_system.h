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
  // Looked up without regard to letter case; nullopt for a path not listed.
  std::optional<std::uint32_t> FileAttributes(const std::string& path) override;
  void OpenUrl(std::uintptr_t owner, const std::string& url) override;
  std::optional<std::vector<std::uint8_t>> DigitalProductId() override { return productId; }
  // Logs the request, then answers with saveDialogHandler when set, else saveResult.
  platform::SaveDialogResult SaveDialog(const platform::SaveDialogRequest& request) override;
  // Really writes the file, converted to Windows-1252; false when it cannot be written or
  // failFileWrites is on.
  bool WriteAnsiFile(const std::string& path, const std::string& utf8) override;
  std::string ShortDateFormat() override { return shortDateFormat; }
  char DecimalSeparator() override { return decimalSeparator; }
  platform::LocalTime Now() override { return now; }
  unsigned AnsiCodePage() override { return ansiCodePage; }
  std::string LongTimeFormat() override { return longTimeFormat; }

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
  std::string shortDateFormat = "dd/MM/yyyy";
  char decimalSeparator = '.';
  std::string longTimeFormat = "HH:mm:ss";
  unsigned ansiCodePage = 1252;  // what WriteAnsiFile writes in, whatever this says
  platform::LocalTime now{2014, 3, 9, 14, 5, 30};

  std::vector<std::pair<std::uintptr_t, std::string>> openedUrls;
  std::vector<platform::SaveDialogRequest> saveRequests;
  std::vector<std::string> writtenFiles;  // paths written successfully, in order
};

}  // namespace hv::test

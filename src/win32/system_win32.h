#pragma once
// The Windows calls the program makes besides WMI and the shell object.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"

namespace hv::win32 {

class SystemWin32 : public platform::System {
 public:
  int ProcessorCount() override;
  int MouseButtons() override;
  std::uint32_t TickCount() override;
  std::uint64_t TickCount64() override;
  std::optional<std::string> Environment(const std::string& name) override;
  bool SameNameIgnoringCase(const std::string& a, const std::string& b) override;
  std::optional<std::uint32_t> FileAttributes(const std::string& path) override;
  void OpenUrl(std::uintptr_t owner, const std::string& url) override;
  std::optional<std::vector<std::uint8_t>> DigitalProductId() override;
  platform::SaveDialogResult SaveDialog(const platform::SaveDialogRequest& request) override;
  std::optional<platform::AnsiText> ToAnsi(const std::string& utf8) override;
  platform::FileWriteResult WriteFileBytes(const std::string& path,
                                           const std::string& bytes) override;
  void ShowError(std::uintptr_t owner, const std::string& title,
                 const std::string& message) override;
  unsigned AnsiCodePage() override;
  std::optional<std::string> ShortDate(const platform::CalendarDate& date) override;
  std::optional<std::string> LongTime(const platform::TimeOfDay& time) override;
  std::optional<std::string> LongTimeFormat() override;
  char DecimalSeparator() override;
  platform::LocalTime Now() override;
};

// The save dialog's filter list: "Name|*.ext|" pairs with every '|' turned into NUL and the
// list ending in the double NUL the dialog looks for, whether or not the text ended in '|'.
std::wstring DialogFilter(const std::string& filter);

}  // namespace hv::win32

#pragma once
// The few Windows calls the system makes besides WMI and the shell object.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hv::platform {

struct LocalTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

struct SaveDialogRequest {
  std::uintptr_t owner = 0;   // native window handle of the owner
  std::string title;
  std::string filter;         // "Name|*.ext|Name|*.ext" pairs joined by '|'
  std::string defaultName;
  std::string initialFolder;
  std::string defaultExtension;
  int filterIndex = 1;  // the file type preselected, 1-based
};

struct SaveDialogResult {
  std::string path;     // empty when cancelled
  int filterIndex = 0;  // 1-based index of the chosen filter
};

class System {
 public:
  virtual ~System() = default;
  virtual int ProcessorCount() = 0;                 // GetSystemInfo
  virtual int MouseButtons() = 0;                   // GetSystemMetrics(SM_CMOUSEBUTTONS)
  virtual std::uint32_t TickCount() = 0;            // timeGetTime: wraps after 49.7 days
  virtual std::uint64_t TickCount64() = 0;          // milliseconds since Windows started
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
  virtual std::optional<std::uint32_t> FileAttributes(const std::string& path) = 0;
  virtual void OpenUrl(std::uintptr_t owner, const std::string& url) = 0;  // ShellExecute "Open"
  // The bytes of HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\DigitalProductId read from
  // the 64-bit view; nullopt when the key or value cannot be read.
  virtual std::optional<std::vector<std::uint8_t>> DigitalProductId() = 0;
  virtual SaveDialogResult SaveDialog(const SaveDialogRequest& request) = 0;
  // Writes text (UTF-8 inside) as the ANSI code page, replacing what it cannot hold by '?'.
  virtual bool WriteAnsiFile(const std::string& path, const std::string& utf8) = 0;
  virtual std::string ShortDateFormat() = 0;  // e.g. "dd/MM/yyyy"
  virtual char DecimalSeparator() = 0;
  virtual LocalTime Now() = 0;
  // The ANSI code page WriteAnsiFile writes in (GetACP); files that declare their code page
  // say this one.
  virtual unsigned AnsiCodePage() { return 1252; }
  // The user's long time format (LOCALE_STIMEFORMAT), e.g. "HH:mm:ss" or "h:mm:ss tt".
  virtual std::string LongTimeFormat() { return "HH:mm:ss"; }
};

}  // namespace hv::platform

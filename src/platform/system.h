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

struct CalendarDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const CalendarDate&) const = default;
};

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0;
  bool operator==(const TimeOfDay&) const = default;
};

struct SaveDialogRequest {
  std::uintptr_t owner = 0;  // native window handle of the owner
  std::string title;
  std::string filter;  // "Name|*.ext|Name|*.ext" pairs joined by '|'
  std::string defaultName;
  std::string initialFolder;
  std::string defaultExtension;
  int filterIndex = 1;  // the file type preselected, 1-based
};

struct SaveDialogResult {
  std::string path;     // empty when cancelled
  int filterIndex = 0;  // 1-based index of the chosen filter
};

struct AnsiText {
  std::string bytes;
  bool exact = true;  // false when a character had no bytes of its own and became '?'
};

struct FileWriteResult {
  bool ok = true;
  std::string error;  // why it failed, in Windows' own words and the user's language
};

class System {
 public:
  virtual ~System() = default;
  virtual int ProcessorCount() = 0;         // logical processors of all processor groups
  virtual int MouseButtons() = 0;           // GetSystemMetrics(SM_CMOUSEBUTTONS)
  virtual std::uint32_t TickCount() = 0;    // timeGetTime: wraps after 49.7 days
  virtual std::uint64_t TickCount64() = 0;  // milliseconds since Windows started
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
  // Whether two names are one as Windows compares account names: ordinal, letter case
  // ignored (CompareStringOrdinal), so "JSmith" is the account "jsmith".
  virtual bool SameNameIgnoringCase(const std::string& a, const std::string& b) = 0;
  virtual std::optional<std::uint32_t> FileAttributes(const std::string& path) = 0;
  virtual void OpenUrl(std::uintptr_t owner, const std::string& url) = 0;  // ShellExecute "Open"
  // The bytes of HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\DigitalProductId read from
  // the 64-bit view; nullopt when the key or value cannot be read.
  virtual std::optional<std::vector<std::uint8_t>> DigitalProductId() = 0;
  virtual SaveDialogResult SaveDialog(const SaveDialogRequest& request) = 0;
  // Text (UTF-8 inside) in the ANSI code page, what it cannot hold as '?' (then not exact);
  // nullopt when the text cannot be converted at all.
  virtual std::optional<AnsiText> ToAnsi(const std::string& utf8) = 0;
  // Writes the bytes as they are to a new file beside the path, which then takes the path's
  // place: an existing file is replaced whole and keeps its attributes, security and streams
  // where the volume can carry them over, and one that another program holds for a moment is
  // waited for, about a second. On failure the file at the path is left as it was and no
  // other file is left behind; only where the old file could not be put back under its name
  // does the error say where it and the new file are.
  virtual FileWriteResult WriteFileBytes(const std::string& path, const std::string& bytes) = 0;
  // An error message box owned by the window (OK only), shown until the user closes it.
  virtual void ShowError(std::uintptr_t owner, const std::string& title,
                         const std::string& message) = 0;
  // The ANSI code page (GetACP); files that declare their code page say this one.
  virtual unsigned AnsiCodePage() = 0;
  // A calendar date as the user's short date, in the user's own locale (names, eras and
  // digits as Windows writes them); nullopt when Windows cannot format the date.
  virtual std::optional<std::string> ShortDate(const CalendarDate& date) = 0;
  // A time of day (0..23, 0..59, 0..59) in the user's long time format, with the locale's
  // own morning and afternoon markers where it uses them; nullopt when Windows cannot.
  virtual std::optional<std::string> LongTime(const TimeOfDay& time) = 0;
  // The user's long time format as a picture ("HH:mm:ss", "h:mm:ss tt"); nullopt when the
  // locale has none.
  virtual std::optional<std::string> LongTimeFormat() = 0;
  virtual char DecimalSeparator() = 0;
  virtual LocalTime Now() = 0;
};

}  // namespace hv::platform

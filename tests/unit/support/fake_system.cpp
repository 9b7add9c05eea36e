#include "support/fake_system.h"

#include <filesystem>
#include <fstream>

#include "platform/utf8.h"
#include "support/ascii.h"
#include "support/cp1252.h"

namespace hv::test {

namespace {

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

std::string Number(int value, std::size_t width) {
  std::string digits = std::to_string(value < 0 ? 0 : value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Sakamoto's day of the week: 0 is Sunday.
int Weekday(int year, int month, int day) {
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

std::string Name(const char* full, std::size_t count) {
  return count >= 4 ? std::string(full) : std::string(full).substr(0, 3);
}

std::optional<std::string> Field(char letter, std::size_t count, const platform::LocalTime& t,
                                 const std::string& am, const std::string& pm) {
  const std::size_t width = count >= 2 ? 2 : 1;
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  switch (letter) {
    case 'd':
      if (count < 3) return Number(t.day, width);
      return Name(kDays[Weekday(t.year, t.month, t.day)], count);
    case 'M':
      if (count < 3) return Number(t.month, width);
      return Name(kMonths[t.month - 1], count);
    case 'y':
      return count >= 3 ? Number(t.year, 4) : Number(t.year % 100, count);
    case 'h':
      return Number(hour12, width);
    case 'H':
      return Number(t.hour, width);
    case 'm':
      return Number(t.minute, width);
    case 's':
      return Number(t.second, width);
    case 't': {
      const std::string& marker = t.hour < 12 ? am : pm;
      return count >= 2 ? marker : marker.substr(0, 1);
    }
    default:
      return std::nullopt;
  }
}

// A date and time in a Windows picture: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh H HH,
// m mm, s ss, t tt and 'quoted text', with English names; other characters stand as they are.
// The date must be a real one.
std::string FormatPicture(const std::string& picture, const platform::LocalTime& when,
                          const std::string& am = "AM", const std::string& pm = "PM") {
  std::string out;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      const auto close = picture.find('\'', i + 1);
      const auto end = close == std::string::npos ? picture.size() : close;
      out += picture.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    std::size_t count = 1;
    while (i + count < picture.size() && picture[i + count] == c) ++count;
    out += Field(c, count, when, am, pm).value_or(std::string(count, c));
    i += count;
  }
  return out;
}

// Upper case to lower case in the scripts account names are tested in.
char32_t FoldCase(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
      (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
    return c + 0x20;
  }
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

std::u32string Folded(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) out += FoldCase(platform::DecodeUtf8(utf8, i));
  return out;
}

template <typename Map>
auto FindNoCase(const Map& map, const std::string& name)
    -> std::optional<typename Map::mapped_type> {
  for (const auto& [key, value] : map)
    if (EqualsNoCase(key, name)) return value;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FakeSystem::Environment(const std::string& name) {
  return FindNoCase(environment, name);
}

bool FakeSystem::SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return Folded(a) == Folded(b);
}

std::optional<std::uint32_t> FakeSystem::FileAttributes(const std::string& path) {
  return FindNoCase(fileAttributes, path);
}

void FakeSystem::OpenUrl(std::uintptr_t owner, const std::string& url) {
  openedUrls.emplace_back(owner, url);
}

platform::SaveDialogResult FakeSystem::SaveDialog(const platform::SaveDialogRequest& request) {
  saveRequests.push_back(request);
  return saveDialogHandler ? saveDialogHandler(request) : saveResult;
}

std::optional<platform::AnsiText> FakeSystem::ToAnsi(const std::string& utf8) {
  platform::AnsiText ansi;
  ansi.bytes =
      ansiCodePage == 932 ? Utf8ToCp932Sample(utf8, &ansi.exact) : Utf8ToCp1252(utf8, &ansi.exact);
  return ansi;
}

platform::FileWriteResult FakeSystem::WriteFileBytes(const std::string& path,
                                                     const std::string& bytes) {
  if (failFileWrites) return {false, writeError};
  if (path.empty())
    return {false, "The filename, directory name, or volume label syntax is incorrect."};
  const std::filesystem::path target(path);
  const std::filesystem::path temp = target.parent_path() / "~hvfake.tmp";
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  if (!out) return {false, "The system cannot find the path specified."};
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(temp, target, error);
  if (!out || error) {
    std::filesystem::remove(temp, error);
    return {false, "Access is denied."};
  }
  writtenFiles.push_back(path);
  return {};
}

std::optional<std::string> FakeSystem::ShortDate(const platform::CalendarDate& date) {
  if (date.year < 1601 || date.year > 30827 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > 31) {
    return std::nullopt;
  }
  return FormatPicture(shortDateFormat, {date.year, date.month, date.day, 0, 0, 0});
}

std::optional<std::string> FakeSystem::LongTime(const platform::TimeOfDay& time) {
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 ||
      time.second > 59) {
    return std::nullopt;
  }
  return FormatPicture(longTimeFormat, {2000, 1, 1, time.hour, time.minute, time.second}, amMarker,
                       pmMarker);
}

void FakeSystem::AdvanceTicks(std::uint64_t ms) {
  tickCount64 += ms;
  tickCount = static_cast<std::uint32_t>(tickCount + ms);
}

}  // namespace hv::test

#pragma once
// The value rules that the section pages, the live refresh and the report sections share:
// how a raw reading (a WMI property, a registry value, a count) becomes the text of a row.
// Every rule is a plain function. A rule that has no text to give returns nullopt; the
// caller then shows "Unknown" or keeps what the row had, as its page says. Texts that come
// from the text table (unit words, templates) are passed in, so nothing here depends on the
// current language. Character counts are counted in characters, not bytes (UTF-8 inside).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system.h"
#include "platform/variant.h"

namespace hv::sections {

// ---- Text pieces ----------------------------------------------------------------------------

// The first `chars` characters of text, or all of it when shorter: cutting a number's text
// keeps what fits and never rounds.
std::string CutText(const std::string& text, std::size_t chars);
// The last `chars` characters of text, or all of it when shorter (the version's build part).
std::string RightText(const std::string& text, std::size_t chars);
// Text without its last `chars` characters, the trailing separator of a list of entries;
// empty when the text is not longer than that.
std::string DropLastText(const std::string& text, std::size_t chars);
// First character in upper case, the rest in lower case: domain and workgroup names.
// ASCII and Latin-1 letters change case; other characters stay as they are.
std::string Capitalised(const std::string& text);
// A battery's name as gathered (already trimmed) without the U+000E characters some
// batteries pad it with, wherever they stand; a blank they enclosed stays.
std::string WithoutFillCharacters(std::string text);

// Every occurrence of placeholder ("(#)", "(HHMMSS)" ...) replaced by value, left to right.
// The inserted value is never searched again, so a value that itself holds the placeholder
// stays as it is. An empty placeholder leaves the text unchanged.
std::string FillPlaceholder(const std::string& text, std::string_view placeholder,
                            std::string_view value);
// Several placeholders ("(1)" .. "(4)", "(DDMMYYYY)" with "(HHMMSS)") filled in one pass:
// a value that holds another placeholder's text is not filled in turn.
std::string FillPlaceholders(
    const std::string& text,
    const std::vector<std::pair<std::string_view, std::string_view>>& fills);

// ---- Numbers --------------------------------------------------------------------------------

// VB's Int: the largest whole number not above d; nullopt for NaN, infinities and values
// outside the 64-bit range.
std::optional<std::int64_t> VbInt(double d);
// Rounds to the nearest whole number, halves to the even neighbour, in 64 bits.
std::optional<std::int64_t> RoundHalfEven64(double d);
// Int(v / divisor): a byte count to whole KB or MB rounded down (Summary sums, free space,
// removable volumes). The reading goes through CDbl, so WMI's 64-bit decimal text works.
std::optional<std::int64_t> WholeFloor(const platform::Variant& v, double divisor);
// v / divisor rounded halves to even: a byte count to KB on the fixed-disk pages.
std::optional<std::int64_t> WholeRounded(const platform::Variant& v, double divisor);
// An unsigned 32-bit count that WMI hands over as a signed 32-bit number: a negative int32
// is taken as its unsigned value. Numbers and numeric text outside 0 .. 2^32 - 1 (after
// that reading) give nullopt, as do Empty, Null, booleans and arrays.
std::optional<std::uint32_t> AsUnsigned32(const platform::Variant& v);
// Graphics memory in whole MB from AdapterRAM, read as unsigned (cards of 2 GB and more).
std::optional<std::int64_t> AdapterMemoryMb(const platform::Variant& adapterRam);
// The number of characters of n's decimal text, a minus sign included.
std::size_t DigitCount(std::int64_t n);
// The 15-digit shortest text of d with the user's decimal separator, cut to `chars`.
std::string CutNumberText(double d, std::size_t chars, char decimalSeparator);
// A count shown as gathered when its text is a number that, as a whole number, is at least
// minimum (bad passwords >= 0, logons >= 1, processes, cores, modules, partitions ...).
std::optional<std::string> CountText(const std::string& text, std::int64_t minimum);
// A truth value read back from its text: "True"/"False" in any case, or a number (non-zero
// is true). Password flags and the auto restart option.
std::optional<bool> ReadTruthValue(const std::string& text);

// ---- Percentages ----------------------------------------------------------------------------
// All give nullopt when whole is not above 0 or the result does not fit.

// (part * 100) \ whole: the fraction dropped (virtual memory in use).
std::optional<std::int64_t> PercentTruncated(std::int64_t part, std::int64_t whole);
// Int(part * 100 / whole) in floating point: the floor (current of maximum clock speed).
std::optional<std::int64_t> PercentFloor(std::int64_t part, std::int64_t whole);
// part * 100 / whole in floating point, rounded halves to even (memory, disk space).
std::optional<std::int64_t> PercentRounded(double part, double whole);
// A volume's space in use or free as a share of its capacity, on the Hard drives and
// Removable memory pages and in the report alike: the part in KB taken in single precision,
// then times 100 over the capacity in KB in double precision, halves to even. Above 2^24 KB
// single precision moves the part, so 16777899 of 17033400 KB (98.5 %) gives 99.
std::optional<std::int64_t> SpaceShare(std::int64_t partKb, std::int64_t capacityKb);

// ---- Sizes ----------------------------------------------------------------------------------
// Size texts are "<number> <unit>" with the literal units KB, MB, GB and TB, the same in
// every language. A negative size gives nullopt.

// The MB/GB rule for a whole number of MB: "n MB" below 1024, else "Int(n / 1024) GB".
// 0 gives "0 MB"; the pages that show "Unknown" for 0 test it themselves.
std::optional<std::string> MbGbText(std::int64_t mb);
// The Summary page's total free space from whole MB, by its number of digits d:
// up to 3 digits "n MB"; 4 to 6 digits GB cut to d - 1 characters; 7 and more TB cut to
// d - 3 characters (5000 -> "4.8 GB", 500000 -> "488.2 GB", 2000000 -> "1.90 TB").
std::optional<std::string> FreeSpaceText(std::int64_t mb, char decimalSeparator);
// Fixed volumes (Hard drives page and report) from KB: up to 3 digits "n KB"; 4 to 6 digits
// whole MB rounded down; 7 and more GB cut to d - 4 characters (488386584 -> "465.7 GB").
std::optional<std::string> FixedDiskSizeText(std::int64_t kb, char decimalSeparator);
// Removable volumes and discs from KB: up to 3 digits "n KB"; 4 to 6 digits MB cut to
// d - 1; 7 to 9 digits GB cut to d - 3; 10 and more TB cut to d - 6 (1500 -> "1.4 MB").
std::optional<std::string> RemovableSizeText(std::int64_t kb, char decimalSeparator);
// The cache rule on a size text in KB: below 1000 the text & " KB", from 1000 on the whole
// MB rounded down (1536 -> "1 MB", 12288 -> "12 MB"); empty, one character, non-numeric or
// below 1: nullopt.
std::optional<std::string> CacheSizeText(const std::string& kbText);
// RAM in use and available: "m MB (p%)" with m the whole MB rounded down and p the share of
// the total rounded halves to even. nullopt unless both amounts are at least 1 KB and the
// free amount is not above the total.
std::optional<std::string> MemoryInUseText(std::int64_t totalKb, std::int64_t freeKb);
std::optional<std::string> MemoryAvailableText(std::int64_t totalKb, std::int64_t freeKb);

// ---- Rows whose caption follows the value ---------------------------------------------------

// The Summary page's processor speed: one processor "800 Mhz" for a three-digit speed, else
// the GHz quotient cut to 4 characters & " Ghz"; two or more always in GHz followed by
// " (" & cpusTemplate with "(#)" filled & ")". A speed below 1 gives nullopt.
std::optional<std::string> SummarySpeedText(std::int64_t mhz, std::int64_t processors,
                                            const std::string& cpusTemplate, char decimalSeparator);

// The speed rule of the Processor page and report.
enum class SpeedCaption { CurrentAndMaximum, SpeedOnly };  // "Current/Maximum speed:", "Speed:"
struct SpeedRow {
  SpeedCaption caption = SpeedCaption::SpeedOnly;
  std::optional<std::string> value;  // nullopt when the maximum is below 1
};
SpeedRow SpeedRule(std::int64_t currentMhz, std::int64_t maximumMhz);

// The virtual memory rule of the Operating system page and its live refresh.
enum class VirtualMemoryCaption { InUse, Total };  // "Virtual memory in use:", "Total ..."
struct VirtualMemoryRow {
  VirtualMemoryCaption caption = VirtualMemoryCaption::InUse;
  std::optional<std::string> value;  // nullopt when the total is below 1
};
VirtualMemoryRow VirtualMemoryRule(std::int64_t totalMb, std::int64_t usedMb);

// The update-rate rule of the Display page and report, on the trimmed texts of
// MinRefreshRate and MaxRefreshRate (empty or non-numeric counts as 0); hzTemplate is
// "(#) Hz" of the current language.
enum class RateCaption { Maximum, Minimum, MinimumAndMaximum };
struct RateRow {
  RateCaption caption = RateCaption::MinimumAndMaximum;
  std::optional<std::string> value;  // nullopt when both rates are 0
};
RateRow UpdateRateRule(const std::string& minimum, const std::string& maximum,
                       const std::string& hzTemplate);

// The current configuration "(1) pixels, (2) bits, (3) Hz" from the trimmed texts of the
// horizontal and vertical resolution, bits per pixel and refresh rate; each must be a
// number other than 0, else nullopt.
std::optional<std::string> ConfigurationText(const std::string& horizontal,
                                             const std::string& vertical, const std::string& bits,
                                             const std::string& rate,
                                             const std::string& configTemplate);

// The voltage rule: millivolts (a number's text) to volts rounded to one decimal, halves to
// even, as "~ " & voltTemplate ("(#) V") filled. Empty or not a 32-bit number: nullopt.
std::optional<std::string> VoltageText(const std::string& millivolts,
                                       const std::string& voltTemplate, char decimalSeparator);

// The operating system's version text: its first 3 characters, ", ", its last 4.
std::string VersionBuildText(const std::string& version);
// Service pack: noneText below 1, else versionTemplate ("Version (#)") with the text filled;
// nullopt when the text is not a number.
std::optional<std::string> ServicePackText(const std::string& servicePack,
                                           const std::string& noneText,
                                           const std::string& versionTemplate);

// ---- WMI date-times -------------------------------------------------------------------------

using platform::CalendarDate;
using platform::TimeOfDay;
// The fields of a WMI date-time text (yyyymmddHHMMSS.ffffff+zzz) cut by position, each
// converted as a whole number; nullopt when a field is missing or not a number.
struct WmiDate {
  std::int32_t year = 0, month = 0, day = 0;
};
struct WmiTime {
  std::int32_t hour = 0, minute = 0, second = 0;
};
std::optional<WmiDate> WmiDateFields(const std::string& text);  // characters 1-4, 5-6, 7-8
std::optional<WmiTime> WmiTimeFields(const std::string& text);  // characters 9-10 .. 13-14

// A calendar date from year, month and day with carrying: month 13 is January of the next
// year, month 0 December of the year before, day 0 the last day of the month before.
// Years before 100 (a text of zeros) and dates outside 100 .. 9999 give nullopt.
std::optional<CalendarDate> DateSerial(std::int64_t year, std::int64_t month, std::int64_t day);
// A time of day from hours, minutes and seconds; what passes midnight carries into days,
// which are dropped, and negative parts count back from midnight.
TimeOfDay TimeSerial(std::int64_t hour, std::int64_t minute, std::int64_t second);

// Hours and minutes as "HH:MM", two digits each (fields 0..99): the fixed clock forms that do
// not follow the user's locale (a count of minutes, the report title's medium time).
std::string TwoDigitClock(int hours, int minutes);

// The finished dates and times are written by Windows in the user's formats (System's
// ShortDate and LongTime); the rules below only cut, carry and fill in.
// The date rule: the date of a WMI date-time text as the user's short date (BIOS release,
// driver date); nullopt when empty, when the date cannot be formed or Windows cannot write it.
std::optional<std::string> WmiDateText(const std::string& text, platform::System& system);
// The time of day of a WMI date-time text in the user's long time format (last logon);
// nullopt likewise.
std::optional<std::string> WmiTimeText(const std::string& text, platform::System& system);
// The installation date: dateTimeTemplate ("(DDMMYYYY) a las (HHMMSS) hs.") with the date
// and the time of the WMI text filled in; nullopt when either cannot be formed.
std::optional<std::string> InstallationDateText(const std::string& text,
                                                const std::string& dateTimeTemplate,
                                                platform::System& system);

// ---- Code tables ----------------------------------------------------------------------------
// Looked up by the code's exact text (as gathered, trimmed) unless said otherwise. The
// *Element functions give the text-table element to show.

std::optional<int> AccountTypeElement(const std::string& code);       // 256.. -> 39..43
std::optional<int> PrivilegeElement(const std::string& code);         // 0, 1, 2 -> 45, 46, 47
std::optional<int> LargeSystemCacheElement(const std::string& code);  // 0, 1 -> 97, 98
std::optional<int> HandednessElement(const std::string& code);        // 1, 2, 3 -> 132..134
// DeviceInterface: 3 serialPort, 4 "PS/2", 5 infrared, 162 "USB".
std::optional<std::string> DeviceInterfaceText(const std::string& code,
                                               const std::string& serialPort,
                                               const std::string& infrared);
std::optional<std::string> MemoryTypeName(const std::string& code);  // 20 -> "DDR"
std::optional<std::string> FormFactorName(const std::string& code);  // 8 -> "DIMM"
std::optional<std::string> OsLanguageName(const std::string& code);  // 1033 -> "English - ..."
// Architecture by the code's whole number: 0 "x86", 9 "x64".
std::optional<std::string> ArchitectureName(const std::string& code);

}  // namespace hv::sections

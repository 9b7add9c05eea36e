// The report's Hard drives section. As on the Hard drives page, every row lists all fixed
// volumes side by side in the order WMI returns them, so the n-th entry of each row belongs
// to the n-th volume; the internal name row lists the IDE and SCSI disks instead, and the
// last row gives the partition count of the last of them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report/section_writers.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

namespace rules = hv::sections;

constexpr int kLocalDisk = 99;
constexpr const char* kSeparator = " - ";
constexpr std::size_t kRows = 8;

using Entries = std::vector<std::string>;

// Sizes are kept in 64-bit KB: a volume of 2 TB and more has more KB than 32 bits hold.
std::optional<std::int64_t> SizeKb(const platform::WmiItem& item, const char* prop) {
  const auto v = rules::ReadValue(item, prop);
  if (!v) return std::nullopt;
  const auto kb = rules::WholeRounded(*v, 1024.0);
  if (!kb || *kb < 0) return std::nullopt;
  return kb;
}

struct Section {
  const ReportRun& run;
  char decimalSeparator;
  std::array<Entries, kRows> rows;  // row 1 at index 0
  std::string partitions;           // of the IDE or SCSI disk listed last
};

// The capacity in its parentheses, or "(Unknown)" when it cannot be read: the entry keeps
// its place even for a volume below 1000 KB.
std::string CapacityEntry(const Section& s, std::optional<std::int64_t> kb) {
  std::string text;
  if (kb) text = rules::FixedDiskSizeText(*kb, s.decimalSeparator).value_or("");
  return "(" + ValueOrUnknown(s.run, text) + ")";
}

// The space in use with its share of the capacity. The share is left out of an empty
// volume; a free space above the capacity gives no space in use at all.
std::string UsedEntry(const Section& s, std::optional<std::int64_t> capacityKb,
                      std::optional<std::int64_t> freeKb) {
  if (!capacityKb || !freeKb || *freeKb > *capacityKb) return "(" + Text(s.run, 89) + ")";
  const std::int64_t used = *capacityKb - *freeKb;
  std::string text = rules::FixedDiskSizeText(used, s.decimalSeparator).value_or("");
  if (const auto share = rules::SpaceShare(used, *capacityKb))
    text += kSeparator + std::to_string(*share) + "%";
  return "(" + ValueOrUnknown(s.run, text) + ")";
}

void AddVolume(Section& s, const platform::WmiItem& item) {
  const std::string name = rules::TextOrEmpty(item, "VolumeName");
  s.rows[0].push_back(name.empty() ? Text(s.run, kLocalDisk) : name);
  s.rows[1].push_back("(" + rules::TextOrEmpty(item, "Caption") + ")");
  const auto capacity = SizeKb(item, "Size");
  s.rows[2].push_back(CapacityEntry(s, capacity));
  s.rows[3].push_back(UsedEntry(s, capacity, SizeKb(item, "Freespace")));
  s.rows[5].push_back(rules::TextOrEmpty(item, "FileSystem"));
  s.rows[6].push_back(rules::TextOrEmpty(item, "VolumeSerialNumber"));
}

void AddDisks(Section& s, platform::WmiService* wmi) {
  for (const platform::WmiItem& item :
       rules::QueryItems(wmi, "Select InterfaceType, Caption, Partitions from Win32_DiskDrive")) {
    // Compared as handed over, as the Hard drives page does: only these two buses count.
    const auto bus = rules::ReadValue(item, "InterfaceType");
    const auto busText = bus ? platform::CStr(*bus) : std::nullopt;
    if (!busText || (*busText != "IDE" && *busText != "SCSI")) continue;
    // The models are not lined up with the volumes: one that cannot be read is left out.
    if (auto model = rules::ReadText(item, "Caption")) s.rows[4].push_back(std::move(*model));
    // Every counted disk replaces the count, so an unreadable one never shows its
    // predecessor's.
    s.partitions = rules::TextOrEmpty(item, "Partitions");
  }
}

}  // namespace

void ReportHardDrives(ReportRun& run) {
  std::array<std::string, 12>& slots = run.app.sectionValues;
  for (std::size_t i = 1; i <= kRows; ++i) slots[i].clear();

  Section s{run, run.app.system.DecimalSeparator(), {}, {}};
  for (const platform::WmiItem& item :
       rules::QueryItems(run.app.wmi,
                         "Select VolumeName, Caption, Size, Freespace, FileSystem, "
                         "VolumeSerialNumber from Win32_LogicalDisk where DriveType = 3"))
    AddVolume(s, item);
  AddDisks(s, run.app.wmi);

  for (std::size_t i = 0; i + 1 < kRows; ++i) slots[i + 1] = rules::Joined(s.rows[i], kSeparator);
  slots[kRows] = s.partitions;

  constexpr std::array<int, kRows> kCaptions{36, 100, 101, 102, 104, 105, 74, 106};
  std::vector<ReportRow> rows;
  for (std::size_t i = 0; i + 1 < kRows; ++i)
    rows.push_back({Text(run, kCaptions[i]), ValueOrUnknown(run, slots[i + 1])});
  rows.push_back({Text(run, kCaptions[kRows - 1]),
                  ValueOrUnknown(run, rules::CountText(s.partitions, 1).value_or(""))});
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

// The Hard drives page. Every row lists all fixed volumes side by side, in the order WMI
// returns them, so the n-th entry of each row belongs to the n-th volume; two rows come from
// the physical disks instead: the models of the IDE and SCSI disks and a partition count.
#include "sections/hard_drives.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 7;
constexpr int kLocalDisk = 99;
constexpr const char* kSeparator = " - ";

// The entries of one row, one per volume (or per disk on row 6).
using Entries = std::vector<std::string>;

// Sizes are kept in 64-bit KB: a volume of 2 TB and more has more KB than 32 bits hold.
std::optional<std::int64_t> SizeKb(const platform::WmiItem& item, const char* prop) {
  const auto v = ReadValue(item, prop);
  if (!v) return std::nullopt;
  const auto kb = WholeRounded(*v, 1024.0);
  if (!kb || *kb < 0) return std::nullopt;
  return kb;
}

struct Page {
  const lang::TextTable& t;
  char decimalSeparator;
  // Rows 1 to 5, 7 and 8, indexed by row.
  std::array<Entries, 9> rows;
};

// One entry of rows 3 to 5 in its parentheses: the size, and its share of the capacity when
// both are known; "Unknown" when neither is.
std::string SizeEntry(const Page& p, std::optional<std::int64_t> kb,
                      std::optional<std::int64_t> capacityKb, bool withShare) {
  std::string entry;
  if (kb) entry = FixedDiskSizeText(*kb, p.decimalSeparator).value_or("");
  if (withShare && kb && capacityKb && *kb <= *capacityKb) {
    if (const auto share = SpaceShare(*kb, *capacityKb))
      entry += (entry.empty() ? "" : kSeparator) + std::to_string(*share) + "%";
  }
  return "(" + (entry.empty() ? p.t[kUnknown] : entry) + ")";
}

void AddVolume(Page& p, const platform::WmiItem& item) {
  std::string name = TextOrEmpty(item, "VolumeName");
  p.rows[1].push_back(name.empty() ? p.t[kLocalDisk] : name);
  p.rows[2].push_back("(" + TextOrEmpty(item, "Caption") + ")");

  const auto capacity = SizeKb(item, "Size");
  const auto free = SizeKb(item, "Freespace");
  std::optional<std::int64_t> used;
  if (capacity && free && *free <= *capacity) used = *capacity - *free;
  p.rows[3].push_back(SizeEntry(p, capacity, capacity, false));
  p.rows[4].push_back(SizeEntry(p, used, capacity, true));
  p.rows[5].push_back(SizeEntry(p, free, capacity, true));

  p.rows[7].push_back(TextOrEmpty(item, "FileSystem"));
  p.rows[8].push_back(TextOrEmpty(item, "VolumeSerialNumber"));
}

// A row's entries as they are, an empty entry too; only a row without any entry (no fixed
// volume, a failed query, no internal disk) shows "Unknown".
std::string ListValue(const lang::TextTable& t, const Entries& entries) {
  return entries.empty() ? t[kUnknown] : Joined(entries, kSeparator);
}

struct Disks {
  Entries models;
  std::string partitions;  // of the IDE or SCSI disk listed last
};

Disks ReadDisks(platform::WmiService* wmi) {
  Disks d;
  for (const platform::WmiItem& item :
       QueryItems(wmi, "Select InterfaceType, Caption, Partitions from Win32_DiskDrive")) {
    // Compared as handed over, untrimmed: only these two buses count as internal disks.
    const auto bus = ReadValue(item, "InterfaceType");
    const auto busText = bus ? platform::CStr(*bus) : std::nullopt;
    if (!busText || (*busText != "IDE" && *busText != "SCSI")) continue;
    // The models are not lined up with the volumes: one that cannot be read is left out.
    if (auto model = ReadText(item, "Caption")) d.models.push_back(std::move(*model));
    d.partitions = TextOrEmpty(item, "Partitions");
  }
  return d;
}

}  // namespace

void ShowHardDrives(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  EnterPage(w, t, kPage);
  HideAll({w.LNoDrive, w.Iaviso, w.Laviso});

  Page p{t, app.system.DecimalSeparator(), {}};
  for (const platform::WmiItem& item :
       QueryItems(app.wmi,
                  "Select VolumeName, Caption, Size, Freespace, FileSystem, VolumeSerialNumber "
                  "from Win32_LogicalDisk where DriveType = 3"))
    AddVolume(p, item);
  const Disks disks = ReadDisks(app.wmi);

  w.Titulo->SetCaption(t[10 + kPage]);
  HideAll({w.Line1, w.Iaviso, w.Laviso});
  HeadingReset(w, 1);
  HeadingReset(w, 8);
  const std::array<int, 10> captions{0, 36, 100, 101, 102, 103, 104, 105, 74, 106};
  for (int row = 1; row <= 8; ++row) {
    const Entries& entries = row == 6 ? disks.models : p.rows[static_cast<std::size_t>(row)];
    WriteCaption(w, row, t[captions[static_cast<std::size_t>(row)]] + " ");
    WriteValue(w, row, ListValue(t, entries));
    SetCaptionTip(w, row, "");
  }
  WriteRow(w, t, 9, t[captions[9]] + " ", CountText(disks.partitions, 1));
  BlankRows(w, 10, kLastRow);
}

}  // namespace hv::sections

// The Removable memory page: names, letters, capacity, space in use and free, the USB and
// IEEE 1394 disk models, file systems and serial numbers of every removable volume with a
// medium, one entry per volume on each row. The count goes to DriveCount, by which the
// shell picks the page's icons and whether the background copy menu opens.
#include "sections/removable.h"

#include <array>

#include "sections/drive_lists.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 11;
constexpr int kListRows = 8;
constexpr int kSpacerRow = 9;
constexpr int kSpacerLineOffset = 4;
constexpr double kBytesPerKb = 1024.0;

// One text per row 1..8; the size rows open with "(" and each entry closes its own.
using Gathered = std::array<std::string, kListRows + 1>;

struct Page {
  shell::App& app;
  shell::MainWindow& w;
  const lang::TextTable& t;
  char separator;
};

int CountVolumes(const std::vector<platform::WmiItem>& volumes) {
  int count = 0;
  for (const platform::WmiItem& v : volumes)
    if (MediumBytes(v)) ++count;
  return count;
}

// The share of the capacity in KB, as every drive page takes it. A volume under 1 KB has a
// capacity of 0 KB; its share is taken from the bytes instead of dividing by nothing.
std::optional<std::int64_t> Share(std::int64_t partKb, std::int64_t capacityKb, double partBytes,
                                  double capacityBytes) {
  if (capacityKb > 0) return SpaceShare(partKb, capacityKb);
  return PercentRounded(partBytes, capacityBytes);
}

// "<size> - <share>%) - (" of the use ladder; nothing when either part has no text.
std::optional<std::string> UseEntry(const Page& p, std::int64_t kb, std::int64_t capacityKb,
                                    double bytes, double capacityBytes) {
  const auto size = RemovableSizeText(kb, p.separator);
  const auto share = Share(kb, capacityKb, bytes, capacityBytes);
  if (!size || !share) return std::nullopt;
  return *size + " - " + std::to_string(*share) + "%) - (";
}

void AddVolumeName(const Page& p, std::string& row, const platform::WmiItem& volume) {
  // A label is shown as it is stored; an empty one is named, a missing one leaves the
  // entry empty, so the names still line up with the letters below them.
  const auto value = ReadValue(volume, "VolumeName");
  const auto name = value ? platform::CStr(*value) : std::nullopt;
  if (!name)
    row += " - ";
  else
    row += (name->empty() ? p.t[135] : *name) + " - ";
}

// KB values are kept in 64 bits: volumes of 2 TiB and more get their own figures.
void AddSizes(const Page& p, Gathered& g, const platform::WmiItem& volume, double sizeBytes) {
  const auto capacityKb = VbInt(sizeBytes / kBytesPerKb);
  if (!capacityKb) return;
  if (const auto capacity = RemovableSizeText(*capacityKb, p.separator))
    g[3] += *capacity + ") - (";
  // Without a free-space reading the volume has no use figures; it never borrows the
  // previous volume's.
  const auto freeValue = ReadValue(volume, "Freespace");
  const auto freeBytes = freeValue ? platform::CDbl(*freeValue) : std::nullopt;
  const auto freeKb = freeBytes ? VbInt(*freeBytes / kBytesPerKb) : std::nullopt;
  if (!freeKb) return;
  if (const auto e = UseEntry(p, *freeKb, *capacityKb, *freeBytes, sizeBytes)) g[5] += *e;
  if (const auto e =
          UseEntry(p, *capacityKb - *freeKb, *capacityKb, sizeBytes - *freeBytes, sizeBytes))
    g[4] += *e;
}

void AddVolume(const Page& p, Gathered& g, const platform::WmiItem& volume, double sizeBytes) {
  AddVolumeName(p, g[1], volume);
  if (const auto letter = ReadText(volume, "Caption")) g[2] += "(" + *letter + ") - ";
  AddSizes(p, g, volume, sizeBytes);
  AppendEntry(g[7], ReadText(volume, "FileSystem"));
  AppendEntry(g[8], ReadText(volume, "VolumeSerialNumber"));
}

// Every disk on a USB or IEEE 1394 interface, whether or not one of its volumes is listed:
// nothing ties a disk drive to its volumes here.
void AddExternalDisks(const Page& p, std::string& row) {
  for (const platform::WmiItem& disk :
       QueryItems(p.app.wmi, "Select InterfaceType, Caption from Win32_DiskDrive")) {
    const auto value = ReadValue(disk, "InterfaceType");
    const auto type = value ? platform::CStr(*value) : std::nullopt;
    if (type && (*type == "USB" || *type == "1394")) AppendEntry(row, ReadText(disk, "Caption"));
  }
}

Gathered GatherVolumes(const Page& p) {
  Gathered g;
  g[3] = g[4] = g[5] = "(";
  for (const platform::WmiItem& volume :
       QueryItems(p.app.wmi,
                  "Select VolumeName, Caption, Size, Freespace, FileSystem, VolumeSerialNumber "
                  "from Win32_LogicalDisk where DriveType = 2"))
    if (const auto bytes = MediumBytes(volume)) AddVolume(p, g, volume, *bytes);
  AddExternalDisks(p, g[6]);
  return g;
}

void ShowVolumes(const Page& p, const Gathered& g, int count) {
  constexpr int kCaptions[kListRows + 1] = {0, 36, 100, 101, 102, 103, 104, 105, 74};
  p.w.LNoDrive->SetVisible(false);
  HeadingReset(p.w, 1);
  HeadingReset(p.w, 8);
  for (int row = 1; row <= kListRows; ++row) {
    const bool sizeRow = row >= 3 && row <= 5;
    // The size rows drop " - (", the others " - ".
    WriteListRow(p.w, p.t, row, kCaptions[row], g[static_cast<std::size_t>(row)], sizeRow ? 4 : 3,
                 sizeRow);
  }
  ShowSpacerLine(*p.w.Line1, p.w, kSpacerRow, kSpacerLineOffset);
  const std::string counted =
      count == 1 ? p.t[136] : FillPlaceholder(p.t[137], "(#)", std::to_string(count));
  WriteNote(p.w, kFoundNoteColor, "\r\n" + counted);
}

void ShowNoVolume(const Page& p) {
  ClearRowsAndTips(p.w, 1, kListRows);
  // The message wraps differently with the substitute font and in Dutch.
  const bool fonts = p.app.fontFlag == 32;
  const bool dutch = p.app.look.languageName == "Dutch";
  int top = fonts ? 170 : 190;
  int height = 220;
  if (dutch) {
    top = fonts ? 135 : 160;
    height = fonts ? 280 : 260;
  }
  ShowNoDriveMessage(p.w, p.t[169], top, height);
  WriteNote(p.w, kNothingNoteColor, p.t[138] + "\r\n" + p.t[139]);
  p.w.Line1->SetVisible(false);
}

}  // namespace

void ShowRemovable(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const Page p{app, w, app.text, app.system.DecimalSeparator()};
  EnterPage(w, p.t, kPage);
  w.DriveCount = 0;

  const int count =
      CountVolumes(QueryItems(app.wmi, "Select Size from Win32_LogicalDisk where DriveType = 2"));
  w.DriveCount = CountByte(count);
  w.Titulo->SetCaption(p.t[21]);
  if (count > 0)
    ShowVolumes(p, GatherVolumes(p), count);
  else
    ShowNoVolume(p);

  w.Iaviso->SetVisible(true);
  w.Laviso->SetVisible(true);
  BlankRows(w, kSpacerRow, kLastRow);
}

}  // namespace hv::sections

// The CDs/DVDs page: volume names, letters, disc sizes, drive names, media types, file
// systems and serial numbers of every loaded optical drive, and a note counting the loaded
// and the empty drives. Shown again while it is the current page, it writes the rows it
// kept instead of asking the drives, which may take seconds to spin up; after finding no
// disc it asks again every time.
#include "sections/optical_drives.h"

#include <array>

#include "sections/drive_lists.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 12;
constexpr int kListRows = 7;
constexpr int kSpacerRow = 8;
constexpr int kSpacerLineOffset = 4;
constexpr int kNoDiscHeight = 180;
constexpr double kBytesPerKb = 1024.0;

using Rows = std::array<std::string, 8>;

bool KeptRowsUsable(const shell::MainWindow& w) {
  const Rows& kept = w.OpticalValues;
  return w.CurrentSection == kPage && !kept[1].empty() && !kept[2].empty() && !kept[4].empty();
}

// Also when the page is already shown but kept nothing: the status says it is asking.
void Announce(shell::MainWindow& w, const lang::TextTable& t) {
  w.CurrentSection = kPage;
  w.Labelmi->SetCaption(t[kGettingInformation]);
  w.Line2->SetVisible(false);
  w.form.Refresh();
}

// Discs of any size get a text: the ladder goes on in GB and TB past 8 digits of KB, so
// the sizes keep lining up with the letters above them.
void AddDisc(Rows& rows, const platform::WmiItem& disc, double bytes, char separator) {
  AppendEntry(rows[1], ReadText(disc, "VolumeName"));
  if (const auto letter = ReadText(disc, "Name")) rows[2] += "(" + *letter + ") - ";
  if (const auto kb = VbInt(bytes / kBytesPerKb))
    if (const auto size = RemovableSizeText(*kb, separator)) rows[3] += *size + ") - (";
  AppendEntry(rows[6], ReadText(disc, "FileSystem"));
  AppendEntry(rows[7], ReadText(disc, "VolumeSerialNumber"));
}

void Gather(shell::App& app, shell::MainWindow& w) {
  Rows& rows = w.OpticalValues;
  rows = Rows{};
  rows[3] = "(";
  const char separator = app.system.DecimalSeparator();
  int drives = 0;
  int loaded = 0;
  for (const platform::WmiItem& disc :
       QueryItems(app.wmi,
                  "Select DriveType, Size, VolumeName, Name, Size, FileSystem, VolumeSerialNumber "
                  "from Win32_LogicalDisk where DriveType = 5")) {
    ++drives;
    if (const auto bytes = MediumBytes(disc)) {
      ++loaded;
      AddDisc(rows, disc, *bytes, separator);
    }
  }
  w.DriveCount = CountByte(loaded);
  w.EmptyDrives = CountByte(drives - loaded);
  if (loaded == 0) return;
  for (const platform::WmiItem& drive :
       QueryItems(app.wmi, "Select Size, Name, MediaType from Win32_CDROMDrive")) {
    if (!MediumBytes(drive)) continue;
    AppendEntry(rows[4], ReadText(drive, "Name"));
    AppendEntry(rows[5], ReadText(drive, "MediaType"));
  }
}

std::string CountNote(const lang::TextTable& t, int count, int one, int several) {
  return count == 1 ? t[one] : FillPlaceholder(t[several], "(#)", std::to_string(count));
}

void ShowDiscs(shell::MainWindow& w, const lang::TextTable& t) {
  constexpr int kCaptions[kListRows + 1] = {0, 36, 100, 140, 104, 141, 105, 74};
  w.LNoDrive->SetVisible(false);
  HeadingReset(w, 1);
  for (int row = 1; row <= kListRows; ++row) {
    const bool sizeRow = row == 3;
    WriteListRow(w, t, row, kCaptions[row], w.OpticalValues[static_cast<std::size_t>(row)],
                 sizeRow ? 4 : 3, row >= 3 && row <= 5);
  }
  const std::string empty = w.EmptyDrives == 0 ? t[147] : CountNote(t, w.EmptyDrives, 145, 146);
  WriteNote(w, kFoundNoteColor, CountNote(t, w.DriveCount, 143, 144) + "\r\n" + empty);
  ShowSpacerLine(*w.Line1, w, kSpacerRow, kSpacerLineOffset);
}

int NoDiscTop(const shell::App& app) {
  if (app.fontFlag != 32) return 220;
  if (app.look.languageName == "Spanish") return 205;
  if (app.look.languageName == "Dutch") return 200;
  return 210;
}

void ShowNoDisc(shell::App& app, shell::MainWindow& w, const lang::TextTable& t) {
  ClearRowsAndTips(w, 1, kSpacerRow);
  ShowNoDriveMessage(w, t[170], NoDiscTop(app), kNoDiscHeight);
  WriteNote(w, kNothingNoteColor, t[148] + "\r\n" + t[149]);
  w.Line1->SetVisible(false);
}

}  // namespace

void ShowOpticalDrives(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  if (!KeptRowsUsable(w)) {
    Announce(w, t);
    Gather(app, w);
  }
  w.Titulo->SetCaption(t[22]);
  if (w.DriveCount > 0)
    ShowDiscs(w, t);
  else
    ShowNoDisc(app, w, t);

  w.Iaviso->SetVisible(true);
  w.Laviso->SetVisible(true);
  BlankRows(w, kSpacerRow, kLastRow);
}

}  // namespace hv::sections

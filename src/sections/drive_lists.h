#pragma once
// What the Removable memory and CDs/DVDs pages share: every drive found stands side by side
// in each row, gathered in one text per row with a separator after each entry; a drive
// counts only while it holds a medium; without one the page shows a large message instead.
#include <cstdint>
#include <optional>
#include <string>

#include "lang/text_table.h"
#include "platform/wmi.h"
#include "toolkit/control.h"

namespace hv::shell {
class MainWindow;
}

namespace hv::sections {

// The note's colours: green when drives were found, dark grey when none was.
inline constexpr tk::Color kFoundNoteColor = tk::Rgb(0, 145, 0);
inline constexpr tk::Color kNothingNoteColor = tk::Rgb(75, 75, 75);

// The volume's size in bytes when it holds a medium: Size is a number above 0. A missing,
// Null, non-numeric or non-positive size means an empty drive.
std::optional<double> MediumBytes(const platform::WmiItem& item);

// Appends entry and the separator " - "; nothing at all when there is no entry.
void AppendEntry(std::string& row, const std::optional<std::string>& entry);

// A drive counter as the main window keeps it, in one byte: more than 255 drives read 255.
std::uint8_t CountByte(int count);

// Writes row i of a drive list: caption element & " ", the value label after it, the
// gathered text less its trailing separator (dropChars characters) as the value and its
// tooltip. clearCaptionTip empties the caption's description (rows 3 to 5).
void WriteListRow(shell::MainWindow& w, const lang::TextTable& t, int row, int captionElement,
                  const std::string& gathered, std::size_t dropChars, bool clearCaptionTip);

// Rows first..last with caption, value and both tooltips emptied.
void ClearRowsAndTips(shell::MainWindow& w, int first, int last);

// The large no-drive message at the given top and height, shown.
void ShowNoDriveMessage(shell::MainWindow& w, const std::string& caption, int top, int height);

// The note under the rows, in its colour.
void WriteNote(shell::MainWindow& w, tk::Color color, const std::string& caption);

}  // namespace hv::sections

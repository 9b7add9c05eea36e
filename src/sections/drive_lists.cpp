#include "sections/drive_lists.h"

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

std::optional<double> MediumBytes(const platform::WmiItem& item) {
  const auto size = ReadValue(item, "Size");
  if (!size || !platform::IsNumeric(*size)) return std::nullopt;
  const auto bytes = platform::CDbl(*size);
  // Only a number counts: a size that is text but no number (or NaN) is no medium.
  if (!bytes || !(*bytes > 0)) return std::nullopt;
  return bytes;
}

void AppendEntry(std::string& row, const std::optional<std::string>& entry) {
  if (entry) row += *entry + " - ";
}

std::uint8_t CountByte(int count) {
  if (count < 0) return 0;
  return static_cast<std::uint8_t>(count > 255 ? 255 : count);
}

void WriteListRow(shell::MainWindow& w, const lang::TextTable& t, int row, int captionElement,
                  const std::string& gathered, std::size_t dropChars, bool clearCaptionTip) {
  WriteCaption(w, row, t[captionElement] + " ");
  WriteValue(w, row, DropLastText(gathered, dropChars));
  if (clearCaptionTip) w.LT[row]->SetToolTipText("");
}

void ClearRowsAndTips(shell::MainWindow& w, int first, int last) {
  for (int row = first; row <= last; ++row) {
    w.LT[row]->SetCaption("");
    w.LT[row]->SetToolTipText("");
    w.L[row]->SetCaption("");
    w.L[row]->SetToolTipText("");
  }
}

void ShowNoDriveMessage(shell::MainWindow& w, const std::string& caption, int top, int height) {
  w.LNoDrive->SetCaption(caption);
  w.LNoDrive->SetTop(top);
  w.LNoDrive->SetHeight(height);
  w.LNoDrive->SetVisible(true);
}

void WriteNote(shell::MainWindow& w, tk::Color color, const std::string& caption) {
  w.Laviso->SetForeColor(color);
  w.Laviso->SetCaption(caption);
}

}  // namespace hv::sections

// The copy popup of the page area: a right click on a row offers that row and the whole
// page, a right click on the page background the whole page only. Both read what the page
// has written into its labels; nothing is queried again.
#include <array>
#include <string_view>

#include "shell/main_window.h"

namespace hv::shell {

namespace {

constexpr int kRightButton = 2;
constexpr int kCustomisePanel = 90;
constexpr int kAboutPanel = 91;
constexpr const char* kLineBreak = "\r\n";

// Each page's fixed row layout, one character per row 1..12: 'v' a caption and its value,
// 'h' a heading, 's' a spacer copied as an empty line, '-' a row the copy leaves out.
// Copy is offered on 'v' rows only.
constexpr std::array<std::string_view, 14> kRowLayouts{
    "------------",  // no page
    "h-vvvv-h-vvv",  // Summary
    "vvvvvvvvvv--",  // User account
    "vvvvvv------",  // Computer
    "vvvvvvvvvvv-",  // Operating system
    "vvvvvvvvv---",  // Processor
    "vvvvvvvv----",  // RAM
    "vvvvvvvvv---",  // Hard drives
    "vvvvv-------",  // Bios
    "vvvvsvvvvvv-",  // Display
    "vvsvvvvv----",  // Keyboard and mouse
    "vvvvvvvv----",  // Removable memory
    "vvvvvvv-----",  // CDs/DVDs
    "vvvsvvsvvvvv",  // Others hardware
};

char RowKind(int page, int row) {
  if (page < 1 || page > 13 || row < 1 || row > 12) return '-';
  return kRowLayouts[static_cast<std::size_t>(page)][static_cast<std::size_t>(row - 1)];
}

bool PanelShown(int page) { return page == kCustomisePanel || page == kAboutPanel; }

}  // namespace

void MainWindow::Form_MouseDown(int button, int, int, int) {
  if (PanelShown(CurrentSection) || button != kRightButton) return;
  // The removable and optical pages showing that no drive was found have nothing to copy.
  if ((CurrentSection == 11 || CurrentSection == 12) && DriveCount == 0) return;
  MenuCopy->Item("Copy").enabled = false;
  form.PopupMenu(*MenuCopy, 0, 0, true, std::nullopt);
}

void MainWindow::TapaBorde_MouseDown(int button, int shift, int x, int y) {
  Form_MouseDown(button, shift, x, y);
}

void MainWindow::LT_MouseDown(int index, int button, int, int, int) {
  if (PanelShown(CurrentSection) || button != kRightButton) return;
  MenuCopy->Item("Copy").enabled = RowKind(CurrentSection, index) == 'v';
  SelectedRow = static_cast<std::uint8_t>(index);
  form.PopupMenu(*MenuCopy, 0, 0, true, std::nullopt);
}

void MainWindow::L_MouseDown(int index, int button, int shift, int x, int y) {
  LT_MouseDown(index, button, shift, x, y);
}

void MainWindow::Copy_Click() {
  std::string text;
  if (SelectedRow >= 1 && SelectedRow <= 12)
    text = LT[SelectedRow]->Caption() + L[SelectedRow]->Caption();
  app.backend.SetClipboardText(text);
}

void MainWindow::CopyAll_Click() {
  CopyText = Titulo->Caption() + kLineBreak + kLineBreak;
  for (int i = 1; i <= 12; ++i) {
    switch (RowKind(CurrentSection, i)) {
      case 'v':
        CopyText += LT[i]->Caption() + L[i]->Caption() + kLineBreak;
        break;
      case 'h':
        // A heading after the first one is set off from the rows above by an empty line.
        if (i > 1) CopyText += kLineBreak;
        CopyText += LT[i]->Caption() + ":" + kLineBreak + kLineBreak;
        break;
      case 's':
        CopyText += kLineBreak;
        break;
      default:
        break;
    }
  }
  app.backend.SetClipboardText(CopyText);
}

void MainWindow::WireCopyMenu() {
  form.onMouseDown = [this](int b, int s, int x, int y) { Form_MouseDown(b, s, x, y); };
  TapaBorde->onMouseDown = [this](int b, int s, int x, int y) { TapaBorde_MouseDown(b, s, x, y); };
  for (int i = 1; i <= 12; ++i) {
    LT[i]->onMouseDown = [this, i](int b, int s, int x, int y) { LT_MouseDown(i, b, s, x, y); };
    L[i]->onMouseDown = [this, i](int b, int s, int x, int y) { L_MouseDown(i, b, s, x, y); };
  }
  MenuCopy->Item("Copy").onClick = [this] { Copy_Click(); };
  MenuCopy->Item("CopyAll").onClick = [this] { CopyAll_Click(); };
}

}  // namespace hv::shell

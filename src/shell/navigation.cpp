// The section menu: showing a page, the strip's hit-test and cursor, the reload from the
// bar, the Options popup, Make a report, and the helpers the panels use.
#include "report/report_window.h"
#include "sections/pages.h"
#include "shell/main_window.h"

namespace hv::shell {

namespace {

constexpr int kFirstBandTop = 49;
constexpr int kBandHeight = 35;
constexpr int kBandsBottom = 504;  // the bands run from 49 up to, not including, 504

bool InOptionsCorner(int x, int y) { return x < 135 && y < 31; }

}  // namespace

void MainWindow::LMenu_MouseDown(int entry, int button, int, int, int) {
  if (button == 2 || button == 4 || PanelOpen) return;
  app.backend.SetAppCursor(tk::CursorKind::Wait);
  BM->SetVisible(false);
  if (entry >= 1 && entry <= 13) {
    BM->SetTop(kFirstBandTop + kBandHeight * (entry - 1));
    LMenu2->SetCaption(app.text[entry + 10]);
    BM->SetVisible(true);
    sections::ShowSection(app, entry);
  }
  // No application-wide cursor picture exists: each control's own cursor applies again.
  app.backend.SetAppCursor(tk::CursorKind::Default);
  Labelmi->SetCaption(app.text[35]);
  form.Refresh();
  InnerIndex = 0;
  TAlphaB->SetEnabled(true);
}

void MainWindow::S_MouseDown(int index, int button, int shift, int x, int y) {
  if (index != 1 || y < kFirstBandTop || y >= kBandsBottom) return;
  LMenu_MouseDown((y - kFirstBandTop) / kBandHeight + 1, button, shift, x, y);
}

void MainWindow::S_MouseUp(int index, int button, int shift, int x, int y) {
  if (index == 1 && InOptionsCorner(x, y)) LOpc_MouseUp(button, shift, x, y);
}

void MainWindow::S_MouseMove(int index, int, int, int x, int y) {
  if (index != 1) return;
  tk::CursorKind cursor = tk::CursorKind::Arrow;
  if (!PanelOpen && (InOptionsCorner(x, y) || (y >= kFirstBandTop && y < kBandsBottom)))
    cursor = tk::CursorKind::Custom;
  S[1]->SetCursor(cursor);
}

void MainWindow::LOpc_MouseUp(int button, int, int, int) {
  if (button != 1 || PanelOpen) return;
  constexpr int kQuitItem = 6;
  form.PopupMenu(*MenuOps, 25, 14, false, kQuitItem);
}

void MainWindow::CrearInforme_Click() {
  Timer1->SetEnabled(false);
  report::ShowReportWindow(app);
}

void MainWindow::ClearPage() {
  for (int i = 1; i <= 12; ++i) {
    LT[i]->SetCaption("");
    LT[i]->SetToolTipText("");
    L[i]->SetCaption("");
    L[i]->SetToolTipText("");
  }
  for (tk::Control* c :
       std::initializer_list<tk::Control*>{LNoDrive, Line1, Iaviso, Laviso, LineInf})
    c->SetVisible(false);
  Labelmi->SetCaption("");
  form.Refresh();
}

void MainWindow::LockMenu() {
  SetMenuLook(tk::Rgb(215, 215, 215), tk::Rgb(215, 215, 215), tk::CursorKind::Arrow);
}

void MainWindow::UnlockMenu() {
  SetMenuLook(tk::Rgb(250, 250, 250), tk::Rgb(255, 255, 255), tk::CursorKind::Custom);
}

void MainWindow::SetMenuLook(tk::Color options, tk::Color entries, tk::CursorKind cursor) {
  LOpc->SetForeColor(options);
  LOpc->SetCursor(cursor);
  MenuLogo->SetCursor(cursor);
  for (int k = 1; k <= 13; ++k) {
    LMenu[k]->SetForeColor(entries);
    LMenu[k]->SetCursor(cursor);
  }
  BM->SetCursor(cursor);
  LMenu2->SetForeColor(entries);
  LMenu2->SetCursor(cursor);
}

void MainWindow::WireEvents() {
  for (int k = 1; k <= 13; ++k)
    LMenu[k]->onMouseDown = [this, k](int b, int s, int x, int y) {
      LMenu_MouseDown(k, b, s, x, y);
    };
  S[1]->onMouseDown = [this](int b, int s, int x, int y) { S_MouseDown(1, b, s, x, y); };
  S[1]->onMouseUp = [this](int b, int s, int x, int y) { S_MouseUp(1, b, s, x, y); };
  S[1]->onMouseMove = [this](int b, int s, int x, int y) { S_MouseMove(1, b, s, x, y); };
  BM->onClick = [this] { LMenu_MouseDown(CurrentSection, 1, 0, 0, 0); };
  LMenu2->onClick = [this] { LMenu_MouseDown(CurrentSection, 1, 0, 0, 0); };
  LOpc->onMouseUp = [this](int b, int s, int x, int y) { LOpc_MouseUp(b, s, x, y); };
  MenuLogo->onMouseUp = [this](int b, int s, int x, int y) { LOpc_MouseUp(b, s, x, y); };
  MenuOps->Item("CrearInforme").onClick = [this] { CrearInforme_Click(); };
  MenuOps->Item("Quit").onClick = [this] { Quit_Click(); };
  TLoad->onTimer = [this] { TLoad_Timer(); };
  TUnload->onTimer = [this] { TUnload_Timer(); };
  TAlphaB->onTimer = [this] { TAlphaB_Timer(); };
  form.onUnload = [this](bool& cancel) { Form_Unload(cancel); };
  form.onUnloaded = [this] { app.backend.EndProgram(); };
  WireCopyMenu();
  WirePanels();
  Timer1->onTimer = [this] { Timer1_Timer(); };
}

}  // namespace hv::shell

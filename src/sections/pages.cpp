#include "sections/pages.h"

#include "shell/main_window.h"

namespace hv::sections {

namespace {

// A page whose routine is not built yet: its title over empty rows.
void ShowEmptyPage(shell::App& app, int entry) {
  shell::MainWindow& w = app.Main();
  if (w.CurrentSection != entry) {
    w.Labelmi->SetCaption(app.text[34]);
    w.CurrentSection = static_cast<std::uint8_t>(entry);
  }
  w.Titulo->SetCaption(app.text[10 + entry]);
  for (int i = 1; i <= 12; ++i) {
    w.LT[i]->SetCaption("");
    w.L[i]->SetCaption("");
  }
  for (tk::Control* c :
       std::initializer_list<tk::Control*>{w.LNoDrive, w.Line1, w.Line2, w.Iaviso, w.Laviso})
    c->SetVisible(false);
}

}  // namespace

void ShowSection(shell::App& app, int entry) {
  if (entry < 1 || entry > 13) return;
  ShowEmptyPage(app, entry);
}

}  // namespace hv::sections

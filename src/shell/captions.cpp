// Puts the current language's texts on the main window's fixed captions.
#include "shell/main_window.h"

namespace hv::shell {

void MainWindow::TraduPrincipal() {
  const lang::TextTable& t = app.text;
  if (CurrentSection == 90) {
    LTPers1->SetCaption(t[2]);
    LTPers2->SetCaption(t[166]);
    LPers1->SetCaption(t[152]);
    LPers2->SetCaption(t[153]);
    LTPers3->SetCaption(t[154]);
    CheckTrans->SetCaption(" " + t[155]);
    BAceptar->SetCaption(t[158]);
  }
  LOpc->SetCaption(t[5]);
  MenuOps->Item("Personalizar").caption = t[6];
  MenuOps->Item("CrearInforme").caption = t[68];
  MenuOps->Item("Informacion").caption = t[8];
  MenuOps->Item("VisitWeb").caption = t[9];
  MenuOps->Item("Quit").caption = t[10];
  for (int k = 1; k <= 13; ++k) {
    LMenu[k]->SetCaption(t[10 + k]);
    if (k == PreviousSection) LMenu2->SetCaption(t[10 + k]);
  }
  MenuCopy->Item("Copy").caption = t[24];
  MenuCopy->Item("CopyAll").caption = t[25];
}

}  // namespace hv::shell

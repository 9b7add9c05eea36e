#include "sections/pages.h"

#include "sections/bios.h"
#include "sections/computer.h"
#include "sections/display.h"
#include "sections/hard_drives.h"
#include "sections/keyboard_mouse.h"
#include "sections/memory.h"
#include "sections/operating_system.h"
#include "sections/optical_drives.h"
#include "sections/other_hardware.h"
#include "sections/page_model.h"
#include "sections/processor.h"
#include "sections/removable.h"
#include "sections/summary.h"
#include "sections/user_account.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

// A page whose routine is not built yet: its title over empty rows.
void ShowEmptyPage(shell::App& app, int entry) {
  shell::MainWindow& w = app.Main();
  EnterPage(w, app.text, entry);
  w.Titulo->SetCaption(app.text[10 + entry]);
  HeadingReset(w, 1);
  HeadingReset(w, 8);
  BlankRows(w, kFirstRow, kLastRow);
  HideAll({w.LNoDrive, w.Line1, w.Line2, w.Iaviso, w.Laviso});
}

}  // namespace

void ShowSection(shell::App& app, int entry) {
  switch (entry) {
    case 1:
      ShowSummary(app);
      break;
    case 2:
      ShowUserAccount(app);
      break;
    case 3:
      ShowComputer(app);
      break;
    case 4:
      ShowOperatingSystem(app);
      break;
    case 5:
      ShowProcessor(app);
      break;
    case 6:
      ShowMemory(app);
      break;
    case 7:
      ShowHardDrives(app);
      break;
    case 8:
      ShowBios(app);
      break;
    case 9:
      ShowDisplay(app);
      break;
    case 10:
      ShowKeyboardMouse(app);
      break;
    case 11:
      ShowRemovable(app);
      break;
    case 12:
      ShowOpticalDrives(app);
      break;
    case 13:
      ShowOtherHardware(app);
      break;
    default:
      if (entry >= 2 && entry <= 13) ShowEmptyPage(app, entry);
      break;
  }
}

}  // namespace hv::sections

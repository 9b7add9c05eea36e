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
#include "sections/processor.h"
#include "sections/removable.h"
#include "sections/summary.h"
#include "sections/user_account.h"
#include "shell/main_window.h"

namespace hv::sections {

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
    default:  // no such entry: the page stays as it is
      break;
  }
}

}  // namespace hv::sections

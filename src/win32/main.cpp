// The program's entry point: one instance only, common controls, COM, the real services,
// the main window, and the message loop until the program ends.
// clang-format off
#include <windows.h>  // first: commctrl.h needs its types
#include <commctrl.h>
// clang-format on

#include <memory>

#include "shell/app.h"
#include "shell/main_window.h"
#include "win32/raii.h"
#include "win32/registry_shell.h"
#include "win32/resource_assets.h"
#include "win32/single_instance.h"
#include "win32/system_win32.h"
#include "win32/win32_backend.h"
#include "win32/wmi_com.h"

namespace {

int RunMessageLoop(hv::win32::Win32Backend& backend) {
  MSG message{};
  while (!backend.Ended()) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) break;  // WM_QUIT, or a failure that no further call would cure
    backend.Dispatch(message);
  }
  return 0;
}

int RunHarvala(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  hv::win32::ComInit com;
  // Without WMI the pages show their "unknown" values; the program runs all the same.
  std::unique_ptr<hv::win32::WmiCom> wmi = hv::win32::WmiCom::Connect();
  hv::win32::RegistryShell shell;
  hv::win32::SystemWin32 system;
  hv::win32::ResourceAssets assets(instance);
  hv::win32::Win32Backend backend(instance);
  hv::shell::App app({backend, wmi.get(), &shell, system, assets});
  app.Main().Form_Initialize();
  app.Main().Form_Load();
  if (!backend.Ended()) app.Main().form.Show();
  return RunMessageLoop(backend);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // One copy at a time: a second one ends before it shows anything. The lock lives until
  // this copy ends.
  const auto instanceLock = hv::win32::ClaimSingleInstance(hv::win32::kInstanceLockName);
  if (!instanceLock) return 0;
  return RunHarvala(instance);
}

#pragma once
// A whole program on fakes: headless backend, fixture WMI, in-memory registry, settable
// system and the real picture files. Each test builds a fresh one.
#include <memory>
#include <string>
#include <vector>

#include "platform/assets.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "support/fake_system.h"
#include "support/fixture_wmi.h"
#include "support/memory_registry.h"
#include "toolkit/headless_backend.h"

namespace hv::test {

class AppFixture {
 public:
  // machine: a fixture under tests/fixtures ("typical", "empty"); "" for no WMI at all.
  explicit AppFixture(const std::string& machine = "typical");

  tk::HeadlessBackend backend;
  FixtureWmi wmi;
  MemoryShell shell;
  FakeSystem system;
  platform::FolderAssets assets{HARVALA_ASSETS_DIR};
  bool withWmi = true;
  bool withShell = true;

  // The program, made on first use from the fakes as they are then.
  shell::App& App();
  shell::MainWindow& Main() { return App().Main(); }
  // Runs start-up as the entry point does: Form_Initialize, Form_Load, then shows the window.
  shell::MainWindow& Start();
  // Starts, then shows the page of a menu entry as a left press on it does; the start-up's
  // own queries can be forgotten first, so a test counts only the page's.
  shell::MainWindow& StartOn(int entry, bool forgetStartUpQueries = false);

  // The value labels' texts of rows first..last.
  static std::vector<std::string> RowValues(const shell::MainWindow& w, int first = 1,
                                            int last = 12);

  // The settings key's value path.
  static std::string Setting(const std::string& name);

 private:
  std::unique_ptr<shell::App> app_;
};

}  // namespace hv::test

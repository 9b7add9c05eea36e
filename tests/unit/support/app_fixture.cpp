#include "support/app_fixture.h"

namespace hv::test {

AppFixture::AppFixture(const std::string& machine)
    : wmi(machine.empty() ? FixtureWmi() : FixtureWmi::Fixture(machine)) {
  withWmi = !machine.empty();
  // The interface fonts as a real Windows has them.
  shell.specialFolders["Fonts"] = "C:\\Windows\\Fonts";
  shell.specialFolders["Desktop"] = "C:\\Users\\Anna\\Desktop";
  system.fileAttributes["C:\\Windows\\Fonts\\segoeui.ttf"] = 32;
  system.fileAttributes["C:\\Windows\\Fonts\\segoeuil.ttf"] = 32;
}

shell::App& AppFixture::App() {
  if (!app_) {
    shell::Services services{backend, withWmi ? &wmi : nullptr, withShell ? &shell : nullptr,
                             system, assets};
    app_ = std::make_unique<shell::App>(services);
  }
  return *app_;
}

shell::MainWindow& AppFixture::Start() {
  shell::MainWindow& w = Main();
  w.Form_Initialize();
  w.Form_Load();
  w.form.Show();
  return w;
}

shell::MainWindow& AppFixture::StartOn(int entry, bool forgetStartUpQueries) {
  shell::MainWindow& w = Start();
  if (forgetStartUpQueries) wmi.ClearQueries();
  w.LMenu_MouseDown(entry, 1, 0, 0, 0);
  return w;
}

std::vector<std::string> AppFixture::RowValues(const shell::MainWindow& w, int first, int last) {
  std::vector<std::string> values;
  for (int row = first; row <= last; ++row) values.push_back(w.L[row]->Caption());
  return values;
}

std::string AppFixture::Setting(const std::string& name) {
  return std::string(shell::kSettingsKey) + "\\" + name;
}

}  // namespace hv::test

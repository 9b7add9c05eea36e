#include "shell/app.h"

#include "shell/main_window.h"
#include "shell/picture_holder.h"

namespace hv::shell {

App::App(const Services& services)
    : backend(services.backend),
      wmi(services.wmi),
      shell(services.shell),
      system(services.system),
      assets(services.assets) {}

App::~App() = default;

PictureHolder& App::Pictures() {
  if (!pictures_) pictures_ = std::make_unique<PictureHolder>(*this);
  return *pictures_;
}

MainWindow& App::Main() {
  if (!main_) main_ = std::make_unique<MainWindow>(*this);
  return *main_;
}

void App::LoadCurrentLanguage() {
  if (look.languageName == "Spanish")
    lang::LoadSpanish(text);
  else if (look.languageName == "Dutch")
    lang::LoadDutch(text);
  else
    lang::LoadEnglish(text);
}

void App::WriteSetting(const std::string& value, const platform::Variant& v, const char* type) {
  if (shell) shell->RegWrite(std::string(kSettingsKey) + "\\" + value, v, type);
}

std::optional<platform::Variant> App::ReadSetting(const std::string& value) {
  if (!shell) return std::nullopt;
  return shell->RegRead(std::string(kSettingsKey) + "\\" + value);
}

}  // namespace hv::shell

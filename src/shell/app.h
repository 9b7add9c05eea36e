#pragma once
// The program-wide state: services, the text table, the settings and the scratch values the
// routines share. One object, passed by reference, so every test builds a fresh one.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "lang/text_table.h"
#include "platform/assets.h"
#include "platform/shell_object.h"
#include "platform/system.h"
#include "platform/wmi.h"
#include "toolkit/backend.h"

namespace hv::shell {

class MainWindow;
class PictureHolder;
}  // namespace hv::shell
namespace hv::report {
class ReportWindow;
}

namespace hv::shell {

// The registry key that holds the settings, and the value names under it.
inline constexpr const char* kSettingsKey =
    "HKEY_CURRENT_USER\\Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\Brenlow\\Harvala";

struct Appearance {
  std::string languageName = "English";
  std::int32_t skinColor = 16750080;
  std::int32_t shine = 24;
  bool transOn = true;
  std::int32_t transparency = 0;
  // SplitColor's result: the channels of skinColor.
  std::uint8_t tintRed = 0, tintGreen = 0, tintBlue = 0;
  // ComputeTitleColor's result: the accent colour of titles, headings and reports.
  std::int32_t colorRed = 0, colorGreen = 0, colorBlue = 0;
};

struct Services {
  tk::Backend& backend;
  platform::WmiService* wmi;     // nullptr when the connection could not be made
  platform::ShellObject* shell;  // nullptr when the shell object could not be made
  platform::System& system;
  platform::Assets& assets;
};

class App {
 public:
  explicit App(const Services& services);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  tk::Backend& backend;
  platform::WmiService* wmi;
  platform::ShellObject* shell;
  platform::System& system;
  platform::Assets& assets;

  lang::TextTable text;
  Appearance look;
  std::uint8_t fontFlag = 0;  // 32 when the interface fonts are present

  // Scratch values shared between statements of one routine; nothing may expect them to
  // survive a call into another routine.
  std::array<std::string, 12> sectionValues;
  std::int32_t scratchNumber1 = 0;
  std::int32_t scratchNumber2 = 0;
  std::string scratchText;
  std::int32_t loopIndex = 0;

  // The three windows. The picture holder and the main window live to the end; the report
  // window is made on each Make a report and unloaded when it closes.
  PictureHolder& Pictures();
  MainWindow& Main();
  // The report window while it is loaded (shared_ptr: its type stays opaque here).
  std::shared_ptr<report::ReportWindow> reportWindow;

  // Runs the loader of the current language (look.languageName; English for any other name).
  void LoadCurrentLanguage();

  // Writes a setting under the settings key; failures are ignored, as everywhere.
  void WriteSetting(const std::string& value, const platform::Variant& v, const char* type);
  std::optional<platform::Variant> ReadSetting(const std::string& value);

 private:
  std::unique_ptr<PictureHolder> pictures_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace hv::shell

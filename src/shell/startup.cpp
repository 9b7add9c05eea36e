// Start-up, the main window's fade-in, and the ending with its fade-out.
#include "shell/main_window.h"
#include "shell/picture_holder.h"
#include "shell/settings.h"
#include "shell/skin.h"

namespace hv::shell {

namespace {

// The interface fonts count as present only when both files exist with exactly the archive
// attribute.
bool InterfaceFontsPresent(App& app) {
  if (!app.shell) return false;
  auto folder = app.shell->SpecialFolders("Fonts");
  if (!folder) return false;
  for (const char* file : {"\\segoeui.ttf", "\\segoeuil.ttf"}) {
    auto attributes = app.system.FileAttributes(*folder + file);
    if (!attributes || *attributes != 32) return false;
  }
  return true;
}

}  // namespace

void MainWindow::Form_Initialize() {
  // The single-instance rule and the common controls belong to the program's entry point,
  // which runs them before the main window exists.
}

void MainWindow::Form_Load() {
  app.fontFlag = InterfaceFontsPresent(app) ? 32 : 0;
  if (app.fontFlag != 32) UseSubstituteFonts();
  ReadSettings();
  ApplySkin();
  Ico->SetPicture(app.Pictures().Get("Sec1")->Assigned());
  TraduPrincipal();
  LMenu_MouseDown(1, 1, 0, 0, 0);
  if (app.look.transOn) {
    FadeInLevel = 100;
    TLoad->SetEnabled(true);
  }
}

void MainWindow::UseSubstituteFonts() {
  tk::Font title = Titulo->GetFont();
  title.name = "Arial";
  title.size = 20;
  title.italic = true;
  Titulo->SetFont(title);
  Titulo->SetTop(58);
  auto toArial = [](tk::Label* label) {
    tk::Font f = label->GetFont();
    f.name = "Arial";
    label->SetFont(f);
  };
  for (int i = 1; i <= 12; ++i) {
    toArial(LT[i]);
    toArial(L[i]);
  }
  toArial(LNoDrive);
}

// Reads the settings in their fixed order; each invalid one takes its default, written back
// at once. The language is loaded as soon as it is settled.
void MainWindow::ReadSettings() {
  Appearance& look = app.look;
  auto language = JudgeLanguage(app.ReadSetting("Language"));
  look.languageName = language.value;
  if (language.replaced) app.WriteSetting("Language", platform::Variant("English"), "REG_SZ");
  app.LoadCurrentLanguage();

  auto colour = JudgeColor(app.ReadSetting("ColorValue"));
  look.skinColor = colour.value;
  if (colour.replaced)
    app.WriteSetting("ColorValue", platform::Variant(kDefaultColor), "REG_DWORD");

  auto shine = JudgeShine(app.ReadSetting("ShineValue"));
  look.shine = shine.value;
  if (shine.replaced)
    app.WriteSetting("ShineValue", platform::Variant(kDefaultShineStored), "REG_DWORD");

  auto transOn = JudgeTransOn(app.ReadSetting("ChkTrans"));
  look.transOn = transOn.value;
  if (transOn.replaced)
    app.WriteSetting("ChkTrans", platform::Variant(std::int32_t{1}), "REG_DWORD");
  // Invisible before it is first shown, so the fade-in can make it appear.
  if (look.transOn) SetTransparency(form, 100);

  auto level = JudgeTransparency(app.ReadSetting("Transparency"));
  look.transparency = level.value;
  if (level.replaced)
    app.WriteSetting("Transparency", platform::Variant(std::int32_t{0}), "REG_DWORD");
}

void MainWindow::TLoad_Timer() {
  FadeInLevel -= 9;
  SetTransparency(form, FadeInLevel);
  if (FadeInLevel <= app.look.transparency) {
    SetTransparency(form, app.look.transparency);
    TLoad->SetEnabled(false);
  }
}

void MainWindow::Quit_Click() { form.RequestClose(); }

void MainWindow::Form_Unload(bool& cancel) {
  if (!app.look.transOn) return;  // unloaded at once; onUnloaded ends the program
  cancel = true;
  // A fade-in still running would fight the fade-out over the window's alpha.
  TLoad->SetEnabled(false);
  FadeOutLevel = app.look.transparency;
  TUnload->SetEnabled(true);
}

void MainWindow::TUnload_Timer() {
  FadeOutLevel += 9;
  SetTransparency(form, FadeOutLevel);
  if (FadeOutLevel >= 100) {
    TUnload->SetEnabled(false);
    app.backend.EndProgram();
  }
}

}  // namespace hv::shell

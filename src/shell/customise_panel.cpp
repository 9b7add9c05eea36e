// The customise panel: language, skin colour and shine, transparency. Every change applies
// at once; Accept saves what changed since the panel opened and brings back the page.
#include "shell/main_window.h"
#include "shell/settings.h"
#include "shell/skin.h"

namespace hv::shell {

namespace {

constexpr std::uint8_t kCustomisePage = 90;
constexpr tk::Color kActiveInk = tk::Rgb(32, 32, 32);
constexpr tk::Color kGreyedInk = tk::Rgb(96, 96, 96);
// The spectrum's rows 1..9 are identical; row 2 is the one read.
constexpr int kSpectrumRow = 2;

// Shine is half the bar's value, halves to the even neighbour (5 gives 2, 7 gives 4).
std::int32_t ShineOf(int barValue) {
  const int half = barValue / 2;
  return (barValue % 2 != 0 && half % 2 != 0) ? half + 1 : half;
}

int ListIndexOf(const std::string& languageName) {
  if (languageName == "English") return 0;
  if (languageName == "Spanish") return 1;
  if (languageName == "Dutch") return 2;
  return -1;
}

}  // namespace

void MainWindow::Personalizar_Click() {
  if (PanelOpen) return;  // one panel at a time: the page to return to must be a section
  Timer1->SetEnabled(false);
  PanelReady = false;
  PanelOpen = true;
  PreviousSection = CurrentSection;
  CurrentSection = kCustomisePage;
  LockMenu();
  ClearPage();
  InnerIndex = 0;
  TAlphaB->SetEnabled(true);
  SavedLanguage = app.look.languageName;
  FillLanguageList();
  // Selecting the entry raises LangList_Click, which reloads the saved language over the
  // Dutch texts loaded last and puts the captions on.
  LangList->SetListIndex(ListIndexOf(SavedLanguage));
  SavedColor = app.look.skinColor;

  auto position = JudgeSpectrumPosition(app.ReadSetting("SCV"));
  if (position.replaced)
    app.WriteSetting("SCV", platform::Variant(kDefaultSpectrumPosition), "REG_DWORD");
  SpectrumPosition = position.value;
  // Setting the values raises the bars' handlers; PanelReady keeps them quiet, so the skin
  // colour stays as it is even when the saved column shows another.
  Scroll1->SetValue(SpectrumPosition);
  Arrow->SetLeft(Spectrum->Left() - 4 + Scroll1->Value());
  SavedShine = app.look.shine;
  Scroll2->SetValue(app.look.shine * 2);
  SavedTransOn = app.look.transOn;
  CheckTrans->SetValue(app.look.transOn ? 1 : 0);
  Scroll3->SetEnabled(app.look.transOn);
  LPers3->SetForeColor(app.look.transOn ? kActiveInk : kGreyedInk);
  SavedTransparency = static_cast<std::uint8_t>(app.look.transparency);
  Scroll3->SetValue(app.look.transparency);
  LPers3->SetCaption(std::to_string(app.look.transparency) + " %");
  PicPersonalizar->SetVisible(true);
  BAceptar->SetVisible(true);
  PanelReady = true;
}

// Each language's own name comes from its own table, so the list reads the same in every
// interface language.
void MainWindow::FillLanguageList() {
  LangList->Clear();
  lang::LoadEnglish(app.text);
  LangList->AddItem(app.text[1]);
  lang::LoadSpanish(app.text);
  LangList->AddItem(app.text[1]);
  lang::LoadDutch(app.text);
  LangList->AddItem(app.text[1]);
}

void MainWindow::LangList_Click() {
  switch (LangList->ListIndex()) {
    case 0:
      app.look.languageName = "English";
      lang::LoadEnglish(app.text);
      break;
    case 1:
      app.look.languageName = "Spanish";
      lang::LoadSpanish(app.text);
      break;
    case 2:
      app.look.languageName = "Dutch";
      lang::LoadDutch(app.text);
      break;
    default:
      break;
  }
  Titulo->SetCaption(app.text[6]);
  TraduPrincipal();
  PicPersonalizar->Cls();
}

void MainWindow::Scroll1_Scroll() {
  if (!PanelReady) return;
  Arrow->SetLeft(Spectrum->Left() - 4 + Scroll1->Value());
  app.look.skinColor =
      static_cast<std::int32_t>(Spectrum->Image().At(Scroll1->Value(), kSpectrumRow));
  SplitColor(app.look.skinColor);
  ComputeTitleColor();
  ShowNewSkinColour();
}

void MainWindow::Scroll1_Change() { Scroll1_Scroll(); }

void MainWindow::Scroll2_Scroll() {
  if (!PanelReady) return;
  app.look.shine = ShineOf(Scroll2->Value());
  ComputeTitleColor();
  ShowNewSkinColour();
}

void MainWindow::Scroll2_Change() { Scroll2_Scroll(); }

// The title takes the new colour and is painted before the yield, so it follows the thumb
// even when recolouring the skin lags. A scroll event handled during the yield only updates
// the shared values and the title: the run that is yielding recolours afterwards with the
// newest colour and shine. Nested yields would otherwise stack one handler per event while
// the thumb is dragged.
void MainWindow::ShowNewSkinColour() {
  Titulo->SetForeColor(tk::Rgb(app.look.colorRed, app.look.colorGreen, app.look.colorBlue));
  form.Refresh();
  if (RecolourYielding) return;
  RecolourYielding = true;
  app.backend.DoEvents();
  RecolourYielding = false;
  if (app.backend.Ended()) return;  // the program was closed during the yield
  for (tk::PictureBox* box : {S[1], BM, S[2], S[3], S[4]}) ApplyColor(*box, app.look);
}

void MainWindow::CheckTrans_Click() {
  if (!PanelReady) return;
  const bool ticked = CheckTrans->Value() == 1;
  // The start-up fade-in would otherwise go on stepping towards the old level.
  TLoad->SetEnabled(false);
  SetTransparency(form, ticked ? app.look.transparency : 0);
  app.look.transOn = ticked;
  Scroll3->SetEnabled(ticked);
  LPers3->SetForeColor(ticked ? kActiveInk : kGreyedInk);
}

void MainWindow::Scroll3_Scroll() {
  if (!PanelReady) return;
  app.look.transparency = Scroll3->Value();
  LPers3->SetCaption(std::to_string(app.look.transparency) + " %");
  TLoad->SetEnabled(false);  // the panel's level holds, not the fade-in's
  SetTransparency(form, app.look.transparency);
}

void MainWindow::Scroll3_Change() { Scroll3_Scroll(); }

void MainWindow::BAceptar_Click() {
  // A click queued behind the one that closed the panel finds no panel to close.
  if (!PanelOpen) return;
  BAceptar->SetVisible(false);
  PanelOpen = false;
  if (CurrentSection != kCustomisePage) {
    PicInformacion->SetVisible(false);
  } else {
    PicPersonalizar->SetVisible(false);
    PanelReady = false;
    LangList->Clear();
    SaveChangedSettings();
  }
  UnlockMenu();
  LineInf->SetVisible(true);
  CurrentSection = PreviousSection;
  LMenu_MouseDown(CurrentSection, 1, 0, 0, 0);
}

// Writes only what differs from the values the panel opened with; a failed write leaves the
// stored value as it was.
void MainWindow::SaveChangedSettings() {
  const Appearance& look = app.look;
  if (look.languageName != SavedLanguage)
    app.WriteSetting("Language", platform::Variant(look.languageName), "REG_SZ");
  if (look.skinColor != SavedColor) {
    app.WriteSetting("ColorValue", platform::Variant(look.skinColor), "REG_DWORD");
    app.WriteSetting("SCV", platform::Variant(std::int32_t{Scroll1->Value()}), "REG_DWORD");
  }
  if (Scroll2->Value() != SavedShine * 2)
    app.WriteSetting("ShineValue", platform::Variant(std::int32_t{Scroll2->Value()}), "REG_DWORD");
  if (look.transOn != SavedTransOn)
    app.WriteSetting("ChkTrans", platform::Variant(std::int32_t{CheckTrans->Value()}), "REG_DWORD");
  if (Scroll3->Value() != SavedTransparency)
    app.WriteSetting("Transparency", platform::Variant(std::int32_t{Scroll3->Value()}),
                     "REG_DWORD");
}

void MainWindow::WirePanels() {
  MenuOps->Item("Personalizar").onClick = [this] { Personalizar_Click(); };
  MenuOps->Item("Informacion").onClick = [this] { Informacion_Click(); };
  MenuOps->Item("VisitWeb").onClick = [this] { VisitWeb_Click(); };
  LangList->onClick = [this] { LangList_Click(); };
  Scroll1->onScroll = [this] { Scroll1_Scroll(); };
  Scroll1->onChange = [this] { Scroll1_Change(); };
  Scroll2->onScroll = [this] { Scroll2_Scroll(); };
  Scroll2->onChange = [this] { Scroll2_Change(); };
  CheckTrans->onClick = [this] { CheckTrans_Click(); };
  Scroll3->onScroll = [this] { Scroll3_Scroll(); };
  Scroll3->onChange = [this] { Scroll3_Change(); };
  BAceptar->onClick = [this] { BAceptar_Click(); };
  LTra2->onMouseDown = [this](int b, int s, int x, int y) { LTra2_MouseDown(b, s, x, y); };
  LTra2->onMouseMove = [this](int b, int s, int x, int y) { LTra2_MouseMove(b, s, x, y); };
  LTra1->onMouseMove = [this](int b, int s, int x, int y) { LTra1_MouseMove(b, s, x, y); };
  PicInformacion->onMouseMove = [this](int b, int s, int x, int y) {
    PicInformacion_MouseMove(b, s, x, y);
  };
}

}  // namespace hv::shell

#include "report/report_window.h"

#include <memory>
#include <string>

#include "report/closing.h"
#include "report/report_file.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "shell/picture_holder.h"
#include "shell/save_dialog.h"
#include "shell/skin.h"

namespace hv::report {

namespace {

constexpr tk::Color kHeadingBlue = tk::Rgb(0, 51, 153);
constexpr tk::Color kBlack = tk::Rgb(0, 0, 0);
constexpr int kFadeStep = 9;      // transparency percent per fade tick
constexpr int kPictureStep = 13;  // alpha per status-picture tick

tk::Font MakeFont(const char* name, double size) {
  tk::Font f;
  f.name = name;
  f.size = size;
  return f;
}

tk::Label& AddLabel(tk::Form& form, const char* name, tk::Rect r, const tk::Font& font,
                    bool autoSize) {
  auto& label = form.Add<tk::Label>(name);
  label.SetFont(font);
  label.SetForeColor(kBlack);
  label.SetTransparent(true);
  label.Move(r.left, r.top, r.width, r.height);
  label.SetAutoSize(autoSize);
  return label;
}

tk::CommandButton& AddButton(tk::Form& form, const char* name, tk::PictureBox* bar, tk::Rect r) {
  auto& button = form.Add<tk::CommandButton>(name, bar);
  button.Move(r.left, r.top, r.width, r.height);
  button.font = MakeFont("Segoe UI", 9);
  button.SetEnabled(false);
  return button;
}

}  // namespace

ReportWindow::ReportWindow(shell::App& application)
    : app(application), form(application.backend, "F2", 417, 181) {
  form.SetCaption("Brenlow Harvala");
  form.font = MakeFont("Tahoma", 9.75);
  form.BackColor = tk::Rgb(255, 255, 255);
  BuildLayout();
  WireEvents();
}

void ReportWindow::BuildLayout() {
  Desc1 = &AddLabel(form, "Desc1", {16, 16, 0, 0}, MakeFont("Segoe UI", 12), true);
  Desc2 = &AddLabel(form, "Desc2", {16, 48, 385, 30}, MakeFont("Segoe UI", 9), false);
  Desc2->SetWordWrap(true);
  Pic1 = &form.Add<tk::PictureBox>("Pic1");
  Pic1->Move(24, 98, 16, 16);
  Pic1->SetBackColor(tk::Rgb(255, 255, 255));
  LStatus = &AddLabel(form, "LStatus", {48, 99, 0, 0}, MakeFont("Segoe UI", 9), true);
  BGLine = &form.Add<tk::Line>("BGLine");
  BGLine->SetPoints(0, 136, 417, 136);
  BGLine->SetLineColor(tk::Rgb(204, 204, 204));
  BG = &form.Add<tk::PictureBox>("BG");
  BG->Move(0, 137, 417, 44);
  BG->SetBackColor(tk::Rgb(240, 240, 240));
  BSave = &AddButton(form, "BSave", BG, {166, 9, 161, 26});
  BClose = &AddButton(form, "BClose", BG, {336, 9, 73, 26});
  TLoad = &form.AddTimer("TLoad", 1);
  TUnload = &form.AddTimer("TUnload", 1);
  TAlphaB = &form.AddTimer("TAlphaB", 1);
  Descargador = &form.AddTimer("Descargador", 1);
}

void ReportWindow::WireEvents() {
  TLoad->onTimer = [this] { TLoad_Timer(); };
  TUnload->onTimer = [this] { TUnload_Timer(); };
  TAlphaB->onTimer = [this] { TAlphaB_Timer(); };
  Descargador->onTimer = [this] { Descargador_Timer(); };
  BSave->onClick = [this] { BSave_Click(); };
  BClose->onClick = [this] { BClose_Click(); };
  form.onUnload = [this](bool& cancel) { Form_Unload(cancel); };
}

void ReportWindow::Show() {
  Form_Load();
  form.ShowModal(&app.Main().form);
}

// Each load starts as designed: empty texts, buttons off, the in-progress picture.
void ReportWindow::ResetForLoad() {
  texts = ReportTexts{};
  for (tk::Timer* t : {TLoad, TUnload, TAlphaB, Descargador}) t->SetEnabled(false);
  BSave->SetEnabled(false);
  BClose->SetEnabled(false);
  Pic1->SetPicture(app.assets.Picture("Making"));
  // Empty until the first step: the label sizes itself to its text and nothing is laid out
  // after it, so only its place matters.
  LStatus->SetCaption("");
  reportStarted_ = false;
  reportDone_ = false;
  accepted_ = false;
}

void ReportWindow::UseSubstituteFonts() {
  tk::Font f = Desc1->GetFont();
  f.name = "Trebuchet MS";
  Desc1->SetFont(f);
  Desc2->SetFont(MakeFont("Tahoma", 8));
  f = LStatus->GetFont();
  f.name = "Tahoma";
  LStatus->SetFont(f);
  LStatus->SetTop(98);
  BSave->font = MakeFont("Tahoma", 8);
  BClose->font = MakeFont("Tahoma", 8);
}

void ReportWindow::Form_Load() {
  ResetForLoad();
  if (app.fontFlag != 32) UseSubstituteFonts();
  form.iconResource = app.Main().form.iconResource;
  Desc1->SetForeColor(kHeadingBlue);
  Desc1->SetCaption(app.text[7]);
  Desc2->SetCaption(app.text[181]);
  BSave->SetCaption(app.text[165]);
  BClose->SetCaption(app.text[158]);
  if (app.look.transOn) {
    shell::SetTransparency(form, 100);
    FadeLevel = 100;
    TLoad->SetEnabled(true);
    MayUnload = false;
  } else {
    Descargador->SetEnabled(true);
  }
}

void ReportWindow::TLoad_Timer() {
  FadeLevel -= kFadeStep;
  shell::SetTransparency(form, FadeLevel);
  if (FadeLevel <= app.look.transparency) {
    shell::SetTransparency(form, app.look.transparency);
    TLoad->SetEnabled(false);
    StartReport();
  }
}

void ReportWindow::Descargador_Timer() { StartReport(); }

void ReportWindow::StartReport() {
  Descargador->SetEnabled(false);
  // The report runs once per load, whichever timer asks.
  if (reportStarted_) return;
  reportStarted_ = true;
  ReportStart = app.system.TickCount();
  ReportRun run{app, texts, ReportStart, [this](const std::string& caption) {
                  LStatus->SetCaption(caption);
                  form.Refresh();
                }};
  BeginReport(run);
  reportDone_ = true;
  BSave->SetEnabled(true);
  BClose->SetEnabled(true);
  FadeAlpha = 0;
  TAlphaB->SetEnabled(true);
}

void ReportWindow::TAlphaB_Timer() {
  FadeAlpha += kPictureStep;
  const tk::PictureBox* made = app.Pictures().Get("Made");
  const bool drawable = made != nullptr && made->Assigned() != nullptr;
  if (FadeAlpha > 255) {
    if (drawable) Pic1->SetPicture(made->Assigned());
    TAlphaB->SetEnabled(false);
  } else if (drawable) {
    shell::BlendPicture(*Pic1, *made, static_cast<std::uint8_t>(FadeAlpha));
  }
}

void ReportWindow::BSave_Click() {
  std::string filter = app.text[176] + app.text[177] + app.text[178] + app.text[180];
  const std::string path =
      shell::SaveDialog(app, form, app.text[165], filter, app.text[159], SaveFilterIndex);
  if (path.empty() || SaveFilterIndex < 1 || SaveFilterIndex > 4) return;
  const Format format = static_cast<Format>(SaveFilterIndex);
  const platform::FileWriteResult saved =
      WriteReportFile(app.system, path, format, texts.Output(format).text + "\r\n");
  // The file at path is as it was; the user learns which file and why, in Windows' words.
  if (!saved.ok)
    app.system.ShowError(form.nativeHandle, form.Caption(), path + "\r\n" + saved.error);
}

// Accept's effects: the outputs are let go and the main window's live refresh runs again,
// even while this window still fades out.
// The buttons go grey at once: a Save during the fade-out would write an empty report over
// the chosen file.
void ReportWindow::AcceptEffects() {
  accepted_ = true;
  texts.ClearOutputs();
  BSave->SetEnabled(false);
  BClose->SetEnabled(false);
  app.Main().Timer1->SetEnabled(true);
}

void ReportWindow::BClose_Click() {
  AcceptEffects();
  form.RequestClose();
}

void ReportWindow::Form_Unload(bool& cancel) {
  // While the report is being made, and while the fade-out runs, a close request waits.
  if (!reportDone_ || TUnload->Enabled()) {
    cancel = true;
    return;
  }
  // Closed by the title bar once the report is done: the same as Accept.
  if (!accepted_) AcceptEffects();
  if (app.look.transOn && !MayUnload) {
    cancel = true;
    FadeLevel = app.look.transparency;
    TUnload->SetEnabled(true);
  }
}

void ReportWindow::TUnload_Timer() {
  FadeLevel += kFadeStep;
  shell::SetTransparency(form, FadeLevel);
  if (FadeLevel >= 100) {
    TUnload->SetEnabled(false);
    MayUnload = true;
    form.RequestClose();
  }
}

void ShowReportWindow(shell::App& app) {
  if (!app.reportWindow) app.reportWindow = std::make_shared<ReportWindow>(app);
  // Kept alive here until the modal show returns, whatever the handlers do meanwhile.
  const std::shared_ptr<ReportWindow> window = app.reportWindow;
  window->Show();
  app.reportWindow.reset();
}

}  // namespace hv::report

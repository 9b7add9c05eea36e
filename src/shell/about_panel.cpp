// The About panel and the two web links: the maker's site from the Options menu and the
// translator's site from the panel's credit line.
#include "report/report_texts.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::shell {

namespace {

constexpr std::uint8_t kAboutPage = 91;
// The addresses are the same in every interface language: no text of the table holds them.
constexpr const char* kTranslatorWebSite = "https://harvala.example/translators/";
constexpr const char* kAuthorName = "Orvendal";
constexpr const char* kAuthorMail = "orvendal@harvala.example";
constexpr sections::CalendarDate kBuildDate{2012, 8, 6};
constexpr tk::Color kLinkInk = tk::Rgb(0, 80, 210);
constexpr tk::Color kInk = tk::Rgb(32, 32, 32);

void SetLinkLook(tk::Label& link, tk::Color ink, bool underline) {
  tk::Font font = link.GetFont();
  font.underline = underline;
  link.SetFont(font);
  link.SetForeColor(ink);
}

}  // namespace

void MainWindow::Informacion_Click() {
  if (PanelOpen) return;  // one panel at a time: the page to return to must be a section
  Timer1->SetEnabled(false);
  PanelOpen = true;
  PreviousSection = CurrentSection;
  CurrentSection = kAboutPage;
  LockMenu();
  ClearPage();
  Titulo->SetCaption(app.text[8]);
  const std::string date = app.system.ShortDate(kBuildDate).value_or("");
  PlaceAfter(LTInfo1, LInfo1, app.text[107] + " ",
             std::string(report::kVersion) + " (" + date + ")");
  PlaceAfter(LTInfo2, LInfo2, app.text[183] + " ", kAuthorName);
  PlaceAfter(LTInfo3, LInfo3, app.text[184] + " ", kAuthorMail);
  LTra->SetCaption(app.text[185]);
  // The credit names the Dutch translator and the Dutch language in Dutch, whatever the
  // interface language; the interface language is loaded again at once.
  lang::LoadDutch(app.text);
  LTra1->SetCaption(" - " + app.text[3] + ": " + app.text[1] + " - ");
  app.LoadCurrentLanguage();
  LTra2->SetLeft(LTra1->Left() + LTra1->Width());
  LTra2->SetCaption(app.text[186]);
  BAceptar->SetCaption(app.text[158]);
  BAceptar->SetVisible(true);
  PicInformacion->SetVisible(true);
  InnerIndex = 0;
  TAlphaB->SetEnabled(true);
}

// The caption sizes itself first; its value starts at the caption's right edge.
void MainWindow::PlaceAfter(tk::Label* caption, tk::Label* value, const std::string& captionText,
                            const std::string& valueText) {
  caption->SetCaption(captionText);
  value->SetLeft(caption->Left() + caption->Width());
  value->SetCaption(valueText);
}

void MainWindow::LTra2_MouseDown(int button, int, int, int) {
  if (button == 1) app.system.OpenUrl(form.nativeHandle, kTranslatorWebSite);
}

void MainWindow::LTra2_MouseMove(int, int, int, int) { SetLinkLook(*LTra2, kLinkInk, true); }

void MainWindow::PicInformacion_MouseMove(int, int, int, int) { SetLinkLook(*LTra2, kInk, false); }

void MainWindow::LTra1_MouseMove(int button, int shift, int x, int y) {
  PicInformacion_MouseMove(button, shift, x, y);
}

void MainWindow::VisitWeb_Click() { app.system.OpenUrl(form.nativeHandle, report::kMakerWebSite); }

}  // namespace hv::shell

#include <gtest/gtest.h>

#include <string>

#include "shell/picture_holder.h"
#include "support/app_fixture.h"

namespace hv::shell {
namespace {

using test::AppFixture;

constexpr const char* kTranslatorSite = "https://harvala.example/translators/";
constexpr const char* kMakerSite = "https://harvala.example/";

MainWindow& StartIn(AppFixture& f, const char* language) {
  f.shell.SetString(AppFixture::Setting("Language"), language);
  f.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
  MainWindow& w = f.Start();
  w.form.nativeHandle = 0x1234;
  return w;
}

TEST(AboutPanel, OpeningReplacesThePageAndLocksTheMenu) {
  AppFixture f;
  MainWindow& w = StartIn(f, "English");
  w.LMenu_MouseDown(6, 1, 0, 0, 0);
  w.Timer1->SetEnabled(true);
  f.shell.ClearWrites();
  w.MenuOps->Item("Informacion").onClick();
  EXPECT_TRUE(w.PanelOpen);
  EXPECT_EQ(w.CurrentSection, 91);
  EXPECT_EQ(w.PreviousSection, 6);
  EXPECT_FALSE(w.Timer1->Enabled());
  EXPECT_TRUE(w.PicInformacion->Visible());
  EXPECT_TRUE(w.BAceptar->Visible());
  EXPECT_EQ(w.BAceptar->Caption(), "Accept");
  EXPECT_EQ(w.Titulo->Caption(), "About...");
  EXPECT_EQ(w.LT[1]->Caption(), "");
  EXPECT_EQ(w.LInfo2->Caption(), "Orvendal");
  EXPECT_EQ(w.LInfo3->Caption(), "orvendal@harvala.example");
  EXPECT_EQ(w.LTra->Caption(), "Translators");
  // Each value starts at its caption's right edge, measured after the caption was set.
  for (auto [caption, value] : {std::pair{w.LTInfo1, w.LInfo1}, std::pair{w.LTInfo2, w.LInfo2},
                                std::pair{w.LTInfo3, w.LInfo3}, std::pair{w.LTra1, w.LTra2}}) {
    EXPECT_GT(caption->Width(), 0) << caption->Name();
    EXPECT_EQ(value->Left(), caption->Left() + caption->Width()) << value->Name();
    EXPECT_EQ(value->Top(), caption->Top()) << value->Name();
  }
  w.LOpc_MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(f.backend.Popups().empty());
  // The page icon fades to the About icon.
  for (int i = 0; i < 40 && w.TAlphaB->Enabled(); ++i) f.backend.Tick(*w.TAlphaB);
  EXPECT_EQ(w.Ico->Assigned(), f.App().Pictures().Get("IAC")->Assigned());
  EXPECT_TRUE(f.shell.Writes().empty());
}

TEST(AboutPanel, TheVersionLineFollowsTheShortDateFormat) {
  const std::pair<const char*, const char*> cases[] = {{"dd/MM/yyyy", "2.5 (06/08/2012)"},
                                                       {"M/d/yyyy", "2.5 (8/6/2012)"},
                                                       {"yyyy-MM-dd", "2.5 (2012-08-06)"},
                                                       {"d.M.yy", "2.5 (6.8.12)"}};
  for (auto [format, line] : cases) {
    AppFixture f;
    f.system.shortDateFormat = format;
    MainWindow& w = StartIn(f, "English");
    w.Informacion_Click();
    EXPECT_EQ(w.LInfo1->Caption(), line) << format;
  }
}

TEST(AboutPanel, TheCreditIsDutchInEveryLanguageAndTheRestStaysInTheInterfaceLanguage) {
  struct Case {
    const char* language;
    const char* version;
    const char* link;
    const char* menuEntry;
  };
  const Case cases[] = {{"English", "Version: ", "Website", "Summary"},
                        {"Spanish", "Versión: ", "Sitio web", "Resumen"},
                        {"Dutch", "Versie: ", "Website", "Overzicht"}};
  for (const Case& c : cases) {
    AppFixture f;
    MainWindow& w = StartIn(f, c.language);
    const lang::TextTable before = f.App().text;
    w.Informacion_Click();
    EXPECT_EQ(w.LTra1->Caption(), " - Kestrup: Nederlands (Nederland) - ") << c.language;
    EXPECT_EQ(w.LTInfo1->Caption(), c.version);
    EXPECT_EQ(w.LTra2->Caption(), c.link);
    EXPECT_EQ(w.LMenu[1]->Caption(), c.menuEntry);
    for (int i = 1; i <= 186; ++i) ASSERT_EQ(f.App().text[i], before[i]) << c.language << i;
  }
}

TEST(AboutPanel, OnlyALeftPressOnTheLinkOpensTheTranslatorsSite) {
  AppFixture f;
  MainWindow& w = StartIn(f, "Spanish");
  w.Informacion_Click();
  for (int button : {2, 4}) w.LTra2_MouseDown(button, 0, 1, 1);
  EXPECT_TRUE(f.system.openedUrls.empty());
  // Through the form, as a press on the link arrives.
  const tk::Rect link = w.LTra2->ClientBounds();
  w.form.MouseDown(1, 0, link.left + 2, link.top + 2);
  w.form.MouseUp(1, 0, link.left + 2, link.top + 2);
  ASSERT_EQ(f.system.openedUrls.size(), 1u);
  EXPECT_EQ(f.system.openedUrls[0].first, 0x1234u);
  EXPECT_EQ(f.system.openedUrls[0].second, kTranslatorSite);
  EXPECT_EQ(w.CurrentSection, 91);
}

TEST(AboutPanel, TheLinkLightsUpUnderThePointerUntilThePointerReachesTheBackgroundOrCredit) {
  AppFixture f;
  MainWindow& w = StartIn(f, "English");
  w.Informacion_Click();
  auto moveOver = [&](const tk::Control& c) {
    const tk::Rect r = c.ClientBounds();
    w.form.MouseMove(0, 0, r.left + 1, r.top + 1);
  };
  auto lit = [&] {
    return w.LTra2->ForeColor() == tk::Rgb(0, 80, 210) && w.LTra2->GetFont().underline;
  };
  auto plain = [&] {
    return w.LTra2->ForeColor() == tk::Rgb(32, 32, 32) && !w.LTra2->GetFont().underline;
  };
  EXPECT_TRUE(plain());
  moveOver(*w.LTra2);
  EXPECT_TRUE(lit());
  moveOver(*w.LInfo1);  // another label keeps the hover look
  EXPECT_TRUE(lit());
  moveOver(*w.LTra1);
  EXPECT_TRUE(plain());
  moveOver(*w.LTra2);
  w.form.MouseMove(0, 0, w.PicInformacion->ClientBounds().left + 320, 250 + 139);
  EXPECT_TRUE(plain());
}

TEST(AboutPanel, VisitTheWebsiteOpensTheMakersSiteInEveryLanguage) {
  for (const char* language : {"English", "Spanish", "Dutch"}) {
    AppFixture f;
    MainWindow& w = StartIn(f, language);
    w.MenuOps->Item("VisitWeb").onClick();
    ASSERT_EQ(f.system.openedUrls.size(), 1u) << language;
    EXPECT_EQ(f.system.openedUrls[0].second, kMakerSite) << language;
    EXPECT_EQ(w.CurrentSection, 1);
  }
}

TEST(AboutPanel, AcceptWritesNothingAndBringsBackThePreviousSection) {
  AppFixture f;
  MainWindow& w = StartIn(f, "English");
  w.LMenu_MouseDown(4, 1, 0, 0, 0);
  w.Informacion_Click();
  f.shell.ClearWrites();
  w.BAceptar->onClick();
  EXPECT_TRUE(f.shell.Writes().empty());
  EXPECT_FALSE(w.PanelOpen);
  EXPECT_FALSE(w.PicInformacion->Visible());
  EXPECT_FALSE(w.BAceptar->Visible());
  EXPECT_TRUE(w.LineInf->Visible());
  EXPECT_EQ(w.CurrentSection, 4);
  EXPECT_EQ(w.Titulo->Caption(), "Operating system");
  EXPECT_EQ(w.Labelmi->Caption(), "Done");
  // The labels keep their texts while hidden; the menu works again.
  EXPECT_EQ(w.LInfo2->Caption(), "Orvendal");
  w.LMenu_MouseDown(2, 1, 0, 0, 0);
  EXPECT_EQ(w.CurrentSection, 2);
  // The customise panel cannot open over the About panel either.
  w.Informacion_Click();
  w.Personalizar_Click();
  EXPECT_EQ(w.CurrentSection, 91);
  EXPECT_FALSE(w.PicPersonalizar->Visible());
}

}  // namespace
}  // namespace hv::shell

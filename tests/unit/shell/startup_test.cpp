#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/skin.h"
#include "support/app_fixture.h"

namespace hv::shell {
namespace {

using test::AppFixture;
using test::RegValue;

std::vector<std::string> WrittenNames(const AppFixture& f) {
  std::vector<std::string> names;
  for (const auto& w : f.shell.Writes()) names.push_back(w.path.substr(w.path.rfind('\\') + 1));
  return names;
}

// Ticks a fade timer until it stops (bounded), returning the number of ticks.
int RunFade(AppFixture& f, tk::Timer& timer) {
  int ticks = 0;
  while (timer.Enabled() && ticks < 100 && !f.backend.Ended()) {
    f.backend.Tick(timer);
    ++ticks;
  }
  return ticks;
}

TEST(StartUp, FirstRunWritesTheFiveDefaultsInOrderAndFadesInToOpaque) {
  AppFixture f;
  MainWindow& w = f.Start();
  EXPECT_EQ(WrittenNames(f), (std::vector<std::string>{"Language", "ColorValue", "ShineValue",
                                                       "ChkTrans", "Transparency"}));
  const auto& writes = f.shell.Writes();
  ASSERT_EQ(writes.size(), 5u);
  EXPECT_EQ(writes[0].type, "REG_SZ");
  for (std::size_t i = 1; i < 5; ++i) EXPECT_EQ(writes[i].type, "REG_DWORD");
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("Language")), RegValue::Sz("English"));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ColorValue")), RegValue::Dword(16750080));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ShineValue")), RegValue::Dword(48));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ChkTrans")), RegValue::Dword(1));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("Transparency")), RegValue::Dword(0));
  EXPECT_FALSE(f.shell.Get(AppFixture::Setting("SCV")));

  // Invisible before it is shown, then 12 steps to opaque.
  const auto& record = f.backend.Record(w.form);
  ASSERT_FALSE(record.alphas.empty());
  EXPECT_EQ(record.alphas.front(), 0);
  EXPECT_EQ(RunFade(f, *w.TLoad), 12);
  EXPECT_EQ(record.alphas.back(), 255);
  EXPECT_EQ(f.App().look.shine, 24);
  EXPECT_EQ(w.form.Caption(), "Brenlow Harvala");
  EXPECT_EQ(w.form.ClientWidth(), 777);
  EXPECT_EQ(w.form.ClientHeight(), 553);
}

TEST(StartUp, ValidSettingsAreKeptAndNotRewritten) {
  AppFixture f;
  f.shell.SetString(AppFixture::Setting("Language"), "  Dutch ");
  f.shell.SetDword(AppFixture::Setting("ColorValue"), 255);
  f.shell.SetDword(AppFixture::Setting("ShineValue"), 3);
  f.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
  f.shell.SetString(AppFixture::Setting("Transparency"), "30");
  MainWindow& w = f.Start();
  EXPECT_TRUE(f.shell.Writes().empty());
  const Appearance& look = f.App().look;
  EXPECT_EQ(look.languageName, "Dutch");
  EXPECT_EQ(look.skinColor, 255);
  EXPECT_EQ(look.shine, 2);
  EXPECT_FALSE(look.transOn);
  EXPECT_EQ(look.transparency, 30);
  EXPECT_EQ(w.LMenu[1]->Caption(), "Overzicht");
  EXPECT_EQ(w.LOpc->Caption(), "Opties");
  // Transparency off: never layered, no fade.
  EXPECT_FALSE(f.backend.Record(w.form).layered);
  EXPECT_FALSE(w.TLoad->Enabled());
}

TEST(StartUp, InvalidSettingsAreReplacedOneByOne) {
  AppFixture f;
  f.shell.SetString(AppFixture::Setting("Language"), "dutch");
  f.shell.SetDword(AppFixture::Setting("ColorValue"), 254);
  f.shell.SetDword(AppFixture::Setting("ShineValue"), 49);
  f.shell.SetDword(AppFixture::Setting("ChkTrans"), 2);
  f.shell.Set(AppFixture::Setting("Transparency"), RegValue::Binary({1, 2, 3}));
  f.Start();
  EXPECT_EQ(WrittenNames(f), (std::vector<std::string>{"Language", "ColorValue", "ShineValue",
                                                       "ChkTrans", "Transparency"}));
  EXPECT_EQ(f.App().look.languageName, "English");
  EXPECT_TRUE(f.App().look.transOn);
}

TEST(StartUp, WithoutShellObjectEverySettingTakesItsDefaultAndFontsAreSubstituted) {
  AppFixture f;
  f.withShell = false;
  MainWindow& w = f.Start();
  EXPECT_EQ(f.App().fontFlag, 0);
  EXPECT_EQ(f.App().look.skinColor, 16750080);
  EXPECT_EQ(w.Titulo->GetFont().name, "Arial");
  EXPECT_EQ(w.Titulo->GetFont().size, 20);
  EXPECT_TRUE(w.Titulo->GetFont().italic);
  EXPECT_EQ(w.Titulo->Top(), 58);
  EXPECT_EQ(w.LT[7]->GetFont().name, "Arial");
  EXPECT_TRUE(w.LT[7]->GetFont().bold);
  EXPECT_EQ(w.LNoDrive->GetFont().name, "Arial");
}

TEST(StartUp, FontCheckWantsBothFilesWithTheArchiveAttributeAlone) {
  struct Case {
    std::uint32_t regular, light;
    bool missingLight;
    int flag;
  };
  const Case cases[] = {
      {32, 32, false, 32}, {33, 32, false, 0}, {32, 1, false, 0}, {32, 32, true, 0}};
  for (const Case& c : cases) {
    AppFixture f;
    f.system.fileAttributes["C:\\Windows\\Fonts\\segoeui.ttf"] = c.regular;
    if (c.missingLight)
      f.system.fileAttributes.erase("C:\\Windows\\Fonts\\segoeuil.ttf");
    else
      f.system.fileAttributes["C:\\Windows\\Fonts\\segoeuil.ttf"] = c.light;
    MainWindow& w = f.Start();
    EXPECT_EQ(f.App().fontFlag, c.flag);
    EXPECT_EQ(w.Titulo->GetFont().name, c.flag == 32 ? "Segoe UI Light" : "Arial");
  }
}

TEST(StartUp, FadeInStopsAtTheUsersLevel) {
  struct Case {
    std::uint32_t level;
    int ticks;
    std::vector<std::uint8_t> tail;  // the last alphas set
  };
  const Case cases[] = {{30, 8, {(100 - 28) * 255 / 100, 178}}, {80, 3, {68, 51}}};
  for (const Case& c : cases) {
    AppFixture f;
    f.shell.SetDword(AppFixture::Setting("Transparency"), c.level);
    MainWindow& w = f.Start();
    EXPECT_EQ(RunFade(f, *w.TLoad), c.ticks);
    const auto& alphas = f.backend.Record(w.form).alphas;
    ASSERT_GE(alphas.size(), c.tail.size());
    EXPECT_EQ(std::vector<std::uint8_t>(alphas.end() - c.tail.size(), alphas.end()), c.tail);
  }
}

TEST(Ending, ExitFadesOutFromTheUsersLevelThenEnds) {
  AppFixture f;
  f.shell.SetDword(AppFixture::Setting("Transparency"), 80);
  MainWindow& w = f.Start();
  RunFade(f, *w.TLoad);
  w.Quit_Click();
  EXPECT_TRUE(w.form.Loaded());
  EXPECT_FALSE(f.backend.Ended());
  // 89, 98, 107: the third step ends the program.
  EXPECT_EQ(RunFade(f, *w.TUnload), 3);
  EXPECT_TRUE(f.backend.Ended());
  const auto& alphas = f.backend.Record(w.form).alphas;
  EXPECT_EQ(std::vector<std::uint8_t>(alphas.end() - 3, alphas.end()),
            (std::vector<std::uint8_t>{28, 5, 0}));
}

TEST(Ending, WithoutTransparencyTheCloseEndsAtOnce) {
  AppFixture f;
  f.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
  MainWindow& w = f.Start();
  EXPECT_TRUE(w.form.RequestClose());
  EXPECT_TRUE(f.backend.Ended());
  EXPECT_FALSE(f.backend.Record(w.form).layered);
}

TEST(Ending, APageShownDuringTheFadesCannotStallThem) {
  AppFixture f;
  f.shell.SetDword(AppFixture::Setting("Transparency"), 30);
  MainWindow& w = f.Start();
  f.backend.Tick(*w.TLoad);
  w.LMenu_MouseDown(3, 1, 0, 0, 0);  // uses the shared scratch values
  EXPECT_EQ(RunFade(f, *w.TLoad), 7);
  EXPECT_EQ(f.backend.Record(w.form).alphas.back(), 178);
  w.Quit_Click();
  f.backend.Tick(*w.TUnload);
  w.LMenu_MouseDown(5, 1, 0, 0, 0);
  w.Quit_Click();  // a second close request restarts the fade-out from the user's level
  f.backend.Tick(*w.TUnload);
  EXPECT_EQ(f.backend.Record(w.form).alphas.back(), TransparencyAlpha(39));
  // 48, 57 ... 102: seven more steps.
  EXPECT_EQ(RunFade(f, *w.TUnload), 7);
  EXPECT_TRUE(f.backend.Ended());
}

TEST(Ending, ExitDuringTheFadeInStopsItAndFadesOutFromTheUsersLevel) {
  AppFixture f("");
  MainWindow& w = f.Start();
  f.backend.Tick(*w.TLoad);
  f.backend.Tick(*w.TLoad);
  w.form.RequestClose();  // the window's own close box
  EXPECT_FALSE(w.TLoad->Enabled());
  EXPECT_FALSE(f.backend.Ended());
  // From 0: 9, 18 ... 108.
  EXPECT_EQ(RunFade(f, *w.TUnload), 12);
  EXPECT_TRUE(f.backend.Ended());
  EXPECT_EQ(f.backend.Record(w.form).alphas.back(), 0);
}

TEST(StartUp, FailedReadsAndWritesFallBackToTheDefaults) {
  AppFixture f("");
  f.shell.SetString(AppFixture::Setting("Language"), "Spanish");
  f.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
  f.shell.SetDword(AppFixture::Setting("Transparency"), 50);
  f.shell.FailReadsOf(AppFixture::Setting("Language"));
  f.shell.FailAllWrites(true);
  MainWindow& w = f.Start();
  const Appearance& look = f.App().look;
  EXPECT_EQ(look.languageName, "English");
  EXPECT_EQ(w.LOpc->Caption(), "Options");
  EXPECT_FALSE(look.transOn);
  EXPECT_EQ(look.transparency, 50);
  // Each unreadable or missing value was written back once, and each write failed quietly.
  EXPECT_EQ(WrittenNames(f), (std::vector<std::string>{"Language", "ColorValue", "ShineValue"}));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("Language")), RegValue::Sz("Spanish"));
}

// Every fixed caption of the main window takes its own element; the customise panel's only
// while that panel is the page shown.
TEST(Captions, EachFixedCaptionTakesItsElement) {
  AppFixture f("");
  f.shell.SetString(AppFixture::Setting("Language"), "Spanish");
  MainWindow& w = f.Start();
  EXPECT_EQ(w.LTPers1->Caption(), "");
  EXPECT_EQ(w.CheckTrans->Caption(), "");
  w.CurrentSection = 90;
  w.PreviousSection = 7;
  w.TraduPrincipal();
  const lang::TextTable& t = f.App().text;
  struct Case {
    std::string caption;
    std::string text;
  };
  const Case cases[] = {
      {w.LTPers1->Caption(), t[2]},
      {w.LTPers2->Caption(), t[166]},
      {w.LPers1->Caption(), t[152]},
      {w.LPers2->Caption(), t[153]},
      {w.LTPers3->Caption(), t[154]},
      {w.CheckTrans->Caption(), " " + t[155]},
      {w.BAceptar->Caption(), t[158]},
      {w.LOpc->Caption(), t[5]},
      {w.MenuOps->Item("Personalizar").caption, t[6]},
      {w.MenuOps->Item("CrearInforme").caption, t[68]},
      {w.MenuOps->Item("Informacion").caption, t[8]},
      {w.MenuOps->Item("VisitWeb").caption, t[9]},
      {w.MenuOps->Item("Quit").caption, t[10]},
      {w.LMenu2->Caption(), t[17]},
      {w.MenuCopy->Item("Copy").caption, t[24]},
      {w.MenuCopy->Item("CopyAll").caption, t[25]},
  };
  for (const Case& c : cases) EXPECT_EQ(c.caption, c.text);
  for (int k = 1; k <= 13; ++k) EXPECT_EQ(w.LMenu[k]->Caption(), t[10 + k]) << k;
  EXPECT_EQ(w.MenuOps->Item("Quit").caption, "Salir");
}

}  // namespace
}  // namespace hv::shell

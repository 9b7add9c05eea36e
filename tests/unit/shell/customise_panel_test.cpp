#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/picture_holder.h"
#include "shell/skin.h"
#include "support/app_fixture.h"

namespace hv::shell {
namespace {

using platform::Variant;
using test::AppFixture;
using test::RegValue;

// Stored settings: English with transparency on at 20 %, shine 10 and
// the spectrum's arrow at column 140 (blue).
void Seed(test::MemoryShell& shell) {
  shell.SetString(AppFixture::Setting("Language"), "English");
  shell.SetDword(AppFixture::Setting("ColorValue"), 16750080);
  shell.SetDword(AppFixture::Setting("ShineValue"), 20);
  shell.SetDword(AppFixture::Setting("ChkTrans"), 1);
  shell.SetDword(AppFixture::Setting("Transparency"), 20);
  shell.SetDword(AppFixture::Setting("SCV"), 140);
}

class CustomisePanel : public ::testing::Test {
 protected:
  void SetUp() override { Seed(f.shell); }
  MainWindow& Open() {
    w = &f.Start();
    w->LMenu_MouseDown(3, 1, 0, 0, 0);
    f.shell.ClearWrites();
    w->MenuOps->Item("Personalizar").onClick();
    return *w;
  }
  std::vector<std::string> WrittenNames() const {
    std::vector<std::string> names;
    for (const auto& write : f.shell.Writes())
      names.push_back(write.path.substr(write.path.rfind('\\') + 1));
    return names;
  }
  // The strip as ApplyColor makes it from its grey picture with the current look.
  tk::Picture ExpectedStrip() {
    tk::PictureBox& probe = w->form.Add<tk::PictureBox>("Probe");
    probe.Move(0, 0, w->S[1]->Width(), w->S[1]->Height());
    probe.SetPicture(w->S[1]->Assigned());
    ApplyColor(probe, f.App().look);
    return probe.Image();
  }
  AppFixture f;
  MainWindow* w = nullptr;
};

TEST_F(CustomisePanel, OpeningFillsThePanelFromTheSettingsWithoutChangingThem) {
  Open();
  EXPECT_TRUE(w->PanelOpen);
  EXPECT_TRUE(w->PanelReady);
  EXPECT_EQ(w->CurrentSection, 90);
  EXPECT_EQ(w->PreviousSection, 3);
  EXPECT_FALSE(w->Timer1->Enabled());
  EXPECT_TRUE(w->PicPersonalizar->Visible());
  EXPECT_TRUE(w->BAceptar->Visible());
  EXPECT_FALSE(w->LineInf->Visible());
  EXPECT_EQ(w->Titulo->Caption(), "Customize");
  EXPECT_EQ(w->Scroll1->Value(), 140);
  EXPECT_EQ(w->Arrow->Left(), 17 - 4 + 140);
  EXPECT_EQ(w->Scroll2->Value(), 20);
  EXPECT_EQ(w->CheckTrans->Value(), 1);
  EXPECT_TRUE(w->Scroll3->Enabled());
  EXPECT_EQ(w->Scroll3->Value(), 20);
  EXPECT_EQ(w->LPers3->Caption(), "20 %");
  EXPECT_EQ(w->LPers3->ForeColor(), tk::Rgb(32, 32, 32));
  EXPECT_EQ(w->CheckTrans->Caption(), " Allow transparency");
  // The stored column shows blue, yet the colour stays the one stored.
  EXPECT_EQ(f.App().look.skinColor, 16750080);
  EXPECT_TRUE(f.shell.Writes().empty());
  // The menu does not react while the panel is open.
  w->LMenu_MouseDown(5, 1, 0, 0, 0);
  EXPECT_EQ(w->CurrentSection, 90);
}

TEST_F(CustomisePanel, TheLanguageListNamesEachLanguageInItselfAndSelectsTheSavedOne) {
  struct Case {
    const char* saved;
    int index;
    const char* title;
    const char* accept;
  };
  const Case cases[] = {{"English", 0, "Customize", "Accept"},
                        {"Spanish", 1, "Personalizar", "Aceptar"},
                        {"Dutch", 2, "Aanpassen", "OK"}};
  for (const Case& c : cases) {
    AppFixture fresh;
    fresh.shell.SetString(AppFixture::Setting("Language"), c.saved);
    fresh.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
    MainWindow& m = fresh.Start();
    m.Personalizar_Click();
    EXPECT_EQ(m.LangList->Items(),
              (std::vector<std::string>{"English (UK, Great Britain)", "Español (Argentina)",
                                        "Nederlands (Nederland)"}));
    EXPECT_EQ(m.LangList->ListIndex(), c.index) << c.saved;
    // The saved language's texts replace the Dutch ones loaded last while filling the list.
    EXPECT_EQ(m.Titulo->Caption(), c.title);
    EXPECT_EQ(m.BAceptar->Caption(), c.accept);
    EXPECT_EQ(fresh.App().look.languageName, c.saved);
  }
}

TEST_F(CustomisePanel, ChoosingALanguageRetitlesEverythingAtOnce) {
  Open();
  w->LangList->SetListIndex(2);
  EXPECT_EQ(f.App().look.languageName, "Dutch");
  EXPECT_EQ(w->Titulo->Caption(), "Aanpassen");
  EXPECT_EQ(w->LMenu[1]->Caption(), "Overzicht");
  EXPECT_EQ(w->MenuOps->Item("Informacion").caption, "Over...");
  EXPECT_EQ(w->LPers1->Caption(), "Kleur:");
  EXPECT_EQ(w->CheckTrans->Caption(), " Transparantie toestaan");
  EXPECT_EQ(w->LMenu2->Caption(), f.App().text[13]);  // the bar still names page 3
}

TEST_F(CustomisePanel, TheColourComesFromTheSpectrumColumnUnderTheArrow) {
  Open();
  struct Case {
    int column;
    std::int32_t colour;  // blue * 65536 + green * 256 + red
  };
  const Case cases[] = {{0, 255},        {35, 65535},     {70, 65280}, {105, 16776960},
                        {140, 16711680}, {175, 16711935}, {210, 255}};
  for (const Case& c : cases) {
    w->Scroll1->UserScroll(c.column, true);
    const Appearance& look = f.App().look;
    EXPECT_EQ(look.skinColor, c.colour) << "column " << c.column;
    EXPECT_EQ(w->Arrow->Left(), 13 + c.column);
    EXPECT_EQ(look.tintRed, c.colour & 255);
    EXPECT_EQ(w->Titulo->ForeColor(), tk::Rgb(look.colorRed, look.colorGreen, look.colorBlue));
    EXPECT_EQ(w->S[1]->Image(), ExpectedStrip()) << "column " << c.column;
  }
  // Columns across the spectrum read colours inside the range the colour setting accepts.
  for (int column = 0; column <= 210; column += 5) {
    w->Scroll1->SetValue(column);
    EXPECT_GE(f.App().look.skinColor, 255);
    EXPECT_LE(f.App().look.skinColor, 16776960);
  }
}

TEST_F(CustomisePanel, ShineIsHalfTheBarWithHalvesToEven) {
  Open();
  const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {3, 2}, {5, 2}, {7, 4}, {10, 5}, {48, 24}};
  for (auto [bar, shine] : cases) {
    w->Scroll2->UserScroll(bar, false);
    EXPECT_EQ(f.App().look.shine, shine) << "bar " << bar;
  }
  EXPECT_EQ(w->S[1]->Image(), ExpectedStrip());
}

TEST_F(CustomisePanel, TransparencyChangesApplyToTheWindowAtOnce) {
  Open();
  const auto& alphas = f.backend.Record(w->form).alphas;
  w->CheckTrans->SetValue(0);
  EXPECT_EQ(alphas.back(), 255);
  EXPECT_FALSE(f.App().look.transOn);
  EXPECT_FALSE(w->Scroll3->Enabled());
  EXPECT_EQ(w->LPers3->ForeColor(), tk::Rgb(96, 96, 96));
  w->CheckTrans->SetValue(1);
  EXPECT_EQ(alphas.back(), TransparencyAlpha(20));
  EXPECT_TRUE(w->Scroll3->Enabled());
  w->Scroll3->UserScroll(40, true);
  EXPECT_EQ(f.App().look.transparency, 40);
  EXPECT_EQ(w->LPers3->Caption(), "40 %");
  EXPECT_EQ(alphas.back(), 153);
  w->Scroll3->UserScroll(80, false);
  EXPECT_EQ(alphas.back(), TransparencyAlpha(80));
}

// Opened while the start-up fade-in still runs: what the panel sets is where the window ends,
// whatever ticks the fade-in had left.
TEST_F(CustomisePanel, TransparencyControlsStopTheStartUpFadeIn) {
  struct Case {
    bool untick;
    int level;
    std::uint8_t alpha;
  };
  const Case cases[] = {
      {true, 0, 255}, {false, 50, TransparencyAlpha(50)}, {false, 5, TransparencyAlpha(5)}};
  for (const Case& c : cases) {
    AppFixture fresh;
    Seed(fresh.shell);
    MainWindow& m = fresh.Start();
    fresh.backend.Tick(*m.TLoad);  // the fade-in is under way
    ASSERT_TRUE(m.TLoad->Enabled());
    m.MenuOps->Item("Personalizar").onClick();
    if (c.untick) {
      m.CheckTrans->SetValue(0);
    } else {
      m.Scroll3->UserScroll(c.level, true);
    }
    EXPECT_FALSE(m.TLoad->Enabled()) << c.level;
    for (int i = 0; i < 20 && m.TLoad->Enabled(); ++i) fresh.backend.Tick(*m.TLoad);
    EXPECT_EQ(fresh.backend.Record(m.form).alphas.back(), c.alpha) << c.level;
  }
}

TEST_F(CustomisePanel, InvalidStoredColumnsBecome122AndAreWrittenBack) {
  struct Case {
    const char* what;
    std::optional<RegValue> stored;
    int column;
    bool rewritten;
  };
  const Case cases[] = {{"missing", std::nullopt, 122, true},
                        {"text", RegValue::Sz("left"), 122, true},
                        {"too large", RegValue::Dword(211), 122, true},
                        {"negative", RegValue::Dword(0xFFFFFFFFu), 122, true},
                        {"first", RegValue::Dword(0), 0, false},
                        {"last", RegValue::Dword(210), 210, false},
                        {"numeric text", RegValue::Sz("57"), 57, false}};
  for (const Case& c : cases) {
    AppFixture fresh;
    fresh.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
    if (c.stored) fresh.shell.Set(AppFixture::Setting("SCV"), *c.stored);
    MainWindow& m = fresh.Start();
    fresh.shell.ClearWrites();
    m.Personalizar_Click();
    EXPECT_EQ(m.Scroll1->Value(), c.column) << c.what;
    EXPECT_EQ(m.Arrow->Left(), 13 + c.column) << c.what;
    EXPECT_EQ(fresh.shell.Writes().size(), c.rewritten ? 1u : 0u) << c.what;
    if (c.rewritten) {
      EXPECT_EQ(fresh.shell.Get(AppFixture::Setting("SCV")), RegValue::Dword(122)) << c.what;
    }
  }
}

TEST_F(CustomisePanel, AcceptWritesOnlyWhatChanged) {
  struct Case {
    const char* what;
    void (*change)(MainWindow&);
    std::vector<std::string> written;
  };
  const Case cases[] = {
      {"nothing", [](MainWindow&) {}, {}},
      {"colour away and back",
       [](MainWindow& m) {
         m.Scroll1->UserScroll(30, true);
         m.Scroll1->UserScroll(140, false);
       },
       {}},
      {"colour", [](MainWindow& m) { m.Scroll1->UserScroll(30, false); }, {"ColorValue", "SCV"}},
      {"shine", [](MainWindow& m) { m.Scroll2->UserScroll(10, false); }, {"ShineValue"}},
      {"shine to an odd value and back",
       [](MainWindow& m) {
         m.Scroll2->UserScroll(21, true);
         m.Scroll2->UserScroll(20, false);
       },
       {}},
      {"switch off", [](MainWindow& m) { m.CheckTrans->SetValue(0); }, {"ChkTrans"}},
      {"switch off and on",
       [](MainWindow& m) {
         m.CheckTrans->SetValue(0);
         m.CheckTrans->SetValue(1);
       },
       {}},
      {"level", [](MainWindow& m) { m.Scroll3->UserScroll(35, false); }, {"Transparency"}},
      {"language", [](MainWindow& m) { m.LangList->SetListIndex(1); }, {"Language"}},
      {"everything",
       [](MainWindow& m) {
         m.CheckTrans->SetValue(0);
         m.Scroll3->UserScroll(5, false);
         m.Scroll2->UserScroll(48, false);
         m.Scroll1->UserScroll(70, false);
         m.LangList->SetListIndex(2);
       },
       {"Language", "ColorValue", "SCV", "ShineValue", "ChkTrans", "Transparency"}},
  };
  for (const Case& c : cases) {
    AppFixture fresh;
    Seed(fresh.shell);
    fresh.shell.SetDword(AppFixture::Setting("ColorValue"), 16711680);  // column 140's blue
    MainWindow& m = fresh.Start();
    m.Personalizar_Click();
    fresh.shell.ClearWrites();
    c.change(m);
    m.BAceptar->onClick();
    std::vector<std::string> names;
    for (const auto& write : fresh.shell.Writes())
      names.push_back(write.path.substr(write.path.rfind('\\') + 1));
    EXPECT_EQ(names, c.written) << c.what;
  }
}

TEST_F(CustomisePanel, AcceptStoresTheNewValuesWithTheirTypes) {
  Open();
  w->Scroll1->UserScroll(70, false);
  w->Scroll2->UserScroll(7, false);
  w->CheckTrans->SetValue(0);
  w->Scroll3->UserScroll(33, false);
  w->LangList->SetListIndex(1);
  w->BAceptar_Click();
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("Language")), RegValue::Sz("Spanish"));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ColorValue")), RegValue::Dword(65280));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("SCV")), RegValue::Dword(70));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ShineValue")), RegValue::Dword(7));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ChkTrans")), RegValue::Dword(0));
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("Transparency")), RegValue::Dword(33));
  // The next start reads back what was applied (seven halves to the even four).
  AppFixture next;
  next.shell = f.shell;
  next.Start();
  EXPECT_EQ(next.App().look.skinColor, 65280);
  EXPECT_EQ(next.App().look.shine, 4);
  EXPECT_EQ(next.App().look.languageName, "Spanish");
}

TEST_F(CustomisePanel, AcceptBringsBackThePreviousSectionAndUnlocksTheMenu) {
  Open();
  f.shell.FailAllWrites(true);  // a failed write changes nothing of the closing
  w->Scroll1->UserScroll(0, false);
  w->BAceptar_Click();
  EXPECT_FALSE(w->PanelOpen);
  EXPECT_FALSE(w->PanelReady);
  EXPECT_FALSE(w->PicPersonalizar->Visible());
  EXPECT_FALSE(w->BAceptar->Visible());
  EXPECT_TRUE(w->LineInf->Visible());
  EXPECT_TRUE(w->LangList->Items().empty());
  EXPECT_EQ(w->CurrentSection, 3);
  EXPECT_EQ(w->Titulo->Caption(), "Computer");
  EXPECT_EQ(w->Labelmi->Caption(), "Done");
  EXPECT_EQ(w->LMenu[1]->ForeColor(), tk::Rgb(255, 255, 255));
  EXPECT_EQ(f.App().look.skinColor, 255);  // applied, though not saved
  // A second click queued behind the first finds no panel.
  w->LMenu_MouseDown(5, 1, 0, 0, 0);
  w->BAceptar_Click();
  EXPECT_EQ(w->CurrentSection, 5);
}

TEST_F(CustomisePanel, ThePageIconFadesToTheCustomiseIconAndBack) {
  Open();
  EXPECT_TRUE(w->TAlphaB->Enabled());
  EXPECT_EQ(w->InnerIndex, 0);
  for (int i = 0; i < 40 && w->TAlphaB->Enabled(); ++i) f.backend.Tick(*w->TAlphaB);
  EXPECT_EQ(w->Ico->Assigned(), f.App().Pictures().Get("IOpc")->Assigned());
  w->BAceptar_Click();
  for (int i = 0; i < 40 && w->TAlphaB->Enabled(); ++i) f.backend.Tick(*w->TAlphaB);
  EXPECT_EQ(w->Ico->Assigned(), f.App().Pictures().Get("Sec3")->Assigned());
}

TEST_F(CustomisePanel, OpeningStopsTheLiveRefreshAndItStaysOffWhileOpen) {
  w = &f.Start();
  w->Timer1->SetEnabled(true);
  w->Personalizar_Click();
  EXPECT_FALSE(w->Timer1->Enabled());
  // Another panel cannot open over this one: Accept must find a section to return to.
  w->Informacion_Click();
  EXPECT_EQ(w->CurrentSection, 90);
  EXPECT_EQ(w->PreviousSection, 1);
  EXPECT_FALSE(w->PicInformacion->Visible());
}

TEST_F(CustomisePanel, TheLiveRefreshStaysOffWhileEitherPanelIsOpenAndItsPageRestartsIt) {
  w = &f.Start();
  for (const char* item : {"Personalizar", "Informacion"}) {
    w->LMenu_MouseDown(2, 1, 0, 0, 0);  // a page with live values
    ASSERT_TRUE(w->Timer1->Enabled());
    w->MenuOps->Item(item).onClick();
    EXPECT_FALSE(w->Timer1->Enabled());
    const std::string captionBefore = w->L[1]->Caption();
    f.backend.AdvanceMs(3000);
    EXPECT_FALSE(w->Timer1->Enabled());
    EXPECT_EQ(w->L[1]->Caption(), captionBefore);  // the panel's page stays as it is
    w->BAceptar_Click();
    EXPECT_EQ(w->CurrentSection, 2);
    EXPECT_TRUE(w->Timer1->Enabled());
  }
}

// The colour and shine handlers yield to the event loop before recolouring. A scroll that
// arrives during the yield must not leave the skin with an older colour than the title.
TEST_F(CustomisePanel, ScrollsDuringTheYieldEndWithTheNewestColourAndShine) {
  Open();
  int hookRuns = 0;
  f.backend.doEventsHook = [&] {
    if (++hookRuns > 1) return;
    w->Scroll1->UserScroll(175, true);
    w->Scroll2->UserScroll(0, true);
  };
  const int yieldsBefore = f.backend.DoEventsCount();
  w->Scroll1->UserScroll(35, true);
  EXPECT_EQ(f.backend.DoEventsCount() - yieldsBefore, 1);  // the nested runs did not yield
  EXPECT_EQ(f.App().look.skinColor, 16711935);
  EXPECT_EQ(f.App().look.shine, 0);
  EXPECT_EQ(w->Arrow->Left(), 13 + 175);
  EXPECT_EQ(w->S[1]->Image(), ExpectedStrip());
  // Handlers run normally again afterwards.
  f.backend.doEventsHook = nullptr;
  w->Scroll1->UserScroll(0, false);
  EXPECT_EQ(f.backend.DoEventsCount() - yieldsBefore, 2);
  EXPECT_EQ(w->S[1]->Image(), ExpectedStrip());
}

TEST_F(CustomisePanel, AcceptDuringTheYieldSavesTheNewColourAndTheSkinShowsIt) {
  Open();
  f.backend.doEventsHook = [&] { w->BAceptar_Click(); };
  w->Scroll1->UserScroll(70, true);
  EXPECT_FALSE(w->PanelOpen);
  EXPECT_EQ(w->CurrentSection, 3);
  EXPECT_EQ(f.shell.Get(AppFixture::Setting("ColorValue")), RegValue::Dword(65280));
  EXPECT_EQ(w->S[1]->Image(), ExpectedStrip());
  // The bar no longer reacts once the panel has closed.
  f.backend.doEventsHook = nullptr;
  w->Scroll1->UserScroll(0, true);
  EXPECT_EQ(f.App().look.skinColor, 65280);
}

TEST_F(CustomisePanel, AProgramEndedDuringTheYieldIsNotRecoloured) {
  Open();
  const tk::Picture before = w->S[1]->Image();
  f.backend.doEventsHook = [&] { f.backend.EndProgram(); };
  w->Scroll1->UserScroll(70, true);
  EXPECT_EQ(w->S[1]->Image(), before);
}

}  // namespace
}  // namespace hv::shell

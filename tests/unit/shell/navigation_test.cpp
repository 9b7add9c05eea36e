#include <gtest/gtest.h>

#include "shell/picture_holder.h"
#include "support/app_fixture.h"

namespace hv::shell {
namespace {

using test::AppFixture;

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    f.shell.SetDword(AppFixture::Setting("ChkTrans"), 0);
    w = &f.Start();
  }
  AppFixture f;
  MainWindow* w = nullptr;
};

TEST_F(Navigation, StartUpShowsTheSummaryWithTheBarOnItsEntry) {
  EXPECT_EQ(w->CurrentSection, 1);
  EXPECT_EQ(w->BM->Top(), 49);
  EXPECT_TRUE(w->BM->Visible());
  EXPECT_EQ(w->LMenu2->Caption(), "Summary");
  EXPECT_EQ(w->Labelmi->Caption(), "Done");
  EXPECT_TRUE(w->TAlphaB->Enabled());
}

TEST_F(Navigation, StripPressSelectsTheBandAtAnyX) {
  struct Case {
    int y;
    int entry;  // 0: nothing happens
  };
  const Case cases[] = {{48, 0},   {49, 1},   {83, 1},  {84, 2}, {468, 12},
                        {469, 13}, {503, 13}, {504, 0}, {0, 0},  {552, 0}};
  for (const Case& c : cases) {
    for (int x : {0, 150, 169}) {
      w->LMenu_MouseDown(7, 1, 0, 0, 0);
      w->S_MouseDown(1, 1, 0, x, c.y);
      const int expected = c.entry ? c.entry : 7;
      EXPECT_EQ(w->CurrentSection, expected) << "y=" << c.y << " x=" << x;
      EXPECT_EQ(w->BM->Top(), 49 + 35 * (expected - 1));
    }
  }
}

TEST_F(Navigation, TheBarCoversItsEntrysLabelExactly) {
  for (int k = 1; k <= 13; ++k) {
    w->LMenu_MouseDown(k, 1, 0, 0, 0);
    EXPECT_EQ(w->LMenu2->Caption(), w->LMenu[k]->Caption()) << k;
    const tk::Rect bar = w->LMenu2->ClientBounds(), own = w->LMenu[k]->ClientBounds();
    EXPECT_EQ(bar.left, own.left) << k;
    EXPECT_EQ(bar.top, own.top) << k;
    EXPECT_EQ(bar.width, own.width) << k;
    EXPECT_EQ(own.height, 16) << k;
    // The bar, not the label, is what a press there reaches.
    EXPECT_EQ(w->form.ControlAt(own.left + 1, own.top + 1), w->LMenu2) << k;
  }
}

TEST_F(Navigation, AnEntryOutsideTheMenuHidesTheBarAndStillFinishes) {
  for (int entry : {0, 14, 90, -1, 1000}) {
    w->LMenu_MouseDown(3, 1, 0, 0, 0);
    w->TAlphaB->SetEnabled(false);
    w->Labelmi->SetCaption("");
    w->LMenu_MouseDown(entry, 1, 0, 0, 0);
    EXPECT_FALSE(w->BM->Visible()) << entry;
    EXPECT_EQ(w->CurrentSection, 3) << entry;
    EXPECT_EQ(w->Labelmi->Caption(), "Done") << entry;
    EXPECT_EQ(f.backend.AppCursor(), tk::CursorKind::Default) << entry;
    EXPECT_TRUE(w->TAlphaB->Enabled()) << entry;
    EXPECT_EQ(w->InnerIndex, 0) << entry;
  }
}

TEST_F(Navigation, RightAndMiddlePressesAndOpenPanelsDoNothing) {
  const std::size_t cursorsBefore = f.backend.AppCursors().size();
  for (int button : {2, 4}) {
    w->LMenu_MouseDown(5, button, 0, 0, 0);
    w->S_MouseDown(1, button, 0, 150, 200);
  }
  EXPECT_EQ(w->CurrentSection, 1);
  EXPECT_EQ(f.backend.AppCursors().size(), cursorsBefore);  // no wait cursor either
  w->PanelOpen = true;
  w->LMenu_MouseDown(5, 1, 0, 0, 0);
  EXPECT_EQ(w->CurrentSection, 1);
  w->LOpc_MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(f.backend.Popups().empty());
}

TEST_F(Navigation, AShownPageSetsTheWaitCursorThenGivesTheControlsTheirOwn) {
  const std::size_t before = f.backend.AppCursors().size();
  w->LMenu_MouseDown(2, 1, 0, 0, 0);
  const auto& cursors = f.backend.AppCursors();
  ASSERT_EQ(cursors.size(), before + 2);
  EXPECT_EQ(cursors[before], tk::CursorKind::Wait);
  EXPECT_EQ(cursors[before + 1], tk::CursorKind::Default);
  EXPECT_GT(f.backend.Record(w->form).repaints, 0);
}

TEST_F(Navigation, PressesReachTheRightControlThroughTheForm) {
  // A press right of the entry labels falls on the strip itself.
  w->form.MouseDown(1, 0, 160, 49 + 35 * 4 + 3);
  w->form.MouseUp(1, 0, 160, 49 + 35 * 4 + 3);
  EXPECT_EQ(w->CurrentSection, 5);
  // A press on an entry's label.
  w->form.MouseDown(1, 0, w->LMenu[9]->Left() + 2, w->LMenu[9]->Top() + 2);
  w->form.MouseUp(1, 0, w->LMenu[9]->Left() + 2, w->LMenu[9]->Top() + 2);
  EXPECT_EQ(w->CurrentSection, 9);
}

TEST_F(Navigation, ReloadFromTheBarKeepsTheSectionAndSkipsGettingInformation) {
  w->LMenu_MouseDown(4, 1, 0, 0, 0);
  w->BM->onClick();
  EXPECT_EQ(w->CurrentSection, 4);
  EXPECT_EQ(w->BM->Top(), 49 + 35 * 3);
  EXPECT_EQ(w->Labelmi->Caption(), "Done");
  w->LMenu2->onClick();
  EXPECT_EQ(w->CurrentSection, 4);
}

TEST_F(Navigation, TheStripsCursorFollowsThePointer) {
  struct Case {
    int x, y;
    bool panel;
    tk::CursorKind cursor;
  };
  const Case cases[] = {
      {10, 10, false, tk::CursorKind::Custom},  {134, 30, false, tk::CursorKind::Custom},
      {135, 10, false, tk::CursorKind::Arrow},  {10, 40, false, tk::CursorKind::Arrow},
      {100, 49, false, tk::CursorKind::Custom}, {100, 504, false, tk::CursorKind::Arrow},
      {100, 200, true, tk::CursorKind::Arrow}};
  for (const Case& c : cases) {
    w->PanelOpen = c.panel;
    w->S_MouseMove(1, 0, 0, c.x, c.y);
    EXPECT_EQ(w->S[1]->Cursor(), c.cursor) << c.x << "," << c.y;
  }
}

TEST_F(Navigation, TheOptionsMenuOpensOnTheLeftReleaseWithExitAsDefault) {
  w->LOpc_MouseUp(2, 0, 0, 0);
  EXPECT_TRUE(f.backend.Popups().empty());
  w->S_MouseUp(1, 1, 0, 135, 10);  // outside the corner
  EXPECT_TRUE(f.backend.Popups().empty());
  w->S_MouseUp(1, 1, 0, 100, 20);
  ASSERT_EQ(f.backend.Popups().size(), 1u);
  const auto& popup = f.backend.Popups()[0];
  EXPECT_EQ(popup.menu, "MenuOps");
  EXPECT_EQ(popup.x, 25);
  EXPECT_EQ(popup.y, 14);
  EXPECT_EQ(popup.defaultItem, 6);
  EXPECT_EQ(w->MenuOps->items[6].caption, "Exit");
  EXPECT_TRUE(w->MenuOps->items[2].separator);
  EXPECT_TRUE(w->MenuOps->items[5].separator);
  // Choosing Exit closes the window.
  f.backend.QueuePopupAnswer(6);
  w->MenuLogo->onMouseUp(1, 0, 3, 3);
  EXPECT_TRUE(f.backend.Ended());
}

TEST_F(Navigation, MakeAReportStopsTheLiveRefresh) {
  w->Timer1->SetEnabled(true);
  w->CrearInforme_Click();
  EXPECT_FALSE(w->Timer1->Enabled());
}

TEST_F(Navigation, ClearPageAndTheMenuLocks) {
  w->LT[3]->SetToolTipText("tip");
  w->ClearPage();
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(w->LT[i]->Caption(), "");
    EXPECT_EQ(w->L[i]->Caption(), "");
    EXPECT_EQ(w->LT[i]->ToolTipText(), "");
  }
  EXPECT_EQ(w->Labelmi->Caption(), "");
  EXPECT_FALSE(w->LineInf->Visible());
  EXPECT_EQ(w->Titulo->Caption(), "Summary");
}

TEST_F(Navigation, LockingGreysTheMenuAndUnlockingRestoresIt) {
  struct Look {
    bool locked;
    tk::Color options, entries;
    tk::CursorKind cursor;
  };
  const Look looks[] = {
      {true, tk::Rgb(215, 215, 215), tk::Rgb(215, 215, 215), tk::CursorKind::Arrow},
      {false, tk::Rgb(250, 250, 250), tk::Rgb(255, 255, 255), tk::CursorKind::Custom}};
  for (const Look& look : looks) {
    if (look.locked) {
      w->LockMenu();
    } else {
      w->UnlockMenu();
    }
    EXPECT_EQ(w->LOpc->ForeColor(), look.options);
    EXPECT_EQ(w->LMenu2->ForeColor(), look.entries);
    for (int k = 1; k <= 13; ++k) {
      EXPECT_EQ(w->LMenu[k]->ForeColor(), look.entries) << k;
      EXPECT_EQ(w->LMenu[k]->Cursor(), look.cursor) << k;
    }
    for (const tk::Control* c :
         std::initializer_list<const tk::Control*>{w->LOpc, w->MenuLogo, w->BM, w->LMenu2})
      EXPECT_EQ(c->Cursor(), look.cursor) << c->Name();
  }
}

TEST_F(Navigation, CaptionsFollowTheLanguageAndTheSectionBehindAPanel) {
  lang::LoadSpanish(f.App().text);
  w->CurrentSection = 90;
  w->PreviousSection = 1;
  w->TraduPrincipal();
  EXPECT_EQ(w->LMenu2->Caption(), "Resumen");
  EXPECT_EQ(w->CheckTrans->Caption(), " " + f.App().text[155]);
  EXPECT_EQ(w->MenuCopy->items[0].caption, "Copiar");
  // Away from the customise panel its captions keep their texts.
  const std::string spanishCheck = w->CheckTrans->Caption();
  lang::LoadEnglish(f.App().text);
  w->CurrentSection = 3;
  w->TraduPrincipal();
  EXPECT_EQ(w->CheckTrans->Caption(), spanishCheck);
  EXPECT_EQ(w->LMenu[13]->Caption(), "Others hardware");
}

TEST_F(Navigation, EveryPictureOfTheWindowsLoadsWithItsSize) {
  struct Case {
    const char* name;
    int width, height;
    bool grey;  // a skin picture: tinted at run time, so every pixel must be pure grey
  };
  const Case cases[] = {
      {"SkinMenu", 170, 553, true}, {"SkinTop", 576, 31, true},  {"SkinBottom", 576, 31, true},
      {"SkinRight", 31, 553, true}, {"Bar", 170, 35, true},      {"BarMark", 7, 13, false},
      {"Corner1", 4, 4, false},     {"Corner2", 4, 4, false},    {"Corner3", 4, 4, false},
      {"Corner4", 4, 4, false},     {"MenuLogo", 20, 20, false}, {"Logo", 295, 72, false},
      {"Spectrum", 211, 11, false}, {"Arrow", 9, 5, false},      {"Made", 16, 16, false},
      {"Making", 16, 16, false},    {"Alerta", 35, 35, false},   {"Info", 35, 35, false},
      {"Ok", 35, 35, false},        {"Sec1", 48, 48, false},     {"Sec2", 48, 48, false},
      {"Sec3", 48, 48, false},      {"Sec4", 48, 48, false},     {"Sec5", 48, 48, false},
      {"Sec6", 48, 48, false},      {"Sec7", 48, 48, false},     {"Sec8", 48, 48, false},
      {"Sec9", 48, 48, false},      {"Sec10", 48, 48, false},    {"Sec11a", 48, 48, false},
      {"Sec11b", 48, 48, false},    {"Sec12a", 48, 48, false},   {"Sec12b", 48, 48, false},
      {"Sec13", 48, 48, false},     {"IOpc", 48, 48, false},     {"IAC", 48, 48, false}};
  std::vector<const tk::Picture*> icons;
  for (const Case& c : cases) {
    const auto picture = f.App().assets.Picture(c.name);
    ASSERT_NE(picture, nullptr) << c.name;
    EXPECT_EQ(picture->Width(), c.width) << c.name;
    EXPECT_EQ(picture->Height(), c.height) << c.name;
    for (int y = 0; c.grey && y < picture->Height(); ++y)
      for (int x = 0; x < picture->Width(); ++x) {
        const tk::Color p = picture->At(x, y);
        ASSERT_TRUE(tk::RedOf(p) == tk::GreenOf(p) && tk::GreenOf(p) == tk::BlueOf(p))
            << c.name << " at " << x << "," << y;
      }
    if (c.width == 48) {
      // Each page shows its own icon.
      for (const tk::Picture* other : icons) EXPECT_NE(*picture, *other) << c.name;
      icons.push_back(picture.get());
    }
  }
  // The picture holder hands out the same pictures.
  EXPECT_EQ(*f.App().Pictures().Get("Sec13")->Assigned(), *f.App().assets.Picture("Sec13"));
}

class IconFade : public Navigation {
 protected:
  // Ticks the page icon's fade to its end; returns the ticks taken.
  int Finish() {
    int ticks = 0;
    while (w->TAlphaB->Enabled() && ticks < 50) {
      f.backend.Tick(*w->TAlphaB);
      ++ticks;
    }
    return ticks;
  }
  const tk::Picture* Held(const char* name) {
    return f.App().Pictures().Get(name)->Assigned().get();
  }
};

TEST_F(IconFade, TwentyTicksThenThePageIconIsAssigned) {
  EXPECT_EQ(Finish(), 20);
  EXPECT_EQ(w->Ico->Assigned().get(), Held("Sec1"));
  w->LMenu_MouseDown(8, 1, 0, 0, 0);
  EXPECT_EQ(Finish(), 20);
  EXPECT_EQ(w->Ico->Assigned().get(), Held("Sec8"));
  EXPECT_EQ(w->Iaviso->Assigned(), nullptr);
}

TEST_F(IconFade, NoticePicturesFollowThePageAndTheDriveCount) {
  struct Case {
    int page;
    int drives;
    const char* icon;
    const char* notice;
  };
  const Case cases[] = {{2, 0, "Sec2", "Info"},   {11, 0, "Sec11b", "Alerta"},
                        {11, 2, "Sec11a", "Ok"},  {12, 0, "Sec12b", "Alerta"},
                        {12, 1, "Sec12a", "Ok"},  {13, 0, "Sec13", nullptr},
                        {90, 0, "IOpc", nullptr}, {91, 0, "IAC", nullptr}};
  for (const Case& c : cases) {
    w->CurrentSection = static_cast<std::uint8_t>(c.page);
    w->DriveCount = static_cast<std::uint8_t>(c.drives);
    w->InnerIndex = 0;
    w->TAlphaB->SetEnabled(true);
    EXPECT_EQ(Finish(), 20);
    EXPECT_EQ(w->Ico->Assigned().get(), Held(c.icon)) << c.page;
    EXPECT_EQ(w->Iaviso->Assigned().get(), c.notice ? Held(c.notice) : nullptr) << c.page;
  }
}

TEST_F(IconFade, FramesCrossFadeOverTheLastAssignedPicture) {
  Finish();
  const tk::Picture before = w->Ico->Image();
  w->LMenu_MouseDown(6, 1, 0, 0, 0);
  f.backend.Tick(*w->TAlphaB);  // alpha 13 over the Summary icon
  const tk::Picture& source = *Held("Sec6");
  const tk::Picture& frame = w->Ico->Image();
  for (int y = 0; y < 48; y += 7)
    for (int x = 0; x < 48; x += 5) {
      const tk::Color o = before.At(x, y), s = source.At(x, y), d = frame.At(x, y);
      EXPECT_EQ(tk::RedOf(d), (tk::RedOf(s) * 13 + tk::RedOf(o) * 242 + 127) / 255);
    }
  // A restart during a fade begins again from alpha 13 and never assigns the old page.
  w->LMenu_MouseDown(7, 1, 0, 0, 0);
  EXPECT_EQ(Finish(), 20);
  EXPECT_EQ(w->Ico->Assigned().get(), Held("Sec7"));
}

TEST_F(IconFade, AnUnknownPageLeavesThePicturesAlone) {
  Finish();
  w->CurrentSection = 50;
  w->InnerIndex = 0;
  w->TAlphaB->SetEnabled(true);
  EXPECT_EQ(Finish(), 20);
  EXPECT_EQ(w->Ico->Assigned().get(), Held("Sec1"));
}

}  // namespace
}  // namespace hv::shell

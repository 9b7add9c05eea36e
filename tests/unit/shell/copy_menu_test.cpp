#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "sections/page_model.h"
#include "support/app_fixture.h"

namespace hv::shell {
namespace {

using test::AppFixture;

constexpr int kCopy = 0;
constexpr int kCopyAll = 1;

std::set<int> Rows(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> rows;
  for (auto [first, last] : ranges)
    for (int i = first; i <= last; ++i) rows.insert(i);
  return rows;
}

// The rows on which Copy is offered, page by page (0: no page shown yet).
const std::vector<std::pair<int, std::set<int>>>& CopyableRows() {
  static const std::vector<std::pair<int, std::set<int>>> table = {
      {0, {}},
      {1, Rows({{3, 6}, {10, 12}})},
      {2, Rows({{1, 10}})},
      {3, Rows({{1, 6}})},
      {4, Rows({{1, 11}})},
      {5, Rows({{1, 9}})},
      {6, Rows({{1, 8}})},
      {7, Rows({{1, 9}})},
      {8, Rows({{1, 5}})},
      {9, Rows({{1, 4}, {6, 11}})},
      {10, Rows({{1, 2}, {4, 8}})},
      {11, Rows({{1, 8}})},
      {12, Rows({{1, 7}})},
      {13, Rows({{1, 3}, {5, 6}, {8, 12}})},
  };
  return table;
}

// Every row written as a page writes it, so each label has a place to be clicked.
void FillRows(MainWindow& w) {
  w.Titulo->SetCaption("Title");
  for (int i = 1; i <= 12; ++i) {
    sections::WriteCaption(w, i, "C" + std::to_string(i) + ": ");
    sections::WriteValue(w, i, "v" + std::to_string(i));
  }
}

void Press(MainWindow& w, const tk::Control& c, int button) {
  const tk::Rect r = c.ClientBounds();
  w.form.MouseDown(button, 0, r.left + 1, r.top + 1);
  w.form.MouseUp(button, 0, r.left + 1, r.top + 1);
}

void PressAt(MainWindow& w, int x, int y, int button) {
  w.form.MouseDown(button, 0, x, y);
  w.form.MouseUp(button, 0, x, y);
}

bool CopyEnabled(MainWindow& w) { return w.MenuCopy->Item("Copy").enabled; }

TEST(CopyMenu, RightClickOnARowOffersCopyOnlyOnValueRows) {
  AppFixture f;
  MainWindow& w = f.Start();
  FillRows(w);
  w.DriveCount = 0;  // not consulted on rows
  for (const auto& [page, copyable] : CopyableRows()) {
    w.CurrentSection = static_cast<std::uint8_t>(page);
    for (int i = 1; i <= 12; ++i) {
      for (tk::Label* label : {w.LT[i], w.L[i]}) {
        const std::size_t popups = f.backend.Popups().size();
        Press(w, *label, 2);
        ASSERT_EQ(f.backend.Popups().size(), popups + 1) << page << " " << label->Name();
        EXPECT_EQ(f.backend.Popups().back().menu, "MenuCopy");
        EXPECT_TRUE(f.backend.Popups().back().atPointer);
        EXPECT_EQ(CopyEnabled(w), copyable.count(i) == 1) << "page " << page << " row " << i;
        EXPECT_EQ(w.SelectedRow, i);
      }
    }
  }
}

TEST(CopyMenu, WhenTheBackgroundAndRowsOpenNothing) {
  struct Case {
    int page;
    int driveCount;
    int button;
    bool opens;
  };
  const Case cases[] = {
      {1, 0, 2, true},   {5, 0, 2, true},   {1, 0, 1, false},  {1, 0, 4, false}, {90, 0, 2, false},
      {91, 0, 2, false}, {11, 0, 2, false}, {12, 0, 2, false}, {11, 1, 2, true}, {12, 3, 2, true},
  };
  AppFixture f;
  MainWindow& w = f.Start();
  FillRows(w);
  ASSERT_EQ(w.form.ControlAt(650, 470), nullptr);
  for (const Case& c : cases) {
    w.CurrentSection = static_cast<std::uint8_t>(c.page);
    w.DriveCount = static_cast<std::uint8_t>(c.driveCount);
    for (auto [x, y] : {std::pair{650, 470}, std::pair{730, 300}}) {  // background, edge box
      w.MenuCopy->Item("Copy").enabled = true;
      const std::size_t popups = f.backend.Popups().size();
      PressAt(w, x, y, c.button);
      EXPECT_EQ(f.backend.Popups().size(), popups + (c.opens ? 1 : 0))
          << "page " << c.page << " button " << c.button << " at " << x;
      if (c.opens) {
        EXPECT_FALSE(CopyEnabled(w));
      }
    }
  }
  // On a panel, and with any button but the right one, rows open nothing either.
  const std::size_t popups = f.backend.Popups().size();
  w.CurrentSection = 1;
  Press(w, *w.LT[3], 1);
  Press(w, *w.L[3], 4);
  w.CurrentSection = 90;
  Press(w, *w.LT[3], 2);
  w.CurrentSection = 91;
  Press(w, *w.L[4], 2);
  EXPECT_EQ(f.backend.Popups().size(), popups);
}

TEST(CopyMenu, OtherControlsOfThePageOpenNothingButTheRulesLetThePressThrough) {
  AppFixture f;
  MainWindow& w = f.Start();
  w.Laviso->SetCaption("A note under the rows");
  w.Laviso->SetVisible(true);
  w.Iaviso->SetVisible(true);
  for (const tk::Control* c :
       std::initializer_list<const tk::Control*>{w.Titulo, w.Ico, w.Labelmi, w.Laviso, w.Iaviso}) {
    const std::size_t popups = f.backend.Popups().size();
    Press(w, *c, 2);
    EXPECT_EQ(f.backend.Popups().size(), popups) << c->Name();
  }
  // A line takes no mouse: a press on the rule under the title lands on the background.
  const std::size_t popups = f.backend.Popups().size();
  PressAt(w, 300, w.LineTit->Y1(), 2);
  EXPECT_EQ(f.backend.Popups().size(), popups + 1);
}

// The whole-page text of the rows C1: v1 ... of FillRows, by the page's copied rows.
std::string PageText(int last, std::set<int> emptyLines) {
  std::string text = "Title\r\n\r\n";
  for (int i = 1; i <= last; ++i) {
    const std::string n = std::to_string(i);
    text += emptyLines.count(i) ? "\r\n" : "C" + n + ": v" + n + "\r\n";
  }
  return text;
}

TEST(CopyMenu, APressThatOpenedTheMenuDoesNotKeepTheMouse) {
  AppFixture f;
  MainWindow& w = f.Start();
  // The menu swallows the release of the press that opened it: the form never sees it.
  w.form.MouseDown(2, 0, 650, 470);
  EXPECT_FALSE(CopyEnabled(w));
  const tk::Rect row = w.LT[4]->ClientBounds();
  w.form.MouseDown(2, 0, row.left + 1, row.top + 1);
  EXPECT_TRUE(CopyEnabled(w));
  EXPECT_EQ(w.SelectedRow, 4);
  EXPECT_EQ(f.backend.Popups().size(), 2u);
}

TEST(CopyMenu, CopyAllTakesEachPagesRows) {
  struct Case {
    int page;
    std::string text;
  };
  const Case cases[] = {
      {1,
       "Title\r\n\r\nC1: :\r\n\r\nC3: v3\r\nC4: v4\r\nC5: v5\r\nC6: v6\r\n\r\nC8: :\r\n\r\n"
       "C10: v10\r\nC11: v11\r\nC12: v12\r\n"},
      {2, PageText(10, {})},
      {3, PageText(6, {})},
      {4, PageText(11, {})},
      {5, PageText(9, {})},
      {6, PageText(8, {})},
      {7, PageText(9, {})},
      {8, PageText(5, {})},
      {9, PageText(11, {5})},
      {10, PageText(8, {3})},
      {11, PageText(8, {})},
      {12, PageText(7, {})},
      {13, PageText(12, {4, 7})},
      {0, "Title\r\n\r\n"},
      {90, "Title\r\n\r\n"},
  };
  AppFixture f;
  MainWindow& w = f.Start();
  FillRows(w);
  w.DriveCount = 1;  // pages 11 and 12 with a drive
  for (const Case& c : cases) {
    w.CurrentSection = static_cast<std::uint8_t>(c.page);
    f.backend.QueuePopupAnswer(kCopyAll);
    w.Form_MouseDown(2, 0, 0, 0);
    if (c.page == 90) w.CopyAll_Click();  // no popup on a panel; the text rule still holds
    EXPECT_EQ(f.backend.Clipboard(), c.text) << "page " << c.page;
    EXPECT_EQ(w.CopyText, c.text);
  }
}

// On the typical machine every page's rows agree with what its copy takes: each copied row
// has a caption, and each row left out or copied as an empty line is blank.
TEST(CopyMenu, EachPagesCopyMatchesTheRowsThePageWrites) {
  for (const auto& [page, copyable] : CopyableRows()) {
    if (page == 0) continue;
    AppFixture f;
    MainWindow& w = f.Start();
    w.LMenu_MouseDown(page, 1, 0, 0, 0);
    ASSERT_EQ(w.CurrentSection, page);
    // A page with no caption at all has nothing to compare: no drive found, or not built.
    bool written = false;
    for (int i = 1; i <= 12; ++i) written = written || !w.LT[i]->Caption().empty();
    if (!written) continue;
    for (int i = 1; i <= 12; ++i) {
      const bool heading = page == 1 && (i == 1 || i == 8);
      if (copyable.count(i) || heading)
        EXPECT_FALSE(w.LT[i]->Caption().empty()) << "page " << page << " row " << i;
      else
        EXPECT_EQ(w.LT[i]->Caption() + w.L[i]->Caption(), "") << "page " << page << " row " << i;
    }
    f.backend.QueuePopupAnswer(kCopyAll);
    w.Form_MouseDown(2, 0, 0, 0);
    std::string expected = w.Titulo->Caption() + "\r\n\r\n";
    EXPECT_EQ(f.backend.Clipboard().substr(0, expected.size()), expected) << page;
  }
}

TEST(CopyMenu, SummaryCopiesLineByLine) {
  AppFixture f;
  f.shell.SetString("HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full",
                    "Norvik 2AD4");
  MainWindow& w = f.Start();
  // A right click on the heading of row 8: Copy is off, Copy all copies the page.
  f.backend.QueuePopupAnswer(kCopy);
  Press(w, *w.LT[8], 2);
  EXPECT_EQ(w.SelectedRow, 8);
  EXPECT_EQ(f.backend.ClipboardWrites(), 0);
  f.backend.QueuePopupAnswer(kCopyAll);
  Press(w, *w.LT[8], 2);
  EXPECT_EQ(f.backend.Clipboard(),
            "Summary\r\n"
            "\r\n"
            "Main features:\r\n"
            "\r\n"
            "Processor speed: 2.4 Ghz (8 CPUs)\r\n"
            "RAM: 8 GB\r\n"
            "Graphics card memory: 1 GB\r\n"
            "Total free space: 900 GB\r\n"
            "\r\n"
            "Others features:\r\n"
            "\r\n"
            "Operating system: Microsoft Windows 7 Professional\r\n"
            "Graphics card: Norvik Graphics 7600 Series\r\n"
            "Motherboard: Norvik 2AD4\r\n");

  // One row: its caption and its value, no line break.
  f.backend.QueuePopupAnswer(kCopy);
  Press(w, *w.L[4], 2);
  EXPECT_EQ(f.backend.Clipboard(), "RAM: 8 GB");
  f.backend.QueuePopupAnswer(kCopy);
  Press(w, *w.LT[10], 2);
  EXPECT_EQ(f.backend.Clipboard(), "Operating system: Microsoft Windows 7 Professional");
}

TEST(CopyMenu, CopiesWhatTheRowShowsNowInTheCurrentLanguage) {
  AppFixture f("empty");
  f.shell.SetString(AppFixture::Setting("Language"), "Spanish");
  MainWindow& w = f.Start();
  f.backend.QueuePopupAnswer(kCopyAll);
  w.Form_MouseDown(2, 0, 0, 0);
  const std::string text = f.backend.Clipboard();
  EXPECT_EQ(text.substr(0, text.find("\r\n\r\n", 9) + 4),
            "Resumen\r\n\r\nCaracterísticas principales:\r\n\r\n");
  EXPECT_NE(text.find("Memoria de la placa de video: Desconocido\r\n"), std::string::npos);

  // A value changed since the page was drawn (the live refresh does so) is copied as it is.
  w.L[3]->SetCaption("1.0 Ghz");
  f.backend.QueuePopupAnswer(kCopy);
  Press(w, *w.LT[3], 2);
  EXPECT_EQ(f.backend.Clipboard(), "Velocidad del procesador: 1.0 Ghz");

  // A row selection that was never made copies nothing but still empties the clipboard.
  w.SelectedRow = 0;
  w.Copy_Click();
  EXPECT_EQ(f.backend.Clipboard(), "");
}

}  // namespace
}  // namespace hv::shell

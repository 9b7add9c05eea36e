#include "sections/page_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::sections {
namespace {

using platform::Variant;
using platform::WmiItem;
using test::AppFixture;

// Notes what the window showed at the moment each query ran.
class WatchedWmi : public platform::WmiService {
 public:
  test::FixtureWmi machine = test::FixtureWmi::Fixture("typical");
  std::function<void()> onQuery;
  std::optional<std::vector<WmiItem>> ExecQuery(const std::string& wql) override {
    if (onQuery) onQuery();
    return machine.ExecQuery(wql);
  }
};

TEST(PageModel, StatusShowsGettingInformationBeforeTheQueriesOnlyWhenThePageChanges) {
  AppFixture f;
  WatchedWmi wmi;
  shell::Services services{f.backend, &wmi, &f.shell, f.system, f.assets};
  shell::App app(services);
  shell::MainWindow& w = app.Main();
  w.Form_Initialize();
  w.Form_Load();
  w.form.Show();

  std::vector<std::string> status;
  std::vector<int> repaints;
  wmi.onQuery = [&] {
    status.push_back(w.Labelmi->Caption());
    repaints.push_back(f.backend.Record(w.form).repaints);
  };
  w.LMenu_MouseDown(3, 1, 0, 0, 0);
  status.clear();
  repaints.clear();
  const int before = f.backend.Record(w.form).repaints;
  w.LMenu_MouseDown(1, 1, 0, 0, 0);
  ASSERT_EQ(status.size(), 5u);
  EXPECT_EQ(status.front(), "Getting information...");
  // Painted before the first query blocks the window.
  EXPECT_GT(repaints.front(), before);
  EXPECT_EQ(w.Labelmi->Caption(), "Done");

  status.clear();
  w.LMenu_MouseDown(1, 1, 0, 0, 0);  // shown again while current: no status change
  ASSERT_FALSE(status.empty());
  EXPECT_EQ(status.front(), "Done");
}

TEST(PageModel, ValueStartsRightAfterItsCaptionInEveryLanguage) {
  for (const char* language : {"English", "Spanish", "Dutch"}) {
    AppFixture f;
    f.shell.SetString(AppFixture::Setting("Language"), language);
    shell::MainWindow& w = f.Start();
    for (int row : {3, 4, 5, 6, 10, 11, 12}) {
      ASSERT_FALSE(w.LT[row]->Caption().empty());
      EXPECT_GT(w.LT[row]->Width(), 0);
      EXPECT_EQ(w.L[row]->Left(), w.LT[row]->Left() + w.LT[row]->Width())
          << language << " row " << row;
    }
  }
}

TEST(PageModel, AValueRunningPastTheRightEdgeIsCoveredThere) {
  AppFixture f;
  f.wmi.Set("Win32_OperatingSystem", 0, "Caption", Variant(std::string(200, 'W')));
  shell::MainWindow& w = f.Start();
  const tk::Rect value = w.L[10]->ClientBounds();
  ASSERT_GT(value.left + value.width, 721);
  const int y = value.top + value.height / 2;
  EXPECT_EQ(w.form.ControlAt(720, y), w.L[10]);
  EXPECT_EQ(w.form.ControlAt(721, y), w.TapaBorde);
  EXPECT_EQ(w.form.ControlAt(745, y), w.TapaBorde);
  // The covering box is painted after (above) the value label.
  int labelAt = -1, boxAt = -1, i = 0;
  for (const auto& item : w.form.PaintList()) {
    if (item.control == w.L[10]) labelAt = i;
    if (item.control == w.TapaBorde) boxAt = i;
    ++i;
  }
  EXPECT_GT(boxAt, labelAt);
  EXPECT_GE(labelAt, 0);
}

TEST(PageModel, CaptionTooltipsOfRowsThreeToFiveNeverLinger) {
  AppFixture f;
  shell::MainWindow& w = f.Start();
  for (int row = 3; row <= 6; ++row) w.LT[row]->SetToolTipText("a description of another page");
  w.LMenu_MouseDown(1, 1, 0, 0, 0);
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(w.LT[row]->ToolTipText(), "") << row;
  // Only rows 3 to 5 carry descriptions; no page touches the others' caption tooltips.
  EXPECT_EQ(w.LT[6]->ToolTipText(), "a description of another page");
  SetCaptionTip(w, 7, "x");
  EXPECT_EQ(w.LT[7]->ToolTipText(), "");
}

TEST(PageModel, BlankRowEmptiesTextsButKeepsPlaceAndCaptionTooltip) {
  AppFixture f;
  shell::MainWindow& w = f.Start();
  w.LT[4]->SetToolTipText("kept");
  const int left = w.L[4]->Left();
  BlankRow(w, 4);
  EXPECT_EQ(w.LT[4]->Caption(), "");
  EXPECT_EQ(w.L[4]->Caption(), "");
  EXPECT_EQ(w.L[4]->ToolTipText(), "");
  EXPECT_EQ(w.LT[4]->ToolTipText(), "kept");
  EXPECT_EQ(w.L[4]->Left(), left);
  // Rows outside 1..12 are ignored rather than written past the arrays.
  BlankRows(w, -3, 0);
  BlankRow(w, 13);
  WriteRow(w, f.App().text, 13, "x", "y");
}

TEST(PageModel, EnterPageAndSpacerLines) {
  AppFixture f;
  shell::MainWindow& w = f.Start();
  w.Line2->SetVisible(true);
  w.Laviso->SetVisible(true);
  EXPECT_TRUE(EnterPage(w, f.App().text, 7, {w.Laviso}));
  EXPECT_EQ(w.CurrentSection, 7);
  EXPECT_FALSE(w.Line2->Visible());
  EXPECT_FALSE(w.Laviso->Visible());
  EXPECT_EQ(w.Labelmi->Caption(), "Getting information...");
  w.Labelmi->SetCaption("Done");
  w.Line2->SetVisible(true);
  EXPECT_FALSE(EnterPage(w, f.App().text, 7));
  EXPECT_TRUE(w.Line2->Visible());
  EXPECT_EQ(w.Labelmi->Caption(), "Done");

  ShowSpacerLine(*w.Line1, w, 5, 8);
  EXPECT_TRUE(w.Line1->Visible());
  EXPECT_EQ(w.Line1->Y1(), 239 + 8);
  EXPECT_EQ(w.Line1->Y2(), 239 + 8);
  EXPECT_EQ(w.Line1->X1(), 208);
  EXPECT_EQ(w.Line1->X2(), 488);
}

TEST(PageModel, ReadingPropertiesAsTextAndAsWholeNumbers) {
  const WmiItem item({{"Text", Variant("  padded  ")},
                      {"Nothing", Variant::Null()},
                      {"Half", Variant(2.5)},
                      {"HalfUp", Variant(3.5)},
                      {"Counter", Variant("8589934592")},
                      {"SmallCounter", Variant("2400")},
                      {"Word", Variant("abc")},
                      {"Flag", Variant(true)},
                      {"List", Variant(std::vector<Variant>{Variant(1)})}});
  EXPECT_EQ(ReadText(item, "text"), "padded");
  EXPECT_EQ(ReadText(item, "Flag"), "True");
  EXPECT_EQ(ReadText(item, "Nothing"), std::nullopt);
  EXPECT_EQ(ReadText(item, "Missing"), std::nullopt);
  EXPECT_EQ(ReadText(item, "List"), std::nullopt);
  EXPECT_EQ(ReadNumber(item, "Half"), 2);
  EXPECT_EQ(ReadNumber(item, "HalfUp"), 4);
  EXPECT_EQ(ReadNumber(item, "SmallCounter"), 2400);
  EXPECT_EQ(ReadNumber(item, "Counter"), std::nullopt);  // beyond 32 bits
  EXPECT_EQ(ReadNumber(item, "Word"), std::nullopt);
  EXPECT_EQ(ReadNumber(item, "Nothing"), std::nullopt);
}

TEST(PageModel, SumsFloorEachItemAndSkipWhatCannotBeRead) {
  const double mb = 1048576.0;
  const std::vector<WmiItem> items = {
      WmiItem({{"Size", Variant("1572863")}}),              // 1.49 MB -> 1
      WmiItem({{"Size", Variant::Null()}}),                 // skipped
      WmiItem({{"Size", Variant("not a number")}}),         // skipped
      WmiItem(),                                            // skipped
      WmiItem({{"Size", Variant(std::int32_t{3145727})}}),  // 2.99 MB -> 2
  };
  EXPECT_EQ(SumFloor(items, "Size", mb), 3);
  EXPECT_EQ(SumFloor({}, "Size", mb), 0);
  const std::vector<WmiItem> huge(3, WmiItem({{"Size", Variant(4e18)}}));
  EXPECT_EQ(SumFloor(huge, "Size", 1.0), 8'000'000'000'000'000'000);  // the third would overflow
}

TEST(PageModel, QueriesThatCannotRunGiveNoItems) {
  test::FixtureWmi wmi = test::FixtureWmi::Fixture("typical");
  EXPECT_TRUE(QueryItems(nullptr, "Select Caption from Win32_OperatingSystem").empty());
  EXPECT_FALSE(FirstItem(nullptr, "Select Caption from Win32_OperatingSystem"));
  EXPECT_TRUE(QueryItems(&wmi, "Select Caption from Win32_Nowhere").empty());
  EXPECT_FALSE(FirstItem(&wmi, "Select Caption from Win32_Battery"));  // no items
  const auto first = FirstItem(&wmi, "Select Capacity from Win32_PhysicalMemory");
  ASSERT_TRUE(first);
  EXPECT_EQ(ReadText(*first, "Capacity"), "4294967296");
}

}  // namespace
}  // namespace hv::sections

#include "toolkit/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/headless_backend.h"

namespace hv::tk {
namespace {

// A cut-down main window: the menu strip with an entry label and the highlight bar over it,
// a row label on the page running under the white edge strip, and a separator line.
class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    strip.Move(0, 0, 170, 553);
    entry.Move(20, 93, 60, 16);
    bar.Move(0, 84, 170, 35);
    barText.Move(20, 9, 60, 16);
    row.Move(208, 139, 600, 17);
    edge.Move(721, 128, 25, 313);
    line.SetPoints(200, 150, 700, 150);
    for (Control* c : std::vector<Control*>{&strip, &entry, &bar, &barText, &row, &edge}) {
      c->onMouseDown = [this, c](int b, int, int x, int y) { Log("down", c, b, x, y); };
      c->onMouseUp = [this, c](int b, int, int x, int y) { Log("up", c, b, x, y); };
      c->onMouseMove = [this, c](int b, int, int x, int y) { Log("move", c, b, x, y); };
      c->onClick = [this, c] { log.push_back("click " + c->Name()); };
    }
    form.onMouseDown = [this](int b, int, int x, int y) { Log("down", nullptr, b, x, y); };
    form.onMouseUp = [this](int b, int, int x, int y) { Log("up", nullptr, b, x, y); };
    form.onMouseMove = [this](int b, int, int x, int y) { Log("move", nullptr, b, x, y); };
  }
  void Log(const char* what, const Control* c, int button, int x, int y) {
    log.push_back(std::string(what) + " " + (c ? c->Name() : form.Name()) + " " +
                  std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  std::string NameAt(int x, int y) const {
    const Control* c = form.ControlAt(x, y);
    return c ? c->Name() : "-";
  }

  HeadlessBackend backend;
  Form form{backend, "F1", 777, 553};
  // The bar is created after the entry label, inside the same strip. The row label is
  // created after the edge strip, yet lies beneath it: labels are windowless.
  PictureBox& strip = form.Add<PictureBox>("S1");
  Label& entry = form.Add<Label>("LMenu2nd", &strip);
  PictureBox& bar = form.Add<PictureBox>("BM", &strip);
  Label& barText = form.Add<Label>("LMenu2", &bar);
  PictureBox& edge = form.Add<PictureBox>("TapaBorde");
  Label& row = form.Add<Label>("L1");
  Line& line = form.Add<Line>("Line1");
  std::vector<std::string> log;
};

TEST_F(FormTest, HitTestingFollowsWindowsStacking) {
  struct Case {
    int x, y;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {25, 95, "LMenu2"},       // the bar's own text, above the bar
      {5, 95, "BM"},            // the bar hides the entry label below it
      {100, 300, "S1"},         // the strip between entries
      {300, 145, "L1"},         // a row label on the form
      {300, 150, "L1"},         // lines are never hit
      {725, 145, "TapaBorde"},  // the edge strip hides the later label under it
      {720, 145, "L1"},         // just left of the edge strip
      {500, 50, "-"},           // the form's own background
      {777, 10, "-"},           // outside the client area
      {-1, 10, "-"},
  };
  for (const auto& c : cases) EXPECT_EQ(NameAt(c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(FormTest, HiddenAndDisabledControlsLetThePressThrough) {
  bar.SetVisible(false);
  EXPECT_EQ(NameAt(25, 95), "LMenu2nd") << "the bar's children hide with it";
  entry.SetEnabled(false);
  EXPECT_EQ(NameAt(25, 95), "S1");
  bar.SetVisible(true);
  bar.SetEnabled(false);
  EXPECT_EQ(NameAt(25, 95), "S1") << "nothing in a disabled container takes the press";
}

TEST_F(FormTest, ContainersClipTheirChildren) {
  barText.Move(160, 9, 60, 16);  // runs past the bar's right end at 170
  EXPECT_EQ(NameAt(180, 95), "-");
  const auto list = form.PaintList();
  std::vector<std::string> order;
  for (const auto& item : list) order.push_back(item.control->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"L1", "Line1", "S1", "LMenu2nd", "BM", "LMenu2",
                                             "TapaBorde"}));
  const auto text = list[5];
  EXPECT_EQ(text.clientBounds, (Rect{160, 93, 60, 16}));
  EXPECT_EQ(text.clip, (Rect{160, 93, 10, 16}));
  EXPECT_EQ(list[0].clip, (Rect{208, 139, 569, 17})) << "the form clips too";
}

TEST_F(FormTest, PaintListLeavesOutHiddenSubtrees) {
  bar.SetVisible(false);
  row.SetVisible(false);
  std::vector<std::string> order;
  for (const auto& item : form.PaintList()) order.push_back(item.control->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"Line1", "S1", "LMenu2nd", "TapaBorde"}));
}

TEST_F(FormTest, PressesCaptureAndClickOnRelease) {
  struct Case {
    const char* what;
    int downX, downY, upX, upY, button;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"click on the bar text",
       25,
       95,
       30,
       100,
       1,
       {"down LMenu2 1 5,2", "up LMenu2 1 10,7", "click LMenu2"}},
      {"released elsewhere", 25, 95, 300, 145, 1, {"down LMenu2 1 5,2", "up LMenu2 1 280,52"}},
      {"right button: no click", 300, 145, 300, 145, 2, {"down L1 2 92,6", "up L1 2 92,6"}},
      {"the background", 500, 50, 510, 60, 1, {"down F1 1 500,50", "up F1 1 510,60"}},
      {"background to a control", 500, 50, 300, 145, 1, {"down F1 1 500,50", "up F1 1 300,145"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    form.MouseDown(c.button, 0, c.downX, c.downY);
    form.MouseUp(c.button, 0, c.upX, c.upY);
    EXPECT_EQ(log, c.expected);
  }
}

TEST_F(FormTest, CaptureHoldsMovesAndOtherButtons) {
  form.MouseDown(1, 0, 300, 145);
  form.MouseMove(1, 0, 10, 300);  // over the strip, still to the row label
  form.MouseDown(2, 0, 10, 300);  // a second button goes where the first went
  form.MouseUp(2, 0, 10, 300);
  form.MouseUp(1, 0, 10, 300);
  form.MouseMove(0, 0, 10, 300);  // free again
  EXPECT_EQ(log,
            (std::vector<std::string>{"down L1 1 92,6", "move L1 1 -198,161", "down L1 2 -198,161",
                                      "up L1 2 -198,161", "up L1 1 -198,161", "move S1 0 10,300"}));
}

TEST_F(FormTest, ALostPressEndsWithoutReleaseOrClick) {
  form.MouseDown(1, 0, 25, 95);
  form.CancelPress();
  form.MouseMove(0, 0, 300, 145);
  form.MouseDown(1, 0, 300, 145);  // the next press acts where it lands
  form.MouseUp(1, 0, 300, 145);
  EXPECT_EQ(log, (std::vector<std::string>{"down LMenu2 1 5,2", "move L1 0 92,6", "down L1 1 92,6",
                                           "up L1 1 92,6", "click L1"}));
}

TEST_F(FormTest, ReleaseWithoutPressGoesToWhatIsUnderneath) {
  form.MouseUp(1, 0, 300, 145);
  EXPECT_EQ(log, std::vector<std::string>{"up L1 1 92,6"});
}

TEST_F(FormTest, ClickingACheckBoxTicksIt) {
  CheckBox& check = form.Add<CheckBox>("Chk");
  check.Move(400, 400, 100, 20);
  int clicks = 0;
  check.onClick = [&] { ++clicks; };
  form.MouseDown(1, 0, 410, 410);
  form.MouseUp(1, 0, 410, 410);
  EXPECT_EQ(check.Value(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormTest, CursorsFallBackToTheContainerThenTheArrow) {
  strip.SetCursor(CursorKind::Arrow);
  bar.SetCursor(CursorKind::Custom);
  struct Case {
    int x, y;
    CursorKind expected;
    const char* source;
  };
  const std::vector<Case> cases = {
      {25, 95, CursorKind::Custom, "BM"},   // the bar text has Default: the bar's
      {100, 300, CursorKind::Arrow, "S1"},  // the strip's own
      {20, 60, CursorKind::Arrow, "S1"},
      {300, 145, CursorKind::Arrow, nullptr},  // nothing set anywhere
  };
  barText.SetCursor(CursorKind::Default);
  for (const auto& c : cases) {
    EXPECT_EQ(form.CursorAt(c.x, c.y), c.expected) << c.x << "," << c.y;
    const Control* source = form.CursorSourceAt(c.x, c.y);
    EXPECT_EQ(source ? source->Name() : std::string(), c.source ? c.source : "");
  }
  barText.SetCursor(CursorKind::Wait);
  EXPECT_EQ(form.CursorAt(25, 95), CursorKind::Wait);
}

TEST_F(FormTest, LifecycleCreatesOnceAndCloseMayBeCancelled) {
  form.Show();
  form.Hide();
  form.Show();
  bool cancel = true;
  std::vector<std::string> order;
  form.onUnload = [&](bool& c) {
    order.push_back("unload");
    c = cancel;
    EXPECT_FALSE(form.RequestClose()) << "asking again while closing does nothing";
  };
  form.onUnloaded = [&] { order.push_back("unloaded"); };
  EXPECT_FALSE(form.RequestClose());
  EXPECT_TRUE(form.Loaded());
  cancel = false;
  EXPECT_TRUE(form.RequestClose());
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(form.RequestClose()) << "already unloaded";
  EXPECT_EQ(order, (std::vector<std::string>{"unload", "unload", "unloaded"}));
  EXPECT_EQ(backend.Events(), (std::vector<std::string>{"created F1", "shown F1", "hidden F1",
                                                        "shown F1", "destroyed F1"}));
  form.Show();  // shown again: a new window
  EXPECT_EQ(backend.Record(form).created, 2);
}

TEST_F(FormTest, PopupRunsOnlyARealChoice) {
  form.Show();
  Menu& menu = form.AddMenu("MenuOps");
  std::vector<std::string> ran;
  for (const char* name : {"Personalizar", "Separator2", "Quit", "Grey"}) {
    MenuItem item;
    item.name = name;
    item.onClick = [&ran, name] { ran.push_back(name); };
    menu.items.push_back(item);
  }
  menu.Item("Separator2").separator = true;
  menu.Item("Grey").enabled = false;
  EXPECT_THROW(menu.Item("Nope"), std::out_of_range);
  for (std::optional<int> answer :
       {std::optional<int>(2), std::optional<int>(1), std::optional<int>(3), std::optional<int>(9),
        std::optional<int>(-1), std::optional<int>()})
    backend.QueuePopupAnswer(answer);
  for (int i = 0; i < 7; ++i) form.PopupMenu(menu, 25, 14, false, 2);
  EXPECT_EQ(ran, std::vector<std::string>{"Quit"});
  ASSERT_EQ(backend.Popups().size(), 7u);
  EXPECT_EQ(backend.Popups()[0].menu, "MenuOps");
  EXPECT_EQ(backend.Popups()[0].x, 25);
  EXPECT_EQ(backend.Popups()[0].defaultItem, 2);
}

TEST_F(FormTest, NothingReachesTheBackendBeforeTheWindowExists) {
  Menu& menu = form.AddMenu("M");
  backend.QueuePopupAnswer(0);
  form.PopupMenu(menu, 0, 0, true, std::nullopt);
  form.Refresh();
  form.SetCaption("Brenlow Harvala");
  EXPECT_TRUE(backend.Popups().empty());
  EXPECT_EQ(backend.Record(form).repaints, 0);
  form.Show();
  form.Refresh();
  EXPECT_EQ(backend.Record(form).repaints, 1);
}

}  // namespace
}  // namespace hv::tk

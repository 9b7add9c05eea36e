#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/headless_backend.h"

namespace hv::tk {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  HeadlessBackend backend;
  Form form{backend, "F", 300, 200};
};

TEST_F(ControlsTest, AutoSizedLabelFollowsCaptionFontAndSwitch) {
  Label& label = form.Add<Label>("L");
  label.Move(10, 20, 50, 17);
  label.SetCaption("abcd");
  EXPECT_EQ(label.Width(), 50) << "not auto-sized yet";

  label.SetAutoSize(true);  // 4 code points × 9.75 × 0.55 = 21.45
  EXPECT_EQ(label.Bounds(), (Rect{10, 20, 21, 16}));

  label.SetCaption("ab\xC3\xA9");  // "abé": three code points, not four bytes
  EXPECT_EQ(label.Width(), 16);

  Font bold = label.GetFont();
  bold.bold = true;
  bold.size = 20;
  label.SetFont(bold);  // 3 × 20 × 0.55 × 1.1 = 36.3; 20 × 96 / 72 × 1.25 = 33.3
  EXPECT_EQ(label.Bounds(), (Rect{10, 20, 36, 33}));

  label.SetCaption("");
  EXPECT_EQ(label.Width(), 0);
  EXPECT_EQ(label.Height(), 33);
}

TEST_F(ControlsTest, AutoSizedLabelStacksLines) {
  Label& label = form.Add<Label>("L");
  label.SetAutoSize(true);
  label.SetCaption("abcd\r\nab\nabcdefgh");  // widest 8 × 5.3625 = 42.9
  EXPECT_EQ(label.Width(), 43);
  EXPECT_EQ(label.Height(), 3 * 16);
}

TEST_F(ControlsTest, WordWrappedLabelKeepsItsWidth) {
  struct Case {
    std::string caption;
    int width;
    int lines;
  };
  // One code point is 5.3625 px: "aaaa bbbb" is 48 px, "aaaa" 21 px.
  const std::vector<Case> cases = {
      {"aaaa bbbb", 60, 1},     {"aaaa bbbb", 30, 2}, {"aaaa bbbb cccc", 50, 2},
      {"aaaaaaaaaaaa", 20, 1},  // a word wider than the label stays whole
      {"aaaa bbbb\ncc", 60, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption + " in " + std::to_string(c.width));
    Label& label = form.Add<Label>("W");
    label.SetWordWrap(true);
    label.Move(0, 0, c.width, 5);
    label.SetAutoSize(true);
    label.SetCaption(c.caption);
    EXPECT_EQ(label.Width(), c.width);
    EXPECT_EQ(label.Height(), 16 * c.lines);
  }
}

TEST_F(ControlsTest, PictureBoxLayers) {
  PictureBox& box = form.Add<PictureBox>("P");
  box.SetBackColor(Rgb(0, 0, 255));
  box.Move(0, 0, 3, 2);
  EXPECT_EQ(box.Image(), Picture(3, 2, Rgb(0, 0, 255))) << "back colour without a picture";

  auto picture = std::make_shared<Picture>(2, 2, Rgb(10, 20, 30));
  box.SetPicture(picture);
  EXPECT_EQ(box.Image().Width(), 3) << "the drawn image is always the box's size";
  EXPECT_EQ(box.Image().At(1, 1), Rgb(10, 20, 30));
  EXPECT_EQ(box.Image().At(2, 1), Rgb(0, 0, 255));

  box.Image().Fill(Rgb(1, 1, 1));
  box.Move(5, 5, 3, 2);  // moving keeps the drawing
  EXPECT_EQ(box.Image().At(0, 0), Rgb(1, 1, 1));
  box.Cls();
  EXPECT_EQ(box.Image().At(0, 0), Rgb(10, 20, 30));

  box.Image().Fill(Rgb(1, 1, 1));
  box.SetWidth(4);  // resizing resets the drawing
  EXPECT_EQ(box.Image().Width(), 4);
  EXPECT_EQ(box.Image().At(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(box.Image().At(3, 0), Rgb(0, 0, 255));

  box.SetPicture(nullptr);
  EXPECT_EQ(box.Image(), Picture(4, 2, Rgb(0, 0, 255)));
}

TEST_F(ControlsTest, ContainedControlsRegisterAndOffset) {
  PictureBox& outer = form.Add<PictureBox>("Outer");
  outer.Move(100, 50, 100, 100);
  PictureBox& inner = form.Add<PictureBox>("Inner", &outer);
  inner.Move(10, 5, 50, 50);
  Label& label = form.Add<Label>("L", &inner);
  label.Move(1, 2, 3, 4);
  EXPECT_EQ(outer.Children(), std::vector<Control*>{&inner});
  EXPECT_EQ(inner.Children(), std::vector<Control*>{&label});
  EXPECT_EQ(label.ClientBounds(), (Rect{111, 57, 3, 4}));
  EXPECT_TRUE(label.ShownOnForm());
  outer.SetVisible(false);
  EXPECT_FALSE(label.ShownOnForm());
  EXPECT_TRUE(label.Visible());
}

TEST_F(ControlsTest, LineBoundsComeFromItsPoints) {
  Line& line = form.Add<Line>("Ln");
  line.SetPoints(50, 10, 20, 10);
  EXPECT_EQ(line.Bounds(), (Rect{20, 10, 31, 1}));
  line.SetY(30, 5);
  EXPECT_EQ(line.Bounds(), (Rect{20, 5, 31, 26}));
  line.SetPoints(-2000000000, 0, 2000000000, 0);  // no overflow
  EXPECT_GT(line.Width(), 0);
}

TEST_F(ControlsTest, ScrollBarClampsAndReports) {
  HScrollBar& bar = form.Add<HScrollBar>("S");
  std::vector<std::string> log;
  bar.onChange = [&] { log.push_back("change " + std::to_string(bar.Value())); };
  bar.onScroll = [&] { log.push_back("scroll " + std::to_string(bar.Value())); };
  bar.SetRange(0, 24);
  bar.SetValue(30);
  bar.SetValue(24);  // no change, no event
  bar.SetValue(-5);
  bar.UserScroll(7, true);
  bar.UserScroll(9, true);
  bar.UserScroll(9, false);  // the final move reports even without a new value
  bar.UserScroll(99, false);
  bar.SetRange(0, 10);   // a value outside the new range moves in
  bar.SetRange(20, 15);  // a reversed range
  EXPECT_EQ(log, (std::vector<std::string>{"change 24", "change 0", "scroll 7", "scroll 9",
                                           "change 9", "change 24", "change 10", "change 15"}));
  bar.SetValue(25);
  EXPECT_EQ(bar.Value(), 20);
}

TEST_F(ControlsTest, ComboAndCheckBoxRaiseClickOnlyOnChange) {
  ComboBox& combo = form.Add<ComboBox>("C");
  int comboClicks = 0;
  combo.onClick = [&] { ++comboClicks; };
  combo.AddItem("Spanish");
  combo.AddItem("English");
  for (int index : {1, 1, 5, -2, 0, -1}) combo.SetListIndex(index);
  EXPECT_EQ(comboClicks, 3);
  EXPECT_EQ(combo.Text(), "");
  combo.SetListIndex(1);
  EXPECT_EQ(combo.Text(), "English");
  combo.Clear();
  EXPECT_EQ(combo.ListIndex(), -1);

  CheckBox& check = form.Add<CheckBox>("K");
  int checkClicks = 0;
  check.onClick = [&] { ++checkClicks; };
  for (int v : {1, 1, 2, -1, 0}) check.SetValue(v);
  EXPECT_EQ(checkClicks, 2);
  EXPECT_EQ(check.Value(), 0);
}

TEST_F(ControlsTest, ChangesReachTheBackendOnlyOnceTheWindowExists) {
  Label& label = form.Add<Label>("L");
  PictureBox& box = form.Add<PictureBox>("P");
  HScrollBar& bar = form.Add<HScrollBar>("S", &box);
  label.Move(1, 1, 10, 10);
  EXPECT_TRUE(backend.Record(form).invalidated.empty());

  form.Show();
  label.Move(20, 1, 10, 10);  // the old place and the new one
  EXPECT_EQ(backend.Record(form).invalidated, (std::vector<Rect>{{1, 1, 10, 10}, {20, 1, 10, 10}}));
  EXPECT_TRUE(backend.ControlChanges().empty()) << "labels are painted, not resynced";

  box.SetLeft(50);  // the bar inside moves with its container
  bar.SetValue(3);
  EXPECT_EQ(backend.ControlChanges(), (std::vector<std::string>{"P", "S", "S"}));

  label.SetCursor(CursorKind::Custom);
  EXPECT_EQ(backend.CursorChanges(), std::vector<std::string>{"L"});
}

}  // namespace
}  // namespace hv::tk

// What the windows show: the model painted pixel for pixel.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "win32/form_painter.h"

namespace hv::win32::test {
namespace {

constexpr tk::Color kBack = tk::Rgb(0, 0, 255);
constexpr tk::Color kRed = tk::Rgb(255, 0, 0);
constexpr tk::Color kGreen = tk::Rgb(0, 128, 0);
constexpr tk::Color kWhite = tk::Rgb(255, 255, 255);

struct Probe {
  int x, y;
  tk::Color expected;
};

struct PaintCase {
  std::string name;
  std::function<void(tk::Form&)> build;
  std::vector<Probe> probes;
};

std::shared_ptr<tk::Picture> Corners5x3() {
  auto picture = std::make_shared<tk::Picture>(5, 3, kWhite);
  picture->Set(0, 0, kRed);
  picture->Set(4, 0, kGreen);
  picture->Set(0, 2, tk::Rgb(1, 2, 3));
  picture->Set(4, 2, tk::Rgb(9, 8, 7));
  return picture;
}

tk::PictureBox& Box(tk::Form& form, const char* name, tk::Rect r, tk::Color back,
                    tk::PictureBox* container = nullptr) {
  auto& box = form.Add<tk::PictureBox>(name, container);
  box.Move(r.left, r.top, r.width, r.height);
  box.SetBackColor(back);
  return box;
}

const std::vector<PaintCase>& Cases() {
  static const std::vector<PaintCase> cases = {
      {"FormBackColour", [](tk::Form&) {}, {{0, 0, kBack}, {99, 79, kBack}}},
      {"OddWidthPictureKeepsRowsAndOrder",
       [](tk::Form& f) {
         Box(f, "P", {10, 10, 5, 3}, kWhite).SetPicture(Corners5x3());
       },
       {{10, 10, kRed},
        {14, 10, kGreen},
        {10, 12, tk::Rgb(1, 2, 3)},
        {14, 12, tk::Rgb(9, 8, 7)},
        {15, 10, kBack}}},
      {"ChildClippedToContainer",
       [](tk::Form& f) {
         auto& outer = Box(f, "Outer", {0, 0, 20, 20}, kWhite);
         Box(f, "Inner", {15, 15, 10, 10}, kRed, &outer);
       },
       {{16, 16, kRed}, {19, 19, kRed}, {22, 22, kBack}, {14, 14, kWhite}}},
      {"ImageShowsOnlyItsPicture",
       [](tk::Form& f) {
         auto& image = f.Add<tk::ImageBox>("I");
         image.Move(30, 30, 20, 20);
         image.SetPicture(std::make_shared<tk::Picture>(4, 4, kGreen));
       },
       {{30, 30, kGreen}, {33, 33, kGreen}, {34, 34, kBack}, {45, 45, kBack}}},
      {"EmptyImageShowsWhatLiesBeneath",
       [](tk::Form& f) {
         auto& image = f.Add<tk::ImageBox>("I");
         image.Move(30, 30, 20, 20);
       },
       {{35, 35, kBack}}},
      {"OpaqueLabelFillsItsBox",
       [](tk::Form& f) {
         auto& label = f.Add<tk::Label>("L");
         label.Move(5, 5, 30, 10);
         label.SetTransparent(false);
         label.SetBackColor(kRed);
       },
       {{5, 5, kRed}, {34, 14, kRed}, {35, 14, kBack}}},
      {"TransparentLabelLeavesTheBackground",
       [](tk::Form& f) {
         auto& label = f.Add<tk::Label>("L");
         label.Move(5, 5, 30, 10);
         label.SetBackColor(kRed);
       },
       {{5, 5, kBack}}},
      {"LineCoversBothEnds",
       [](tk::Form& f) { f.Add<tk::Line>("Ln").SetPoints(2, 50, 12, 50); },
       {{2, 50, tk::Rgb(0, 0, 0)}, {12, 50, tk::Rgb(0, 0, 0)}, {13, 50, kBack}}},
      {"LineInContainerStartsAtItsOrigin",
       [](tk::Form& f) {
         auto& outer = Box(f, "Outer", {40, 0, 30, 30}, kWhite);
         auto& line = f.Add<tk::Line>("Ln", &outer);
         line.SetPoints(1, 1, 5, 1);
         line.SetLineColor(kRed);
       },
       {{41, 1, kRed}, {45, 1, kRed}, {1, 1, kBack}, {46, 1, kWhite}}},
      {"LaterControlLiesAbove",
       [](tk::Form& f) {
         Box(f, "First", {60, 40, 10, 10}, kGreen);
         Box(f, "Second", {65, 45, 10, 10}, kRed);
       },
       {{61, 41, kGreen}, {66, 46, kRed}, {74, 54, kRed}}},
  };
  return cases;
}

class PaintTest : public BackendTest, public ::testing::WithParamInterface<PaintCase> {};

TEST_P(PaintTest, ShowsTheModel) {
  tk::Form form(backend, "F", 100, 80);
  form.BackColor = kBack;
  GetParam().build(form);
  const Rendering shot(form, backend.Fonts());
  for (const Probe& p : GetParam().probes) {
    EXPECT_EQ(shot.At(p.x, p.y), p.expected) << "at " << p.x << "," << p.y;
  }
}

INSTANTIATE_TEST_SUITE_P(Painting, PaintTest, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return param.param.name; });

int InkIn(const Rendering& shot, tk::Rect r, tk::Color background) {
  int ink = 0;
  for (int y = r.top; y < r.top + r.height; ++y) {
    for (int x = r.left; x < r.left + r.width; ++x) ink += shot.At(x, y) != background ? 1 : 0;
  }
  return ink;
}

TEST_F(BackendTest, LabelTextStaysInsideItsBox) {
  tk::Form form(backend, "F", 200, 60);
  auto& label = form.Add<tk::Label>("L");
  label.Move(10, 10, 30, 20);
  label.SetCaption("WWWWWWWWWWWW");  // far wider than the box, no spaces to break at
  const Rendering shot(form, backend.Fonts());
  EXPECT_GT(InkIn(shot, {10, 10, 30, 20}, kWhite), 0);
  EXPECT_EQ(InkIn(shot, {40, 0, 160, 60}, kWhite), 0);
}

TEST_F(BackendTest, LabelKeepsAmpersandsAndBreaksLines) {
  tk::Form form(backend, "F", 200, 60);
  auto& label = form.Add<tk::Label>("L");
  label.SetAutoSize(true);
  label.SetCaption("A&B\r\nC");
  // Two lines; no mnemonic underline eats the ampersand, so it is measured and drawn.
  EXPECT_EQ(label.Height(), 2 * backend.MeasureText(label.GetFont(), "A").height);
  EXPECT_GT(label.Width(), backend.MeasureText(label.GetFont(), "AB").width);
  const Rendering shot(form, backend.Fonts());
  const int lineHeight = label.Height() / 2;
  EXPECT_GT(InkIn(shot, {0, lineHeight, 200, lineHeight}, kWhite), 0);
}

// The rightmost column with ink, or -1 for none.
int RightmostInk(const Rendering& shot, tk::Color background) {
  for (int x = shot.Width() - 1; x >= 0; --x) {
    for (int y = 0; y < shot.Height(); ++y) {
      if (shot.At(x, y) != background) return x;
    }
  }
  return -1;
}

struct OverhangCase {
  const char* face;
  double size;
  const char* text;
};

// An auto-sized label is as wide as its ink: nothing of the last letter is cut, italic or
// not, whatever the face resolves to here.
TEST_F(BackendTest, AutoSizedLabelHoldsItsLastLetter) {
  const OverhangCase cases[] = {{"Segoe UI", 9.75, "Onbekend"}, {"Segoe UI", 9.75, "Project"},
                                {"Tahoma", 8.25, "Onbekend"},   {"Arial", 9.75, "Unknown"},
                                {"Segoe UI", 36, "Geen"},       {"Arial", 20, "Harvala"}};
  for (const OverhangCase& c : cases) {
    for (bool italic : {false, true}) {
      tk::Font font;
      font.name = c.face;
      font.size = c.size;
      font.italic = italic;
      tk::Form form(backend, "F", 400, 80);
      auto& sized = form.Add<tk::Label>("Sized");
      sized.SetFont(font);
      sized.Move(10, 5, 0, 0);
      sized.SetAutoSize(true);
      sized.SetCaption(c.text);
      tk::Form wide(backend, "W", 400, 80);
      auto& free = wide.Add<tk::Label>("Free");
      free.SetFont(font);
      free.Move(10, 5, 380, 70);
      free.SetCaption(c.text);
      const int ink = RightmostInk(Rendering(wide, backend.Fonts()), kWhite);
      EXPECT_LT(ink, 10 + sized.Width()) << c.face << " " << c.text << (italic ? " italic" : "");
      EXPECT_EQ(RightmostInk(Rendering(form, backend.Fonts()), kWhite), ink) << c.text;
    }
  }
}

TEST(PaddedDibRows, PadsEachRowToFourBytes) {
  tk::Picture picture(1, 2);
  picture.Set(0, 0, tk::Rgb(1, 2, 3));
  picture.Set(0, 1, tk::Rgb(4, 5, 6));
  const std::vector<std::uint8_t> rows = PaddedDibRows(picture);
  EXPECT_EQ(rows, (std::vector<std::uint8_t>{3, 2, 1, 0, 6, 5, 4, 0}));
}

TEST(PaddedDibRows, RefusesABufferShorterThanItsSize) {
  tk::Picture picture(3, 3);
  picture.Bytes().resize(5);
  EXPECT_TRUE(PaddedDibRows(picture).empty());
}

}  // namespace
}  // namespace hv::win32::test

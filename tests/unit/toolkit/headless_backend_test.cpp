#include "toolkit/headless_backend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/form.h"

namespace hv::tk {
namespace {

class TimersTest : public ::testing::Test {
 protected:
  TimersTest() {
    fade.onTimer = [this] { log.push_back("fade"); };
    refresh.onTimer = [this] { log.push_back("refresh"); };
    other.onTimer = [this] { log.push_back("other"); };
  }
  HeadlessBackend backend;
  Form form{backend, "F1", 100, 100};
  Form second{backend, "F2", 100, 100};
  Timer& fade = form.AddTimer("TAlphaB", 1);
  Timer& refresh = form.AddTimer("Timer1", 1000);
  Timer& other = second.AddTimer("TLoad", 1);
  std::vector<std::string> log;
};

TEST_F(TimersTest, TickFiresOnlyEnabledTimers) {
  backend.Tick(fade);
  fade.SetEnabled(true);
  backend.Tick(fade);
  refresh.SetEnabled(true);
  other.SetEnabled(true);
  backend.TickEnabled();
  EXPECT_EQ(log, (std::vector<std::string>{"fade", "fade", "refresh", "other"}));
}

TEST_F(TimersTest, TickEnabledSkipsTimersSwitchedOffOnTheWay) {
  fade.onTimer = [this] {
    log.push_back("fade");
    refresh.SetEnabled(false);
  };
  fade.SetEnabled(true);
  refresh.SetEnabled(true);
  backend.TickEnabled();
  EXPECT_EQ(log, std::vector<std::string>{"fade"});
}

TEST_F(TimersTest, VirtualClockFiresByInterval) {
  fade.SetEnabled(true);
  refresh.SetEnabled(true);
  int fades = 0;
  fade.onTimer = [&] {
    if (++fades == 5) fade.SetEnabled(false);  // a fade that ends itself
  };
  backend.AdvanceMs(999);
  EXPECT_EQ(fades, 5);
  EXPECT_TRUE(log.empty());
  backend.AdvanceMs(1);
  backend.AdvanceMs(2500);
  EXPECT_EQ(log, (std::vector<std::string>{"refresh", "refresh", "refresh"}));
  EXPECT_EQ(backend.NowMs(), 3500);
}

TEST_F(TimersTest, SwitchingOnOrANewIntervalRestartsTheCount) {
  refresh.SetEnabled(true);
  backend.AdvanceMs(600);
  refresh.SetEnabled(false);
  refresh.SetEnabled(true);
  backend.AdvanceMs(600);
  EXPECT_TRUE(log.empty());
  refresh.SetInterval(100);
  backend.AdvanceMs(100);
  EXPECT_EQ(log, std::vector<std::string>{"refresh"});
  refresh.SetInterval(-5);  // refused
  EXPECT_EQ(refresh.Interval(), 100);
  refresh.SetInterval(0);  // an interval of 0 never ticks
  backend.AdvanceMs(1000);
  backend.Tick(refresh);
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(TimersTest, NoTickAfterTheEndOrOnAnUnloadedForm) {
  form.Show();
  fade.SetEnabled(true);
  other.SetEnabled(true);
  form.RequestClose();
  backend.TickEnabled();
  backend.AdvanceMs(1);
  EXPECT_EQ(log, (std::vector<std::string>{"other", "other"})) << "a tick, then the clock";
  log.clear();
  other.onTimer = [this] { backend.EndProgram(); };
  backend.AdvanceMs(10);
  backend.Tick(other);
  EXPECT_TRUE(backend.Ended());
  EXPECT_TRUE(log.empty());
}

TEST_F(TimersTest, ClockForgetsFormsThatAreGone) {
  auto transient = std::make_unique<Form>(backend, "F3", 10, 10);
  Timer& t = transient->AddTimer("T", 1);
  int ticks = 0;
  t.onTimer = [&] { ++ticks; };
  t.SetEnabled(true);
  backend.AdvanceMs(1);
  transient.reset();  // its timer must never be touched again
  backend.AdvanceMs(5);
  backend.TickEnabled();
  EXPECT_EQ(ticks, 1);
}

TEST(HeadlessBackend, ModalDriverRunsAndUnfinishedModalsAreNoted) {
  HeadlessBackend backend;
  Form owner{backend, "F1", 100, 100};
  Form report{backend, "F2", 50, 50};
  CommandButton& close = report.Add<CommandButton>("BClose");
  close.onClick = [&] { report.RequestClose(); };
  backend.modalDriver = [&](Form& f) {
    EXPECT_EQ(&f, &report);
    close.onClick();
  };
  report.ShowModal(&owner);
  backend.modalDriver = nullptr;
  report.ShowModal(&owner);
  ASSERT_EQ(backend.Modals().size(), 2u);
  EXPECT_EQ(backend.Modals()[0].owner, "F1");
  EXPECT_FALSE(backend.Modals()[0].returnedLoaded);
  EXPECT_TRUE(backend.Modals()[1].returnedLoaded);
  EXPECT_EQ(backend.Events(),
            (std::vector<std::string>{"created F2", "modal F2 over F1", "destroyed F2",
                                      "created F2", "modal F2 over F1"}));
}

TEST(HeadlessBackend, RecordsAlphaCursorsClipboardAndDoEvents) {
  HeadlessBackend backend;
  Form form{backend, "F1", 100, 100};
  for (int a : {0, 128, 255}) backend.SetLayeredAlpha(form, static_cast<std::uint8_t>(a));
  EXPECT_TRUE(backend.Record(form).layered);
  EXPECT_EQ(backend.Record(form).alphas, (std::vector<std::uint8_t>{0, 128, 255}));
  EXPECT_FALSE(backend.Record("F9").layered);

  EXPECT_EQ(backend.AppCursor(), CursorKind::Default);
  backend.SetAppCursor(CursorKind::Wait);
  backend.SetAppCursor(CursorKind::Custom);
  EXPECT_EQ(backend.AppCursors(), (std::vector<CursorKind>{CursorKind::Wait, CursorKind::Custom}));

  backend.SetClipboardText("a\r\nb");
  EXPECT_EQ(backend.Clipboard(), "a\r\nb");

  int hooked = 0;
  backend.doEventsHook = [&] {
    if (++hooked < 3) backend.DoEvents();  // re-entry is allowed
  };
  backend.DoEvents();
  EXPECT_EQ(backend.DoEventsCount(), 3);
}

TEST(HeadlessBackend, MeasuresByItsFixedRule) {
  HeadlessBackend backend;
  struct Case {
    std::string text;
    double size;
    bool bold;
    int weight;
    TextSize expected;
  };
  const std::vector<Case> cases = {
      {"", 9.75, false, 400, {0, 16}},
      {"Summary", 9.75, false, 400, {38, 16}},  // 7 × 5.3625 = 37.5375
      {"Summary", 9.75, true, 700, {41, 16}},   // × 1.1 = 41.29
      {"Summary", 9.75, false, 700, {41, 16}},  // the weight alone makes it bold
      {"\xE2\x82\xAC"
       "1",
       26.25,
       false,
       300,
       {29, 44}},  // "€1": two code points
      {"abc", -4, false, 400, {0, 0}},
      {"abc", 1e308, false, 400, {0, 0}},
  };
  for (const auto& c : cases) {
    Font f;
    f.size = c.size;
    f.bold = c.bold;
    f.weight = c.weight;
    const TextSize s = backend.MeasureText(f, c.text);
    EXPECT_EQ(s.width, c.expected.width) << c.text << " " << c.size;
    EXPECT_EQ(s.height, c.expected.height) << c.text << " " << c.size;
  }
}

}  // namespace
}  // namespace hv::tk

// The report window's states on the headless backend: start, fades, saving and closing.
#include "report/report_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/picture_holder.h"
#include "shell/skin.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportWindowTest : public ::testing::Test {
 protected:
  ReportWindowTest() { lang::LoadEnglish(fx.App().text); }
  ReportWindow& Open(bool transOn, int transparency = 0) {
    fx.App().look.transOn = transOn;
    fx.App().look.transparency = transparency;
    fx.App().reportWindow = std::make_shared<ReportWindow>(fx.App());
    window = fx.App().reportWindow.get();
    window->Show();  // no modal driver: returns with the window loaded
    return *window;
  }
  // Ticks the timer until it stops; returns the number of ticks.
  int RunOut(tk::Timer& t, int limit = 100) {
    int ticks = 0;
    while (t.Enabled() && ticks < limit) {
      fx.backend.Tick(t);
      ++ticks;
    }
    return ticks;
  }
  const std::vector<std::uint8_t>& Alphas() { return fx.backend.Record("F2").alphas; }

  test::AppFixture fx{""};
  ReportWindow* window = nullptr;
};

TEST_F(ReportWindowTest, WithoutTransparencyTheReportStartsOnceAtTheFirstTick) {
  ReportWindow& w = Open(false);
  EXPECT_TRUE(w.Descargador->Enabled());
  EXPECT_EQ(w.LStatus->Caption(), "");  // nothing to say before the first step
  EXPECT_EQ(w.LStatus->Left(), 48);
  EXPECT_FALSE(w.BSave->Enabled());
  EXPECT_FALSE(w.BClose->Enabled());
  EXPECT_EQ(w.Desc1->Caption(), "Make and save report as...");
  EXPECT_EQ(w.BSave->Caption(), "Save report as...");
  fx.backend.Tick(*w.Descargador);
  EXPECT_TRUE(w.ReportDone());
  EXPECT_FALSE(w.Descargador->Enabled());
  EXPECT_TRUE(w.BSave->Enabled());
  EXPECT_TRUE(w.BClose->Enabled());
  EXPECT_EQ(w.LStatus->Caption(), "Report made at 0 second/s");
  const std::string rtf = w.texts.Tb1.text;
  w.Descargador_Timer();  // a stray second call makes no second report
  EXPECT_EQ(w.texts.Tb1.text, rtf);
  EXPECT_TRUE(Alphas().empty());
}

TEST_F(ReportWindowTest, FadeInReachesTheUsersLevelThenStarts) {
  struct Case {
    int transparency;
    int ticks;
  };
  for (const Case c : {Case{0, 12}, Case{80, 3}, Case{37, 7}}) {
    ReportWindow& w = Open(true, c.transparency);
    ASSERT_FALSE(Alphas().empty());
    EXPECT_EQ(Alphas().front(), 0);  // fully transparent before it shows
    const std::size_t before = Alphas().size();
    EXPECT_EQ(RunOut(*w.TLoad), c.ticks) << c.transparency;
    EXPECT_EQ(Alphas().back(), shell::TransparencyAlpha(c.transparency));
    EXPECT_EQ(Alphas()[before], shell::TransparencyAlpha(91));
    EXPECT_TRUE(w.ReportDone());
    EXPECT_FALSE(w.Descargador->Enabled());
  }
}

TEST_F(ReportWindowTest, DonePictureFadesInTwentyTicks) {
  ReportWindow& w = Open(false);
  fx.backend.Tick(*w.Descargador);
  EXPECT_TRUE(w.TAlphaB->Enabled());
  EXPECT_EQ(RunOut(*w.TAlphaB), 20);
  EXPECT_EQ(w.FadeAlpha, 260);
  const tk::PictureBox* made = fx.App().Pictures().Get("Made");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(w.Pic1->Assigned(), made->Assigned());
}

TEST_F(ReportWindowTest, CloseRequestsWaitForTheReport) {
  ReportWindow& w = Open(true, 50);
  EXPECT_FALSE(w.form.RequestClose());
  EXPECT_TRUE(w.form.Loaded());
  EXPECT_FALSE(w.TUnload->Enabled());
  RunOut(*w.TLoad);
  ASSERT_TRUE(w.ReportDone());
  fx.Main().Timer1->SetEnabled(false);
  // The title bar's close now acts as Accept, fade-out included.
  EXPECT_FALSE(w.form.RequestClose());
  EXPECT_TRUE(fx.Main().Timer1->Enabled());
  EXPECT_TRUE(w.texts.Tb1.text.empty());
  EXPECT_TRUE(w.TUnload->Enabled());
  EXPECT_FALSE(w.form.RequestClose());  // a second click does not restart the fade
  EXPECT_EQ(RunOut(*w.TUnload), 6);     // 59, 68 ... 104
  EXPECT_FALSE(w.form.Loaded());
  EXPECT_EQ(Alphas().back(), 0);
}

TEST_F(ReportWindowTest, AcceptRestartsTheLiveRefreshAndCloses) {
  for (bool transOn : {false, true}) {
    ReportWindow& w = Open(transOn, 0);
    if (transOn)
      RunOut(*w.TLoad);
    else
      fx.backend.Tick(*w.Descargador);
    fx.Main().Timer1->SetEnabled(false);
    w.BClose->onClick();
    EXPECT_TRUE(fx.Main().Timer1->Enabled());
    for (Format f : kFormats) EXPECT_TRUE(w.texts.Output(f).text.empty());
    EXPECT_EQ(w.form.Loaded(), transOn) << transOn;  // still fading out
    // Nothing left to save: a Save now would write an empty report over the chosen file.
    EXPECT_FALSE(w.BSave->Enabled());
    EXPECT_FALSE(w.BClose->Enabled());
    if (transOn) {
      EXPECT_EQ(RunOut(*w.TUnload), 12);
      EXPECT_FALSE(w.form.Loaded());
    }
  }
}

TEST_F(ReportWindowTest, SavesEachFormatAnyNumberOfTimes) {
  ReportWindow& w = Open(false);
  fx.backend.Tick(*w.Descargador);
  const auto dir = std::filesystem::temp_directory_path() / "harvala_report_window_test";
  std::filesystem::create_directories(dir);
  for (int type : {1, 2, 3, 4, 2}) {
    const auto path = dir / ("report" + std::to_string(type));
    fx.system.saveResult = {path.string(), type};
    w.BSave->onClick();
    const std::string ext = type == 1 ? ".rtf" : type == 2 ? ".htm" : ".txt";
    const std::string bytes = ReadFile(path.string() + ext);
    const std::string& out = w.texts.Output(static_cast<Format>(type)).text;
    ASSERT_FALSE(out.empty());
    // Each middle dot (two bytes inside) is one byte in the file.
    std::size_t dots = 0;
    for (auto at = out.find("\u00B7"); at != std::string::npos; at = out.find("\u00B7", at + 1)) {
      ++dots;
    }
    EXPECT_EQ(bytes.size(), out.size() + 2 - dots) << type;
    EXPECT_TRUE(bytes.ends_with(type == 1 ? "}\r\n \r\n" : "\r\n"));
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
  }
  const std::string plain = ReadFile(dir / "report4.txt");
  EXPECT_NE(plain.find("\r\n \xB7 Report made by"), std::string::npos);
  EXPECT_EQ(plain.find('\xC2'), std::string::npos);
  EXPECT_EQ(fx.system.saveRequests.back().defaultExtension, "rtf");
  EXPECT_EQ(w.SaveFilterIndex, 2);
  std::filesystem::remove_all(dir);
}

// Only a save that fails says so: which file, and why in Windows' words, in a box the report
// window owns. The file stays as it was, and the window can save again and close.
TEST_F(ReportWindowTest, AFailedSaveIsToldOnceAndTheWindowGoesOn) {
  ReportWindow& w = Open(false);
  fx.backend.Tick(*w.Descargador);
  w.form.nativeHandle = 0x1234;
  const auto dir = std::filesystem::temp_directory_path() / "harvala_report_window_fail";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "old.txt").string();
  struct Case {
    std::string path;  // empty: the dialog was cancelled
    bool fail;
    std::size_t told;
  };
  for (const Case& c : {Case{"", false, 0}, Case{path, true, 1}, Case{path, false, 0}}) {
    fx.system.errorsShown.clear();
    fx.system.failFileWrites = c.fail;
    fx.system.saveResult = {c.path, 4};
    w.BSave->onClick();
    ASSERT_EQ(fx.system.errorsShown.size(), c.told) << c.path << c.fail;
    EXPECT_TRUE(w.BSave->Enabled());
    EXPECT_TRUE(w.BClose->Enabled());
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "old report";
  fx.system.failFileWrites = true;
  w.BSave->onClick();
  EXPECT_EQ(ReadFile(path), "old report");
  ASSERT_EQ(fx.system.errorsShown.size(), 1u);
  EXPECT_EQ(fx.system.errorsShown[0].owner, 0x1234u);
  EXPECT_EQ(fx.system.errorsShown[0].title, "Brenlow Harvala");
  EXPECT_EQ(fx.system.errorsShown[0].message, path + "\r\n" + fx.system.writeError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  fx.Main().Timer1->SetEnabled(false);
  w.BClose->onClick();
  EXPECT_TRUE(fx.Main().Timer1->Enabled());
  EXPECT_FALSE(w.form.Loaded());
  std::filesystem::remove_all(dir);
}

TEST_F(ReportWindowTest, CancelledSaveWritesNothing) {
  ReportWindow& w = Open(false);
  fx.backend.Tick(*w.Descargador);
  fx.system.saveResult = {};
  w.BSave->onClick();
  EXPECT_TRUE(fx.system.writtenFiles.empty());
  EXPECT_EQ(fx.system.saveRequests.size(), 1u);
}

TEST_F(ReportWindowTest, MakeAReportShowsTheWindowModallyAndLetsItGo) {
  fx.Start();
  fx.App().look.transOn = false;
  int ticks = 0;
  fx.backend.modalDriver = [&](tk::Form& f) {
    auto* w = fx.App().reportWindow.get();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(&w->form, &f);
    fx.backend.Tick(*w->Descargador);
    ++ticks;
    w->BClose->onClick();
  };
  fx.Main().CrearInforme_Click();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(fx.App().reportWindow, nullptr);
  EXPECT_TRUE(fx.Main().Timer1->Enabled());
  ASSERT_FALSE(fx.backend.Modals().empty());
  EXPECT_EQ(fx.backend.Modals().back().owner, "F1");
  EXPECT_FALSE(fx.backend.Modals().back().returnedLoaded);
}

TEST_F(ReportWindowTest, SubstituteFontsWithoutTheInterfaceFonts) {
  fx.App().fontFlag = 0;
  ReportWindow& w = Open(false);
  EXPECT_EQ(w.Desc1->GetFont().name, "Trebuchet MS");
  EXPECT_EQ(w.Desc1->GetFont().size, 12);
  EXPECT_EQ(w.Desc2->GetFont().name, "Tahoma");
  EXPECT_EQ(w.Desc2->GetFont().size, 8);
  EXPECT_EQ(w.LStatus->Top(), 98);
  EXPECT_EQ(w.BClose->font.name, "Tahoma");
  fx.App().fontFlag = 32;
  ReportWindow& again = Open(false);
  EXPECT_EQ(again.Desc1->GetFont().name, "Segoe UI");
  EXPECT_EQ(again.LStatus->Top(), 99);
}

}  // namespace
}  // namespace hv::report

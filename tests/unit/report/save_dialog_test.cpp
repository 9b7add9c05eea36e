// The save dialog's request and the path and file type it hands back.
#include "shell/save_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace hv::shell {
namespace {

const std::string kFilter =
    "Rich text format (*.rtf)|*.rtf|Web page (*.htm)|*.htm|BBCode (*.txt)|*.txt|"
    "Plain text (*.txt)|*.txt|";

std::string Nul(std::string filter) {
  for (char& c : filter) c = c == '|' ? '\0' : c;
  return filter;
}

TEST(FilterExtension, ByFileType) {
  struct Case {
    int index;
    const char* extension;
    std::uint8_t recorded;
  };
  const Case cases[] = {{1, ".rtf", 1}, {2, ".htm", 2}, {3, ".txt", 3}, {4, ".txt", 4},
                        {0, "", 0},     {5, "", 5},     {-1, "", 77},   {300, "", 77}};
  for (const auto& c : cases) {
    std::uint8_t index = 77;
    EXPECT_EQ(FilterExtension(Nul(kFilter), c.index, index), c.extension) << c.index;
    EXPECT_EQ(index, c.recorded) << c.index;
  }
  std::uint8_t index = 0;
  EXPECT_EQ(FilterExtension(Nul("Only (*.x)|*.x|"), 2, index), "");  // no such pattern
}

class SaveDialogTest : public ::testing::Test {
 protected:
  std::string Save(const std::string& path, int type) {
    fx.system.saveResult = {path, type};
    filter = kFilter;
    return SaveDialog(fx.App(), fx.Main().form, "Save report as...", filter,
                      "Brenlow Harvala report", index);
  }
  test::AppFixture fx{""};
  std::string filter;
  std::uint8_t index = 9;
};

TEST_F(SaveDialogTest, AsksWithTitleTypesNameDesktopAndDefaultExtension) {
  Save("", 0);
  ASSERT_EQ(fx.system.saveRequests.size(), 1u);
  const auto& r = fx.system.saveRequests[0];
  EXPECT_EQ(r.title, "Save report as...");
  EXPECT_EQ(r.filter, kFilter);
  EXPECT_EQ(r.defaultName, "Brenlow Harvala report");
  EXPECT_EQ(r.initialFolder, "C:\\Users\\Anna\\Desktop");
  EXPECT_EQ(r.defaultExtension, "rtf");
  EXPECT_EQ(r.owner, fx.Main().form.nativeHandle);
  EXPECT_EQ(filter, Nul(kFilter));  // the caller's list now holds NULs
}

TEST_F(SaveDialogTest, ThePathEndsInTheChosenExtensionOnce) {
  struct Case {
    std::string chosen;
    int type;
    std::string path;
    std::uint8_t index;
  };
  const Case cases[] = {
      {"C:\\D\\report", 1, "C:\\D\\report.rtf", 1},
      {"C:\\D\\report.rtf", 1, "C:\\D\\report.rtf", 1},
      {"C:\\D\\REPORT.RTF", 1, "C:\\D\\REPORT.RTF", 1},
      {"C:\\D\\report.htm", 2, "C:\\D\\report.htm", 2},
      {"C:\\D\\report.txt", 1, "C:\\D\\report.txt.rtf", 1},
      {"C:\\D\\report", 4, "C:\\D\\report.txt", 4},
      {std::string("C:\\D\\a.txt\0rest of the buffer", 29), 3, "C:\\D\\a.txt", 3},
      {"C:\\D\\odd", 7, "C:\\D\\odd", 7},
      {"", 2, "", 9},                         // cancelled: nothing, the index kept
      {std::string("\0C:\\x", 5), 2, "", 9},  // nothing before the first NUL
  };
  for (const auto& c : cases) {
    index = 9;
    EXPECT_EQ(Save(c.chosen, c.type), c.path) << c.chosen;
    EXPECT_EQ(index, c.index) << c.chosen;
  }
}

TEST_F(SaveDialogTest, AsksAgainBeforeReplacingAFileItDidNotAskAbout) {
  fx.system.fileAttributes["C:\\D\\old.rtf.txt"] = 0x20;
  std::vector<platform::SaveDialogResult> answers;
  fx.system.saveDialogHandler = [&](const platform::SaveDialogRequest&) {
    if (answers.empty()) return platform::SaveDialogResult{};
    auto next = answers.front();
    answers.erase(answers.begin());
    return next;
  };
  struct Case {
    std::vector<platform::SaveDialogResult> answers;
    std::string path;
    std::size_t dialogs;
  };
  const Case cases[] = {
      // The existing file is shown by its full name; confirmed there, it is the one written.
      {{{"C:\\D\\old.rtf", 3}, {"C:\\D\\old.rtf.txt", 3}}, "C:\\D\\old.rtf.txt", 2},
      {{{"C:\\D\\old.rtf", 3}, {"", 0}}, "", 2},           // cancelled the second time
      {{{"C:\\D\\new.rtf", 3}}, "C:\\D\\new.rtf.txt", 1},  // nothing to replace
      {std::vector<platform::SaveDialogResult>(8, {"C:\\D\\old.rtf", 3}), "", 8},
  };
  for (const auto& c : cases) {
    answers = c.answers;
    fx.system.saveRequests.clear();
    EXPECT_EQ(Save("", 0), c.path);
    ASSERT_EQ(fx.system.saveRequests.size(), c.dialogs) << c.path;
    EXPECT_EQ(fx.system.saveRequests[0].filterIndex, 1);
    if (c.dialogs > 1) {
      const auto& again = fx.system.saveRequests[1];
      EXPECT_EQ(again.initialFolder, "C:\\D");
      EXPECT_EQ(again.defaultName, "old.rtf.txt");
      EXPECT_EQ(again.filterIndex, 3);
      EXPECT_EQ(again.defaultExtension, "txt");
    }
  }
}

TEST_F(SaveDialogTest, OverlongInitialNameAndNoShellObject) {
  fx.withShell = false;
  fx.system.saveResult = {};
  filter = kFilter;
  SaveDialog(fx.App(), fx.Main().form, "t", filter, std::string(255, 'n'), index);
  ASSERT_EQ(fx.system.saveRequests.size(), 1u);
  EXPECT_EQ(fx.system.saveRequests[0].defaultName, "");
  EXPECT_EQ(fx.system.saveRequests[0].initialFolder, "");
}

}  // namespace
}  // namespace hv::shell

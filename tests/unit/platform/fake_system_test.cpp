#include "support/fake_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace hv::test {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class FakeSystemFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("harvala_fake_system_" +
            std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
  FakeSystem system;
};

TEST_F(FakeSystemFileTest, WritesTheFileInWindows1252AndReplacesIt) {
  const auto path = (dir_ / "report.txt").string();
  ASSERT_TRUE(system.WriteAnsiFile(path, "a much longer first version of the file"));
  ASSERT_TRUE(system.WriteAnsiFile(path, "Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD\r\n"));
  EXPECT_EQ(ReadFile(path), "Caf\xE9 \x80 ?\r\n");
  EXPECT_EQ(system.writtenFiles, (std::vector<std::string>{path, path}));
}

TEST_F(FakeSystemFileTest, ReportsFilesItCannotWrite) {
  EXPECT_FALSE(system.WriteAnsiFile((dir_ / "no such folder" / "r.txt").string(), "x"));
  EXPECT_FALSE(system.WriteAnsiFile(dir_.string(), "x"));  // a folder, not a file
  EXPECT_FALSE(system.WriteAnsiFile("", "x"));
  system.failFileWrites = true;
  EXPECT_FALSE(system.WriteAnsiFile((dir_ / "r.txt").string(), "x"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "r.txt"));
  EXPECT_TRUE(system.writtenFiles.empty());
}

TEST(FakeSystemTest, AnswersFromItsFieldsAndLogsRequests) {
  FakeSystem system;
  system.environment = {{"UserName", "Anna"}};
  EXPECT_EQ(system.Environment("USERNAME"), "Anna");
  EXPECT_EQ(system.Environment("Path"), std::nullopt);
  system.fileAttributes["C:\\Windows\\Fonts\\segoeui.ttf"] = 32;
  EXPECT_EQ(system.FileAttributes("c:\\windows\\fonts\\SEGOEUI.TTF"), 32u);
  EXPECT_EQ(system.FileAttributes("C:\\nothing"), std::nullopt);

  system.saveResult = {"C:\\r.html", 2};
  const auto result = system.SaveDialog({7, "Save report as...", "Text|*.txt", "Report", "", ""});
  EXPECT_EQ(result.path, "C:\\r.html");
  EXPECT_EQ(system.saveRequests.at(0).title, "Save report as...");
  system.saveDialogHandler = [](const platform::SaveDialogRequest& r) {
    return platform::SaveDialogResult{r.defaultName + ".txt", 4};
  };
  EXPECT_EQ(system.SaveDialog({0, "", "", "Report", "", ""}).path, "Report.txt");

  system.OpenUrl(3, "http://example.org/");
  EXPECT_EQ(system.openedUrls.at(0),
            (std::pair<std::uintptr_t, std::string>{3, "http://example.org/"}));
}

TEST(FakeSystemTest, ClocksAdvanceAndTheShortOneWraps) {
  FakeSystem system;
  system.tickCount = 0xFFFFFF00u;
  system.tickCount64 = 0xFFFFFF00u;
  system.AdvanceTicks(0x200);
  EXPECT_EQ(system.TickCount(), 0x100u);
  EXPECT_EQ(system.TickCount64(), 0x100000100u);
}

}  // namespace
}  // namespace hv::test

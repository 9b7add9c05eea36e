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

TEST_F(FakeSystemFileTest, WritesTheBytesAndReplacesTheFile) {
  const auto path = (dir_ / "report.txt").string();
  ASSERT_TRUE(system.WriteFileBytes(path, "a much longer first version of the file").ok);
  ASSERT_TRUE(system.WriteFileBytes(path, std::string("Caf\xE9\0\r\n", 7)).ok);
  EXPECT_EQ(ReadFile(path), std::string("Caf\xE9\0\r\n", 7));
  EXPECT_EQ(system.writtenFiles, (std::vector<std::string>{path, path}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(FakeSystemFileTest, ReportsFilesItCannotWriteAndLeavesThemAsTheyWere) {
  const auto folder = dir_ / "folder";
  std::filesystem::create_directories(folder / "inside");
  const auto kept = (dir_ / "kept.txt").string();
  ASSERT_TRUE(system.WriteFileBytes(kept, "old").ok);
  EXPECT_FALSE(system.WriteFileBytes((dir_ / "no such folder" / "r.txt").string(), "x").ok);
  EXPECT_FALSE(system.WriteFileBytes(folder.string(), "x").ok);  // a folder, not a file
  EXPECT_FALSE(system.WriteFileBytes("", "x").ok);
  system.failFileWrites = true;
  const platform::FileWriteResult failed = system.WriteFileBytes(kept, "new");
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.error, system.writeError);
  EXPECT_EQ(ReadFile(kept), "old");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);  // no stray file
  EXPECT_EQ(system.writtenFiles.size(), 1u);
}

TEST(FakeSystemTest, AnsiCodePages) {
  FakeSystem system;
  const auto cp1252 = system.ToAnsi("Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD");
  EXPECT_EQ(cp1252->bytes, "Caf\xE9 \x80 ?");
  EXPECT_FALSE(cp1252->exact);
  EXPECT_TRUE(system.ToAnsi("Caf\xC3\xA9 \xE2\x82\xAC ?")->exact);
  system.ansiCodePage = 932;
  // "ソ", "＋", "±" and a character the sample lacks.
  const auto cp932 = system.ToAnsi("\xE3\x82\xBD\xEF\xBC\x8B\xC2\xB1\xC3\xA9!");
  EXPECT_EQ(cp932->bytes, "\x83\x5C\x81\x7B\x81\x7D?!");
  EXPECT_FALSE(cp932->exact);
  EXPECT_TRUE(system.ToAnsi("\xE3\x82\xBD!")->exact);
}

TEST(FakeSystemTest, WritesDatesAndTimesInItsPictures) {
  FakeSystem system;
  const platform::CalendarDate date{2014, 3, 9};
  const std::pair<const char*, const char*> dates[] = {
      {"dd/MM/yyyy", "09/03/2014"},      {"M/d/yy", "3/9/14"},
      {"dddd d MMMM", "Sunday 9 March"}, {"ddd, MMM d", "Sun, Mar 9"},
      {"d 'de' MMMM", "9 de March"},     {"'unclosed", "unclosed"},
  };
  for (const auto& [picture, text] : dates) {
    system.shortDateFormat = picture;
    EXPECT_EQ(system.ShortDate(date), text) << picture;
  }
  EXPECT_EQ(system.ShortDate({1600, 12, 31}), std::nullopt);
  EXPECT_EQ(system.ShortDate({2014, 13, 1}), std::nullopt);

  const std::pair<const char*, const char*> times[] = {
      {"HH:mm:ss", "00:05:07"},
      {"H:m:s", "0:5:7"},
      {"hh:mm:ss tt", "12:05:07 a. m."},
      {"h:mm t", "12:05 a"},
  };
  system.amMarker = "a. m.";
  for (const auto& [picture, text] : times) {
    system.longTimeFormat = picture;
    EXPECT_EQ(system.LongTime({0, 5, 7}), text) << picture;
  }
  EXPECT_EQ(system.LongTime({24, 0, 0}), std::nullopt);
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

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
  ASSERT_TRUE(system.WriteFileBytes(path, "a much longer first version of the file"));
  ASSERT_TRUE(system.WriteFileBytes(path, std::string("Caf\xE9\0\r\n", 7)));
  EXPECT_EQ(ReadFile(path), std::string("Caf\xE9\0\r\n", 7));
  EXPECT_EQ(system.writtenFiles, (std::vector<std::string>{path, path}));
}

TEST_F(FakeSystemFileTest, ReportsFilesItCannotWrite) {
  EXPECT_FALSE(system.WriteFileBytes((dir_ / "no such folder" / "r.txt").string(), "x"));
  EXPECT_FALSE(system.WriteFileBytes(dir_.string(), "x"));  // a folder, not a file
  EXPECT_FALSE(system.WriteFileBytes("", "x"));
  system.failFileWrites = true;
  EXPECT_FALSE(system.WriteFileBytes((dir_ / "r.txt").string(), "x"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "r.txt"));
  EXPECT_TRUE(system.writtenFiles.empty());
}

TEST(FakeSystemTest, AnsiCodePages) {
  FakeSystem system;
  EXPECT_EQ(system.ToAnsi("Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"), "Caf\xE9 \x80 ?");
  for (int b = 0; b < 256; ++b) EXPECT_FALSE(system.IsAnsiLeadByte(static_cast<unsigned char>(b)));
  system.ansiCodePage = 932;
  // "ソ", "＋", "±" and a character the sample lacks.
  EXPECT_EQ(system.ToAnsi("\xE3\x82\xBD\xEF\xBC\x8B\xC2\xB1\xC3\xA9!"),
            "\x83\x5C\x81\x7B\x81\x7D?!");
  EXPECT_TRUE(system.IsAnsiLeadByte(0x81));
  EXPECT_TRUE(system.IsAnsiLeadByte(0xE0));
  EXPECT_FALSE(system.IsAnsiLeadByte(0x5C));
  EXPECT_FALSE(system.IsAnsiLeadByte(0xA5));
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

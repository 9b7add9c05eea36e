// The saved rich text on a double-byte ANSI code page: a second byte that reads as \, { or }
// must not change the document's structure, and a reader that does not know \u still reads
// each character in the code page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "report/report_window.h"
#include "report/rtf_reading.h"
#include "support/app_fixture.h"
#include "support/cp1252.h"

namespace hv::report {
namespace {

using test::ReadRtf;
using test::RtfReading;

class RtfReportTest : public ::testing::Test {
 protected:
  RtfReportTest() {
    lang::LoadEnglish(fx.App().text);
    fx.App().look.transOn = false;  // the report starts at the window's first tick
    dir_ = std::filesystem::temp_directory_path() /
           ("harvala_rtf_dbcs_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  ~RtfReportTest() override { std::filesystem::remove_all(dir_); }

  // Makes a report with the value as the registered user and saves its rich text.
  std::string SavedRtf(const std::string& value) {
    fx.wmi.Set("Win32_OperatingSystem", 0, "RegisteredUser", platform::Variant(value));
    fx.App().reportWindow = std::make_shared<ReportWindow>(fx.App());
    ReportWindow& w = *fx.App().reportWindow;
    w.Show();
    fx.backend.Tick(*w.Descargador);
    const auto path = dir_ / "report";
    fx.system.saveResult = {path.string(), 1};
    w.BSave->onClick();
    std::ifstream in(path.string() + ".rtf", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  test::AppFixture fx{"typical"};
  std::filesystem::path dir_;
};

TEST_F(RtfReportTest, ValuesWithDoubleByteCharactersKeepTheDocumentWhole) {
  const std::string plainRtf = ReadRtf(SavedRtf("Anna")).text;
  fx.system.ansiCodePage = 932;
  const std::string values[] = {
      "Anna\xEF\xBC\x8B"
      "Berg",                           // "Anna＋Berg": one opening brace too many
      "\xC2\xB1",                       // "±": one closing brace
      "\xE3\x82\xBD\xE8\xA1\xA8 \\{}",  // "ソ表" then ASCII that needs escaping
  };
  for (const std::string& value : values) {
    const std::string rtf = SavedRtf(value);
    ASSERT_FALSE(rtf.empty());
    EXPECT_NE(rtf.find("\\ansicpg932"), std::string::npos);
    for (char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "a raw double byte";
    const RtfReading reading = ReadRtf(rtf);
    EXPECT_EQ(reading.depth, 0) << value;
    EXPECT_FALSE(reading.underflow) << value;
    EXPECT_NE(test::Cp932SampleToUtf8(reading.text).find("Registered by: " + value),
              std::string::npos)
        << value;
  }
  // The rest of the document reads as it did with a plain value.
  EXPECT_EQ(ReadRtf(SavedRtf("Anna")).text, plainRtf);
}

// On a single-byte code page an old reader sees what the file held before (the code page's
// bytes), and a reader that knows \u sees the text itself.
TEST_F(RtfReportTest, SingleByteCodePagesReadAsBeforeAndInFull) {
  for (const std::string value :
       {"Caf\xC3\xA9 \\{} \xC2\xB1", "\xD0\x9E\xD0\xBB\xD1\x8C\xD0\xB3\xD0\xB0 \xCE\xA9"}) {
    const std::string rtf = SavedRtf(value);
    const std::string text = fx.App().reportWindow->texts.Tb1.text + "\r\n";
    for (char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << value;
    EXPECT_EQ(ReadRtf(rtf).text, ReadRtf(test::Utf8ToCp1252(text)).text) << value;
    EXPECT_EQ(ReadRtf(rtf, true).text, ReadRtf(text, true).text) << value;
    EXPECT_NE(ReadRtf(rtf, true).text.find("Registered by: " + value), std::string::npos);
  }
  EXPECT_NE(SavedRtf("Caf\xC3\xA9").find("Caf\\u233\\'e9"), std::string::npos);
}

}  // namespace
}  // namespace hv::report

// The saved rich text on a double-byte ANSI code page: a second byte that reads as \, { or }
// must not change the document's structure.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "report/formats.h"
#include "report/report_window.h"
#include "support/app_fixture.h"
#include "support/cp1252.h"

namespace hv::report {
namespace {

// What a reader of the file sees: the group depth, whether it ever went below zero, and the
// bytes of text, \'hh turned back into the byte it stands for.
struct RtfReading {
  int depth = 0;
  bool underflow = false;
  std::string text;
};

int HexDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
}

RtfReading ReadRtf(const std::string& rtf) {
  RtfReading r;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '{' || c == '}') {
      r.depth += c == '{' ? 1 : -1;
      r.underflow = r.underflow || r.depth < 0;
    } else if (c != '\\') {
      if (c != '\r' && c != '\n') r.text += c;
    } else if (i + 1 < rtf.size() &&
               std::string_view("\\{}").find(rtf[i + 1]) != std::string::npos) {
      r.text += rtf[++i];
    } else if (i + 3 < rtf.size() && rtf[i + 1] == '\'') {
      r.text += static_cast<char>(HexDigit(rtf[i + 2]) * 16 + HexDigit(rtf[i + 3]));
      i += 3;
    } else {  // a control word, its number and the one space that ends it
      while (i + 1 < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) ++i;
      while (i + 1 < rtf.size() &&
             (std::isdigit(static_cast<unsigned char>(rtf[i + 1])) || rtf[i + 1] == '-')) {
        ++i;
      }
      if (i + 1 < rtf.size() && rtf[i + 1] == ' ') ++i;
    }
  }
  return r;
}

TEST(RtfDoubleBytes, EveryByteOfADoubleByteCharacterIsEscaped) {
  test::FakeSystem system;
  system.ansiCodePage = 932;
  const std::pair<std::string, std::string> cases[] = {
      {"A\x83\x5C{", "A\\'83\\'5c{"},                // "ソ": the second byte is a backslash
      {"\x81\x7B\x81\x7D", "\\'81\\'7b\\'81\\'7d"},  // "＋±": braces
      {"\\'b7 plain", "\\'b7 plain"},                // ASCII, and escapes already made, unchanged
      {"end\x95", "end\\'95"},                       // a lead byte with nothing after it
      {"\xA5\xDF", "\xA5\xDF"},                      // single-byte katakana are not lead bytes
      {"", ""},
  };
  for (const auto& [ansi, escaped] : cases) EXPECT_EQ(EscapeDoubleBytes(ansi, system), escaped);

  system.ansiCodePage = 1252;
  std::string everyByte;
  for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
  EXPECT_EQ(EscapeDoubleBytes(everyByte, system), everyByte);
}

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

TEST_F(RtfReportTest, SingleByteCodePagesSaveTheTextAsItWas) {
  const std::string value = "Caf\xC3\xA9 \\{} \xC2\xB1";
  const std::string rtf = SavedRtf(value);
  const std::string expected = test::Utf8ToCp1252(fx.App().reportWindow->texts.Tb1.text + "\r\n");
  EXPECT_EQ(rtf, expected);
  EXPECT_NE(rtf.find("Caf\xE9 \\\\\\{\\} \xB1"), std::string::npos);
}

}  // namespace
}  // namespace hv::report

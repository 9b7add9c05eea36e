// Saved report files keep every character: the rich text and the web page name what is not
// ASCII, forum markup and plain text fall back to UTF-8 only when the ANSI code page cannot
// hold the report.
#include "report/report_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "report/report_window.h"
#include "report/rtf_reading.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

constexpr const char* kBom = "\xEF\xBB\xBF";
const std::string kBoard =
    "\xD0\x9F\xD0\xBB\xD0\xB0\xD1\x82\xD0\xB0 ASUS \xE6\x97\xA5\xE6\x9C\xAC "
    "\xCE\xA9mega";  // Плата ASUS 日本 Ωmega
const std::string kOwner = "\xD0\x9E\xD0\xBB\xD1\x8C\xD0\xB3\xD0\xB0 \xF0\x9F\x98\x80";  // Ольга 😀

TEST(ReportFileBytes, NameEveryCharacterTheCodePageCannotHold) {
  struct Case {
    unsigned codePage;
    Format format;
    std::string text;
    std::string bytes;
  };
  const Case cases[] = {
      {1252, Format::Rtf, "Caf\xC3\xA9 \\{", "Caf\\u233\\'e9 \\{"},
      {1252, Format::Rtf, "\xCE\xA9\xE6\x97\xA5", "\\u937?\\u26085?"},
      {1252, Format::Rtf, "\xEF\xBC\x8B", "\\u-245?"},                   // U+FF0B: negative
      {1252, Format::Rtf, "\xF0\x9F\x98\x80!", "\\u-10179?\\u-8704?!"},  // two surrogates
      {1252, Format::Rtf, "\xFF", "\\u-3?"},                             // a stray byte
      {932, Format::Rtf,
       "\xE3\x82\xBD"
       "1",
       "{\\uc2\\u12477\\'83\\'5c}1"},
      {932, Format::Rtf, "\xC3\xA9", "\\u233?"},
      {1252, Format::Html, "\xC3\xA9<\xCE\xA9\xF0\x9F\x98\x80", "&#233;<&#937;&#128512;"},
      {1252, Format::Plain, "Caf\xC3\xA9 \xC2\xB7\r\n", "Caf\xE9 \xB7\r\n"},
      {1252, Format::Plain, "\xCE\xA9 \xC3\xA9", std::string(kBom) + "\xCE\xA9 \xC3\xA9"},
      {1252, Format::BBCode, "[b]\xE6\x97\xA5\xFF",
       std::string(kBom) + "[b]\xE6\x97\xA5\xEF\xBF\xBD"},
      {932, Format::BBCode, "\xE3\x82\xBD", "\x83\x5C"},
      {1252, Format::Plain, "", ""},
  };
  for (const Case& c : cases) {
    test::FakeSystem system;
    system.ansiCodePage = c.codePage;
    EXPECT_EQ(ReportFileBytes(system, c.format, c.text), c.bytes) << c.text;
  }
}

// &#N; back to the character.
std::string Unescaped(const std::string& html) {
  static const std::regex kReference("&#([0-9]+);");
  std::string out;
  auto from = html.cbegin();
  for (std::sregex_iterator it(html.begin(), html.end(), kReference), end; it != end; ++it) {
    out.append(from, (*it)[0].first);
    platform::AppendUtf8(out, static_cast<char32_t>(std::stoul((*it)[1].str())));
    from = (*it)[0].second;
  }
  out.append(from, html.cend());
  return out;
}

bool IsAscii(const std::string& bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

class SavedReportTest : public ::testing::Test {
 protected:
  SavedReportTest() {
    lang::LoadEnglish(fx.App().text);
    fx.App().look.transOn = false;
    dir_ = std::filesystem::temp_directory_path() /
           ("harvala_saved_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  ~SavedReportTest() override { std::filesystem::remove_all(dir_); }

  ReportWindow& MakeReport(const std::string& board, const std::string& owner) {
    fx.wmi.Set("Win32_BaseBoard", 0, "Product", platform::Variant(board));
    fx.wmi.Set("Win32_OperatingSystem", 0, "RegisteredUser", platform::Variant(owner));
    fx.App().reportWindow = std::make_shared<ReportWindow>(fx.App());
    ReportWindow& w = *fx.App().reportWindow;
    w.Show();
    fx.backend.Tick(*w.Descargador);
    return w;
  }
  std::string Save(ReportWindow& w, Format format) {
    const auto path = dir_ / ("report" + std::to_string(static_cast<int>(format)));
    fx.system.saveResult = {path.string(), static_cast<int>(format)};
    w.BSave->onClick();
    const char* ext = format == Format::Rtf ? ".rtf" : format == Format::Html ? ".htm" : ".txt";
    std::ifstream in(path.string() + ext, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  test::AppFixture fx{"typical"};
  std::filesystem::path dir_;
};

TEST_F(SavedReportTest, EveryFileReadsBackWithEveryCharacter) {
  ReportWindow& w = MakeReport(kBoard, kOwner);
  for (Format f : kFormats) {
    const std::string text = w.texts.Output(f).text + "\r\n";
    const std::string bytes = Save(w, f);
    ASSERT_FALSE(bytes.empty()) << static_cast<int>(f);
    std::string read;
    if (f == Format::Rtf) {
      EXPECT_TRUE(IsAscii(bytes));
      const test::RtfReading reading = test::ReadRtf(bytes, true);
      EXPECT_EQ(reading.depth, 0);
      EXPECT_FALSE(reading.underflow);
      EXPECT_EQ(reading.text, test::ReadRtf(text, true).text);
      read = reading.text;
    } else if (f == Format::Html) {
      EXPECT_TRUE(IsAscii(bytes));
      read = Unescaped(bytes);
      EXPECT_EQ(read, text);
    } else {
      EXPECT_EQ(bytes, kBom + text);
      read = bytes;
    }
    EXPECT_NE(read.find(kBoard), std::string::npos) << static_cast<int>(f);
    EXPECT_NE(read.find(kOwner), std::string::npos) << static_cast<int>(f);
  }
}

}  // namespace
}  // namespace hv::report

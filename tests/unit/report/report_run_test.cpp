// A whole report run: heads, the section chain with stand-in writers, and the closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/closing.h"
#include "report/heads.h"
#include "report/section_chain.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

void TwoRows(ReportRun& run) {
  const std::vector<ReportRow> rows{{"Name:", "C:\\x {y} <b> ^c (2)"},
                                    {"Domain:", ValueOrUnknown(run, "")}};
  run.texts.Tb.AppendRows(rows);
}

void OneRow(ReportRun& run) {
  run.texts.Tb.AppendRows(std::vector<ReportRow>{{"Speed:", "2.4 Ghz"}});
}

class ReportRunTest : public ::testing::Test {
 protected:
  ReportRunTest() {
    lang::LoadEnglish(fx.App().text);
    fx.App().look.colorRed = 0;
    fx.App().look.colorGreen = 51;
    fx.App().look.colorBlue = 255;
  }
  ReportRun Run() {
    return {fx.App(), texts, 1000, [this](const std::string& s) { statuses.push_back(s); }};
  }
  test::AppFixture fx{""};
  ReportTexts texts;
  std::vector<std::string> statuses;
};

TEST_F(ReportRunTest, ChainShowsEveryStepAndWritesOnlyRealSections) {
  const SectionStep steps[] = {{"1/3", 12, TwoRows}, {"2/3", 13, nullptr}, {"3/3", 15, OneRow}};
  texts.Tb.AppendTitle("left over from before");
  ReportRun run = Run();
  RunSections(run, steps);
  EXPECT_EQ(statuses,
            (std::vector<std::string>{"Making report, step 1/3", "Making report, step 2/3",
                                      "Making report, step 3/3"}));
  EXPECT_EQ(texts.Tb.Text(),
            "^aUser account^b\r\n^cName:^dC:\\x {y} <b> ^c (2)^e\r\n^fDomain:^dUnknown^g\r\n"
            "^aProcessor^b\r\n^cSpeed:^d2.4 Ghz^g\r\n");
}

TEST_F(ReportRunTest, ClosingCompletesEveryOutput) {
  const SectionStep steps[] = {{"1/2", 12, TwoRows}, {"2/2", 15, OneRow}};
  fx.system.tickCount = 11250;
  ReportRun run = Run();
  HeadInputs head;
  head.title = MakeTitleLine(fx.App().text[160], "2.5", "02:05 PM", "09/03/2014");
  head.accent = {0, 51, 255};
  WriteHeads(texts, head);
  RunSections(run, steps);
  EndReport(run);

  EXPECT_TRUE(texts.Tb.Empty());
  EXPECT_EQ(statuses.back(), "Report made at 10.2 second/s");
  const std::string title = "Brenlow Harvala 2.5 in 10.2 sec. at 02:05 PM";
  for (Format f : kFormats) {
    const std::string& out = texts.Output(f).text;
    EXPECT_NE(out.find(title), std::string::npos) << static_cast<int>(f);
    for (const char* m : {"^a", "^b", "^d", "^e", "^f", "^g"}) {
      EXPECT_EQ(out.find(m), std::string::npos) << m << " in " << static_cast<int>(f);
    }
    // The value's own "^c" and "(2)" stay as they are: the seconds go to the title only.
    EXPECT_NE(out.find("^c (2)"), std::string::npos) << static_cast<int>(f);
  }
  EXPECT_TRUE(
      texts.Tb1.text.ends_with("2.4 Ghz\\i0\\par\r\n\\pard\\par\r\n\\par\r\n\\par\r\n"
                               "\\par\r\n\\pard\\sl276\\slmult1\\qc\\cf1\\fs28 Thank "
                               "you for use Brenlow Harvala!\\cf0\\fs24\\par\r\n" +
                               std::string(72, '-') + "\\cf2\\fs18\\par\r\n" +
                               "\\cf0{\\field{\\*\\fldinst{HYPERLINK \"" + kMakerWebSite +
                               "\"}}{\\fldrslt{\\cf3\\ul Website}}}"
                               "\\cf0\\ulnone\\f0\\fs20\\par\r\n\\pard\\fs24\\par\r\n"
                               "\\par\r\n}\r\n "));
  EXPECT_NE(texts.Tb1.text.find("\\cf1\\i User account"), std::string::npos);
  EXPECT_NE(texts.Tb1.text.find("\\cf1\\i\\fs28 Processor"), std::string::npos);
  EXPECT_NE(texts.Tb1.text.find("C:\\\\x \\{y\\} <b>"), std::string::npos);
  EXPECT_NE(texts.Tb2.text.find("C:\\x {y} &lt;b&gt;"), std::string::npos);
  EXPECT_TRUE(texts.Tb2.text.ends_with("</body>\r\n</html>"));
  EXPECT_TRUE(texts.Tb3.text.ends_with("[/url][/center]"));
  EXPECT_TRUE(texts.Tb4.text.ends_with(std::string(kMakerWebSite) + "\r\n"));
  EXPECT_NE(texts.Tb4.text.find(" \u00B7 Domain: Unknown\r\n"), std::string::npos);
}

TEST_F(ReportRunTest, BeginReportWritesHeadsInTheUsersFormats) {
  fx.App().look.languageName = "Spanish";
  lang::LoadSpanish(fx.App().text);
  fx.system.shortDateFormat = "d/M/yyyy";
  fx.system.decimalSeparator = ',';
  fx.system.tickCount = 1500;  // half a second after the start
  ReportRun run = Run();
  BeginReport(run);
  EXPECT_NE(texts.Tb4.text.find("14:05:30 hs."), std::string::npos) << texts.Tb4.text;
  EXPECT_NE(texts.Tb4.text.find("9/3/2014"), std::string::npos);
  EXPECT_NE(texts.Tb4.text.find("0,5"), std::string::npos);
  EXPECT_EQ(statuses.size(), 13u);  // twelve steps and the final status
  EXPECT_NE(statuses.back().find("0,5"), std::string::npos);
  // The rich text keeps its head whole, its first section title in the head's size, and
  // still closes.
  EXPECT_NE(texts.Tb1.text.find("\\pard\\par\r\n\\par\r\n\\par\r\n\\cf1\\i "), std::string::npos);
  EXPECT_TRUE(texts.Tb1.text.ends_with("}\r\n "));
}

}  // namespace
}  // namespace hv::report

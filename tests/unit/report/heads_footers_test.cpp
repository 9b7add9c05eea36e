// The heads, the footers and the closing of a report, against the exact texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/closing.h"
#include "report/footers.h"
#include "report/heads.h"

namespace hv::report {
namespace {

const std::string kTemplate =
    "Report made by Brenlow Harvala (1) in (2) sec. at (3) on the date (4).";

HeadInputs Inputs(unsigned codePage = 1252) {
  HeadInputs in;
  in.title = MakeTitleLine(kTemplate, "2.5", "02:05 PM", "09/03/2014");
  in.accent = {0, 51, 255};
  in.reportName = "Brenlow Harvala report";
  in.codePage = codePage;
  return in;
}

const std::string kTitleWithSeconds =
    "Report made by Brenlow Harvala 2.5 in 0.5 sec. at 02:05 PM on the date 09/03/2014.";

TEST(Heads, EachFormatAsDocumented) {
  ReportTexts texts;
  WriteHeads(texts, Inputs());
  FillSeconds(texts, "0.5");
  const std::string& title = kTitleWithSeconds;
  EXPECT_EQ(texts.Tb1.text,
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Segoe UI;}"
            "{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
            "{\\colortbl ;\\red0\\green51\\blue255;\\red64\\green64\\blue64;\\red0\\green0"
            "\\blue255;}\r\n"
            "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\qc\\lang11274\\f0"
            "\\fs24\\par\r\n\\par\r\n"
            "\\cf1\\fs30 " +
                title + "\\cf0\\par\r\n\\fs24 " + std::string(90, '-') +
                "\\fs28\\par\r\n\\pard\\par\r\n\\par\r\n\\par\r\n");
  EXPECT_EQ(texts.Tb2.text,
            "<html>\r\n\t<head>\r\n\t\t<title>Brenlow Harvala report</title>\r\n"
            "\t\t<style type='text/css'>\r\n"
            "\t\t\tbody{margin-top:0px; margin-left:15px}\r\n"
            "\t\t\tlabel{font-family:'Segoe UI', Arial; cursor:auto}\r\n\t\t\t"
            ".Section{color:rgb(0,51,255); font-size:20px; font-style:italic}\r\n"
            "\t\t\t.Line{font-weight:bold; font-size:15px}\r\n"
            "\t\t\t.Result{font-size:15px; font-style:italic}\r\n"
            "\t\t</style>\r\n\t</head>\r\n\t<body>\r\n\t\t<br><br>\r\n\t\t"
            "<center><label style='color:rgb(0,51,255); font-size:22px'>" +
                title +
                "</label></center>\r\n\t\t<br>\r\n\t\t<hr width='750' size='1'>\r\n"
                "\t\t<br><br>\r\n\r\n");
  EXPECT_EQ(texts.Tb3.text, "[center][color=#0033ff][size=13pt]" + title + "[/size][/color]\r\n" +
                                std::string(108, '-') + "[/center]\r\n\r\n\r\n\r\n");
  EXPECT_EQ(texts.Tb4.text, "\r\n \u00B7 " + title + "\r\n\r\n\r\n");
}

TEST(Heads, RichTextDeclaresTheFilesCodePage) {
  struct Case {
    unsigned page;
    const char* declared;
  };
  const Case cases[] = {{1252, "\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 "},
                        {1250, "\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "},
                        {1251, "\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 "},
                        {932, "\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 "},
                        {65001, "\\ansicpg65001\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 "}};
  for (const auto& c : cases) {
    ReportTexts texts;
    WriteHeads(texts, Inputs(c.page));
    EXPECT_NE(texts.Tb1.text.find(c.declared), std::string::npos) << c.page;
  }
}

TEST(Heads, ReplaceWhatTheOutputsHeld) {
  ReportTexts texts;
  texts.Tb1.text = "old report";
  texts.Tb4.secondsAt = {999};
  texts.Tb.AppendTitle("kept");
  WriteHeads(texts, Inputs());
  EXPECT_EQ(texts.Tb1.text.find("old report"), std::string::npos);
  EXPECT_EQ(texts.Tb4.secondsAt.size(), 1u);
  EXPECT_EQ(texts.Tb.Text(), "^akept^b\r\n");
}

TEST(TitleLine, SecondsGoOnlyWhereTheTemplateAsks) {
  // A date or time that reads "(2)" stays as it is; the template's own "(2)"s are filled.
  const TitleLine title = MakeTitleLine("(1) (2) (3) (4) (2)", "2.5", "(2)", "(4)");
  ReportTexts texts;
  for (Format f : kFormats) AppendTitleLine(texts.Output(f), title, f);
  FillSeconds(texts, "1.25");
  EXPECT_EQ(texts.Tb4.text, "2.5 1.25 (2) (4) 1.25");
  // Escaping in front of a place does not shift it.
  ReportTexts rtf;
  AppendTitleLine(rtf.Tb1, MakeTitleLine("{\\}(2)x", "", "", ""), Format::Rtf);
  FillSeconds(rtf, "9");
  EXPECT_EQ(rtf.Tb1.text, "\\{\\\\\\}9x");
  // Seconds written with a markup character as the separator cannot break the markup.
  ReportTexts odd;
  for (Format f : kFormats) AppendTitleLine(odd.Output(f), MakeTitleLine("(2)", "", "", ""), f);
  FillSeconds(odd, "1<5}");
  EXPECT_EQ(odd.Tb1.text, "1<5\\}");
  EXPECT_EQ(odd.Tb2.text, "1&lt;5}");
  EXPECT_EQ(odd.Tb3.text, "1<5}");
  EXPECT_EQ(odd.Tb4.text, "1<5}");
}

TEST(Footers, EachFormatAsDocumented) {
  ReportTexts texts;
  AppendFooters(texts, {{0, 51, 255}, "Thanks!", "Website", "https://site.example/"});
  EXPECT_EQ(texts.Tb1.text,
            "\r\n\\pard\\par\r\n\\par\r\n\\par\r\n\\par\r\n"
            "\\pard\\sl276\\slmult1\\qc\\cf1\\fs28 Thanks!\\cf0\\fs24\\par\r\n" +
                std::string(72, '-') + "\\cf2\\fs18\\par\r\n" +
                "\\cf0{\\field{\\*\\fldinst{HYPERLINK \"https://site.example/\"}}{\\fldrslt"
                "{\\cf3\\ul Website}}}\\cf0\\ulnone\\f0\\fs20\\par\r\n"
                "\\pard\\fs24\\par\r\n\\par\r\n}\r\n ");
  EXPECT_EQ(texts.Tb2.text,
            "\r\n\t\t<br><br>\r\n\t\t<center><label style='color:rgb(0,51,255); "
            "font-size:20px'>Thanks!</label></center>\r\n\t\t<hr width='600' size='1'>\r\n\t\t"
            "<center><label style='font-size:12px'><a href='https://site.example/' "
            "target='_blank'>Website</a></label></center>\r\n\t\t<br>\r\n\t</body>\r\n"
            "</html>");
  EXPECT_EQ(texts.Tb3.text, "\r\n[center][color=#0033ff][size=13pt]Thanks![/size][/color]\r\n" +
                                std::string(54, '-') +
                                "\r\n[url=https://site.example/]Website[/url][/center]");
  EXPECT_EQ(texts.Tb4.text,
            "\r\nThanks!\r\n" + std::string(54, '-') + "\r\nhttps://site.example/\r\n");
}

TEST(Footers, RichTextLosesOnlyTheSpacingOfAFollowingSection) {
  struct Case {
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {"x\\i0\\par\r\n\\pard\\sl276\\slmult1\\par\r\n\\par\r\n", "x\\i0\\par"},
      {"head only\r\n", "head only\r\n"},
      {"", ""},
  };
  for (const auto& c : cases) {
    std::string rtf = c.before;
    DropRtfSectionTail(rtf);
    EXPECT_EQ(rtf, c.after);
  }
}

TEST(ElapsedSeconds, FirstFourCharactersOfTheSeconds) {
  struct Case {
    std::uint32_t start, now;
    char separator;
    const char* text;
  };
  const Case cases[] = {
      {1000, 1500, '.', "0.5"},
      {0, 10250, '.', "10.2"},
      {0, 7953, '.', "7.95"},
      {0, 12048, '.', "12.0"},
      {0, 3000, '.', "3"},
      {0, 125750, '.', "125."},
      {0, 0, '.', "0"},
      {5, 10255, ',', "10,2"},
      {0, 1234567, '.', "1234"},
      // The counter wrapped during the report: still the true 1.5 s.
      {0xFFFFFE0Cu, 1000, '.', "1.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ElapsedSeconds(c.start, c.now, c.separator), c.text) << c.start << " " << c.now;
  }
}

}  // namespace
}  // namespace hv::report

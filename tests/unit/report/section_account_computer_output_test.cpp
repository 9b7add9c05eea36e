// The User account and Computer sections through a whole report: heads, the two steps and
// the closing, into every output format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/closing.h"
#include "report/heads.h"
#include "report/section_chain.h"
#include "report/section_writers.h"
#include "shell/app.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

TEST(ReportAccountAndComputer, EveryFormatCarriesTheRowsEscapedForIt) {
  test::AppFixture fx;
  lang::LoadEnglish(fx.App().text);
  fx.App().look.colorRed = 0;
  fx.App().look.colorGreen = 51;
  fx.App().look.colorBlue = 255;
  fx.wmi.Set("Win32_ComputerSystem", 0, "Model", platform::Variant("D410 {Pro} <x> & C:\\y"));
  ReportTexts texts;
  std::vector<std::string> statuses;
  ReportRun run{fx.App(), texts, 0, [&](const std::string& s) { statuses.push_back(s); }};
  HeadInputs head;
  head.title = MakeTitleLine(fx.App().text[160], "2.5", "02:05 PM", "09/03/2014");
  head.accent = {0, 51, 255};
  WriteHeads(texts, head);
  const SectionStep steps[] = {{"1/12", 12, ReportUserAccount}, {"2/12", 13, ReportComputer}};
  RunSections(run, steps);
  EndReport(run);

  EXPECT_EQ(statuses.front(), "Making report, step 1/12");
  EXPECT_EQ(statuses[1], "Making report, step 2/12");
  struct Expect {
    Format format;
    std::vector<std::string> pieces;  // in this order in the output
  };
  const Expect expects[] = {
      {Format::Rtf,
       {"\\cf1\\i User account\\cf0\\i0\\fs24\\par",
        "\\fi-360\\li720\\sl276\\slmult1\\b\\fs22 Name:\\b0  \\i Anna\\i0\\par",
        "\\b{\\pntext\\f1\\'B7\\tab}Logon's number:\\b0  \\i 212 time/s.\\i0\\par\r\n\\pard",
        "\\cf1\\i\\fs28 Computer\\cf0", "Model:\\b0  \\i D410 \\{Pro\\} <x> & C:\\\\y\\i0\\par",
        "Workgroup:\\b0  \\i Workgroup\\i0\\par\r\n\\pard"}},
      {Format::Html,
       {"<label class='Section'>User account</label>",
        "<li><label class='Line'>Domain: </label><label class='Result'>Norvik-pc</label></li>",
        "<label class='Section'>Computer</label>",
        "Model: </label><label class='Result'>D410 {Pro} &lt;x&gt; &amp; C:\\y</label></li>",
        "Auto restart option: </label><label class='Result'>On</label></li>"}},
      {Format::BBCode,
       {"[color=#0033ff][i][size=11pt]User account[/size][/i][/color]\r\n------------------",
        "[list][li][b]Name:[/b] [i]Anna[/i][/li]",
        "[li][b]Start time:[/b] [i]08:05:09 hs.[/i][/li]",
        "[li][b]Model:[/b] [i]D410 {Pro} <x> & C:\\y[/i][/li]",
        "[li][b]Workgroup:[/b] [i]Workgroup[/i][/li][/list]\r\n\r\n"}},
      {Format::Plain,
       {" User account\r\n------------------\r\n \u00B7 Name: Anna\r\n",
        " \u00B7 Account type: Normal\r\n \u00B7 Level of privilege: Administrator\r\n",
        " \u00B7 Logon's number: 212 time/s.\r\n\r\n\r\n Computer\r\n",
        " \u00B7 Model: D410 {Pro} <x> & C:\\y\r\n \u00B7 Type: x64-based PC\r\n",
        " \u00B7 OS startup delay: 30 second/s\r\n \u00B7 Workgroup: Workgroup\r\n\r\n\r\n"}},
  };
  for (const Expect& e : expects) {
    const std::string& out = texts.Output(e.format).text;
    std::size_t at = 0;
    for (const std::string& piece : e.pieces) {
      const std::size_t found = out.find(piece, at);
      EXPECT_NE(found, std::string::npos)
          << static_cast<int>(e.format) << ": " << piece << "\n--- in ---\n"
          << out;
      if (found != std::string::npos) at = found + piece.size();
    }
  }
}

}  // namespace
}  // namespace hv::report

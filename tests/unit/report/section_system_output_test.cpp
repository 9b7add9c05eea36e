// The Operating system, Processor and RAM sections through the closing, in all four outputs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lang/text_table.h"
#include "report/closing.h"
#include "report/heads.h"
#include "report/section_chain.h"
#include "report/section_writers.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

TEST(ReportSystemSections, EveryOutputCarriesTheirRowsEscaped) {
  test::AppFixture f;
  lang::LoadEnglish(f.App().text);
  f.wmi.Set("Win32_OperatingSystem", 0, "RegisteredUser",
            platform::Variant("C:\\x {y} <b> & \"q\" ^d (2)"));
  ReportTexts texts;
  ReportRun run{f.App(), texts, 0, nullptr};
  HeadInputs head;
  head.title = MakeTitleLine(f.App().text[160], "2.5", "02:05 PM", "09/03/2014");
  WriteHeads(texts, head);
  const SectionStep steps[] = {{"3/12", 14, ReportOperatingSystem},
                               {"4/12", 15, ReportProcessor},
                               {"5/12", 16, ReportMemory}};
  RunSections(run, steps);
  EndReport(run);

  struct Case {
    Format format;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {Format::Rtf,
       {"\\cf1\\i Operating system", "\\b\\fs22 Name:\\b0  \\i Microsoft Windows 7 Professional",
        "Registered by:\\b0  \\i C:\\\\x \\{y\\} <b> & \"q\" ^d (2)\\i0",
        "\\cf1\\i\\fs28 Processor", "L3 cache size:\\b0  \\i 6 MB\\i0", "\\cf1\\i\\fs28 RAM",
        "Use:\\b0  \\i Applications\\i0"}},
      {Format::Html,
       {"<label class='Section'>Operating system</label>",
        "<label class='Line'>Registered by: </label><label class='Result'>C:\\x {y} &lt;b&gt; "
        "&amp; \"q\" ^d (2)</label>",
        "<label class='Section'>Processor</label>",
        "<label class='Line'>Total memory: </label><label class='Result'>8 GB</label>"}},
      {Format::BBCode,
       {"[i][size=11pt]Operating system[/size][/i]",
        "[li][b]Registered by:[/b] [i]C:\\x {y} <b> & \"q\" ^d (2)[/i][/li]",
        "[li][b]Use:[/b] [i]Applications[/i][/li][/list]"}},
      {Format::Plain,
       {" Operating system\r\n", " \u00B7 Registered by: C:\\x {y} <b> & \"q\" ^d (2)\r\n",
        " \u00B7 Number of cores: 8\r\n", " \u00B7 Total memory: 8 GB\r\n"}},
  };
  for (const Case& c : cases) {
    const std::string& out = texts.Output(c.format).text;
    std::size_t from = 0;
    for (const std::string& piece : c.pieces) {
      const std::size_t at = out.find(piece, from);
      ASSERT_NE(at, std::string::npos) << static_cast<int>(c.format) << ": " << piece;
      from = at + piece.size();  // in report order, the value's own "(2)" left as it is
    }
  }
}

// A version never read leaves the row's value empty in every output, with no "Unknown".
TEST(ReportSystemSections, UnreadVersionLeavesItsRowEmpty) {
  test::AppFixture f;
  lang::LoadEnglish(f.App().text);
  f.wmi.Set("Win32_OperatingSystem", 0, "Version", platform::Variant::Null());
  ReportTexts texts;
  ReportRun run{f.App(), texts, 0, nullptr};
  WriteHeads(texts, HeadInputs{});
  const SectionStep steps[] = {{"3/12", 14, ReportOperatingSystem}};
  RunSections(run, steps);
  EndReport(run);
  const std::pair<Format, std::string> cases[] = {
      {Format::Plain, " \u00B7 Version and build: \r\n"},
      {Format::Html,
       "<label class='Line'>Version and build: </label><label class='Result'></label>"},
      {Format::BBCode, "[li][b]Version and build:[/b] [i][/i][/li]"},
  };
  for (const auto& [format, piece] : cases)
    EXPECT_NE(texts.Output(format).text.find(piece), std::string::npos) << piece;
}

}  // namespace
}  // namespace hv::report

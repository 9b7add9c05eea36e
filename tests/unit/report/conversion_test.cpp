// The neutral text and its conversion into each format, line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/converters.h"
#include "report/neutral_text.h"

namespace hv::report {
namespace {

const Accent kAccent{0, 51, 255};

NeutralText OneSection(std::vector<ReportRow> rows, const std::string& title = "RAM") {
  NeutralText t;
  t.AppendTitle(title);
  t.AppendRows(rows);
  return t;
}

TEST(NeutralText, WritesTitleAndRowsWithTheirMarkers) {
  struct Case {
    std::vector<ReportRow> rows;
    std::string expected;
  };
  const Case cases[] = {
      {{{"Name:", "Anna"}}, "^aRAM^b\r\n^cName:^dAnna^g\r\n"},
      {{{"A:", "1"}, {"B:", "2"}}, "^aRAM^b\r\n^cA:^d1^e\r\n^fB:^d2^g\r\n"},
      {{{"A:", "1"}, {"B:", "2"}, {"C:", "3"}},
       "^aRAM^b\r\n^cA:^d1^e\r\n^fB:^d2^e\r\n^fC:^d3^g\r\n"},
      {{}, "^aRAM^b\r\n"},
      // A value that reads like a marker or a placeholder goes in as it stands.
      {{{"A:", "^c(2)^g"}}, "^aRAM^b\r\n^cA:^d^c(2)^g^g\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(OneSection(c.rows).Text(), c.expected);
}

TEST(NeutralText, KnowsOnlyItsOwnMarkers) {
  const NeutralText t = OneSection({{"A:", "^e"}});
  ASSERT_EQ(t.Places().size(), 5u);  // ^a ^b ^c ^d ^g, not the value's ^e
  EXPECT_EQ(t.Places()[4].marker, Marker::ListEnd);
  EXPECT_EQ(t.Text().substr(t.Places()[4].at, 2), "^g");
}

TEST(Convert, EachFormatLineByLine) {
  const NeutralText t = OneSection({{"A:", "1"}, {"B:", "2"}, {"C:", "3"}}, "Bios");
  struct Case {
    Format format;
    std::string expected;
  };
  const Case cases[] = {
      {Format::Rtf,
       "\\cf1\\i Bios\\cf0\\i0\\fs24\\par\r\n------------------\\par\r\n"
       "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
       "\\fi-360\\li720\\sl276\\slmult1\\b\\fs22 A:\\b0  \\i 1\\i0\\par\r\n"
       "\\b{\\pntext\\f1\\'B7\\tab}B:\\b0  \\i 2\\i0\\par\r\n"
       "\\b{\\pntext\\f1\\'B7\\tab}C:\\b0  \\i 3\\i0\\par\r\n\\pard\\sl276\\slmult1\\par\r\n"
       "\\par\r\n"},
      {Format::Html,
       "\t\t<label class='Section'>Bios</label>\r\n\t\t<hr align='left' width='100' "
       "size='1'>\r\n\t\t<ul>\r\n\t\t\t<li><label class='Line'>A: </label><label "
       "class='Result'>1</label></li>\r\n\t\t\t<li><label class='Line'>B: </label><label "
       "class='Result'>2</label></li>\r\n\t\t\t<li><label class='Line'>C: </label><label "
       "class='Result'>3</label></li>\r\n\t\t</ul>\r\n\t\t<br>\r\n\r\n"},
      {Format::BBCode,
       "[color=#0033ff][i][size=11pt]Bios[/size][/i][/color]\r\n------------------\r\n"
       "[list][li][b]A:[/b] [i]1[/i][/li]\r\n[li][b]B:[/b] [i]2[/i][/li]\r\n"
       "[li][b]C:[/b] [i]3[/i][/li][/list]\r\n\r\n\r\n"},
      {Format::Plain,
       " Bios\r\n------------------\r\n \u00B7 A: 1\r\n \u00B7 B: 2\r\n \u00B7 C: 3\r\n\r\n\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Convert(t, c.format, kAccent), c.expected) << static_cast<int>(c.format);
  }
}

TEST(Convert, OnlyTheFirstRichTextTitleKeepsTheHeadsSize) {
  NeutralText t = OneSection({{"A:", "1"}}, "One");
  t.AppendTitle("Two");
  t.AppendRows(std::vector<ReportRow>{{"B:", "2"}});
  const std::string rtf = Convert(t, Format::Rtf, kAccent);
  EXPECT_EQ(rtf.find("\\cf1\\i One"), 0u);
  EXPECT_NE(rtf.find("\\cf1\\i\\fs28 Two"), std::string::npos);
  EXPECT_EQ(rtf.find("\\cf1\\i\\fs28 One"), std::string::npos);
}

TEST(Convert, ValuesCannotBreakTheMarkup) {
  const NeutralText t = OneSection({{"<b>", "C:\\Windows\\x.dll {^c} & ^g (2)"}}, "T");
  struct Case {
    Format format;
    std::string row;
  };
  const Case cases[] = {
      {Format::Rtf, "<b>\\b0  \\i C:\\\\Windows\\\\x.dll \\{^c\\} & ^g (2)\\i0\\par"},
      {Format::Html,
       "&lt;b&gt; </label><label class='Result'>C:\\Windows\\x.dll {^c} &amp; ^g (2)</label>"},
      {Format::BBCode, "<b>[/b] [i]C:\\Windows\\x.dll {^c} & ^g (2)[/i]"},
      {Format::Plain, " \u00B7 <b> C:\\Windows\\x.dll {^c} & ^g (2)\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(Convert(t, c.format, kAccent).find(c.row), std::string::npos)
        << static_cast<int>(c.format);
  }
}

TEST(Convert, OrdinaryTextStaysByteForByte) {
  const std::string text = "Caf\u00e9 \u00B7 Espa\u00f1ol 100% ok.";
  const NeutralText t = OneSection({{text, text}}, text);
  for (Format f : kFormats) {
    const std::string out = Convert(t, f, kAccent);
    EXPECT_NE(out.find(text), std::string::npos) << static_cast<int>(f);
  }
}

TEST(Convert, EmptyTextGivesNothing) {
  for (Format f : kFormats) EXPECT_EQ(Convert(NeutralText{}, f, kAccent), "");
}

TEST(Formats, HexColorAndEscapes) {
  struct HexCase {
    int channel;
    const char* hex;
  };
  const HexCase hexes[] = {{0, "00"},   {10, "0a"},  {15, "0f"}, {16, "10"},
                           {200, "c8"}, {255, "ff"}, {-4, "00"}, {300, "ff"}};
  for (const auto& c : hexes) EXPECT_EQ(HexColor(c.channel), c.hex) << c.channel;
  EXPECT_EQ(HexColor(kAccent), "0033ff");
  EXPECT_EQ(Escape(Format::Rtf, "a\\b{c}"), "a\\\\b\\{c\\}");
  EXPECT_EQ(Escape(Format::Html, "<a&b>\"'"), "&lt;a&amp;b&gt;\"'");
  EXPECT_EQ(Escape(Format::BBCode, "[b]<x>"), "[b]<x>");
  EXPECT_EQ(Escape(Format::Plain, "{\\}"), "{\\}");
}

}  // namespace
}  // namespace hv::report

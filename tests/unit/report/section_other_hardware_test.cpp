// The Others hardware section, and the last three sections through the closing into every
// output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/text_table.h"
#include "report/closing.h"
#include "report/section_chain.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

using platform::Variant;

constexpr const char* kMotherboard =
    "HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full";

std::vector<std::string> RowValues(const NeutralText& tb) {
  std::vector<std::string> values;
  const auto& places = tb.Places();
  for (std::size_t i = 0; i + 1 < places.size(); ++i) {
    if (places[i].marker != Marker::Value) continue;
    const std::size_t from = places[i].at + 2;
    values.push_back(tb.Text().substr(from, places[i + 1].at - from));
  }
  return values;
}

NeutralText WriteOtherHardware(test::AppFixture& fx) {
  ReportTexts texts;
  ReportRun run{fx.App(), texts, 0, [](const std::string&) {}};
  RunSections(run, ReportChain().subspan(11));
  return texts.Tb;
}

TEST(ReportOtherHardware, TypicalDesktopWritesSevenRows) {
  test::AppFixture fx;
  lang::LoadEnglish(fx.App().text);
  fx.shell.SetString(kMotherboard, " Norvik 2AD4 ");
  EXPECT_EQ(WriteOtherHardware(fx).Text(),
            "^aOthers hardware^b\r\n"
            "^cMotherboard name:^dNorvik 2AD4^e\r\n"
            "^fManufacturer:^dNorvik Systems^e\r\n"
            "^fInternal name:^d2AD4^e\r\n"
            "^fSound card name:^dHigh Definition Audio Device^e\r\n"
            "^fManufacturer:^dMicrosoft^e\r\n"
            "^fBattery name:^dUnknown^e\r\n"
            "^fSerial number:^dUnknown^g\r\n");
  EXPECT_TRUE(fx.shell.Writes().empty());  // the motherboard name is only ever read
}

TEST(ReportOtherHardware, MissingValuesShowUnknownNeverStaleOnes) {
  struct Case {
    const char* machine;
    bool withShell;
    std::vector<std::string> values;
  };
  const std::string u = "Unknown";
  const Case cases[] = {
      {"", false, {u, u, u, u, u, u, u}},
      {"", true, {"Board", u, u, u, u, u, u}},
      {"empty", true, {"Board", u, u, u, u, u, u}},
      // Trimmed maker, Null product, first sound device and battery only, the battery's
      // fill characters dropped and its device identifier as serial number.
      {"hardware_traps",
       true,
       {"Board", "Tovik Boards", u, "Tovik HD Audio", "Tovik", "BAT0 Li-ion", "1234Tovik BAT0"}},
  };
  for (const Case& c : cases) {
    test::AppFixture fx(c.machine);
    fx.withShell = c.withShell;
    fx.shell.SetString(kMotherboard, "Board");
    lang::LoadEnglish(fx.App().text);
    fx.App().sectionValues.fill("stale");
    EXPECT_EQ(RowValues(WriteOtherHardware(fx)), c.values) << c.machine << c.withShell;
  }
}

TEST(ReportOtherHardware, OddMotherboardAndBatteryValues) {
  struct Case {
    const char* what;
    void (*set)(test::AppFixture&);
    std::size_t row;
    const char* shown;
  };
  const Case cases[] = {
      {"dword", [](test::AppFixture& f) { f.shell.SetDword(kMotherboard, 7); }, 0, "7"},
      {"binary",
       [](test::AppFixture& f) {
         f.shell.Set(kMotherboard, test::RegValue::Binary({1, 2}));
       },
       0, "Unknown"},
      {"failing read", [](test::AppFixture& f) { f.shell.FailAllReads(true); }, 0, "Unknown"},
      {"blank", [](test::AppFixture& f) { f.shell.SetString(kMotherboard, "   "); }, 0, "Unknown"},
      {"fill only",
       [](test::AppFixture& f) { f.wmi.Set("Win32_Battery", 0, "Name", Variant(" \x0e\x0e ")); }, 5,
       "Unknown"},
      {"numeric name", [](test::AppFixture& f) { f.wmi.Set("Win32_Battery", 0, "Name", 42); }, 5,
       "42"},
      {"huge id",
       [](test::AppFixture& f) {
         f.wmi.Set("Win32_Battery", 0, "DeviceID", Variant(std::int64_t{-9223372036854775807}));
       },
       6, "-9223372036854775807"},
  };
  for (const Case& c : cases) {
    test::AppFixture fx("hardware_traps");
    lang::LoadEnglish(fx.App().text);
    c.set(fx);
    EXPECT_EQ(RowValues(WriteOtherHardware(fx)).at(c.row), c.shown) << c.what;
  }
}

// The last three sections through the closing: every output holds them in order, with a
// value's special characters made safe for its format.
TEST(ReportLastSections, EveryOutputHoldsKeyboardMouseAndOthersHardware) {
  test::AppFixture fx;
  lang::LoadEnglish(fx.App().text);
  fx.wmi.Set("Win32_Keyboard", 0, "Name", Variant("C:\\Keys {Pro} <K&M>"));
  ReportTexts texts;
  ReportRun run{fx.App(), texts, 0, [](const std::string&) {}};
  RunSections(run, ReportChain().subspan(9));
  EndReport(run);

  struct Case {
    Format format;
    std::vector<std::string> inOrder;
  };
  const Case cases[] = {
      {Format::Rtf,
       {"\\cf1\\i Keyboard", "\\b\\fs22 Keyboard name:\\b0  \\i C:\\\\Keys \\{Pro\\} <K&M>\\i0",
        "\\cf1\\i\\fs28 Mouse", "Connexion:\\b0  \\i USB\\i0", "\\cf1\\i\\fs28 Others hardware",
        "Serial number:\\b0  \\i Unknown\\i0\\par"}},
      {Format::Html,
       {"<label class='Section'>Keyboard</label>",
        "Keyboard name: </label><label class='Result'>C:\\Keys {Pro} &lt;K&amp;M&gt;</label>",
        "<label class='Section'>Mouse</label>", "<label class='Section'>Others hardware</label>",
        "Serial number: </label><label class='Result'>Unknown</label></li>\r\n\t\t</ul>"}},
      {Format::BBCode,
       {"[i][size=11pt]Keyboard[/size]", "[li][b]Keyboard name:[/b] [i]C:\\Keys {Pro} <K&M>[/i]",
        "[i][size=11pt]Mouse[/size]", "[li][b]Current use:[/b] [i]Right-handed[/i][/li][/list]",
        "[i][size=11pt]Others hardware[/size]"}},
      {Format::Plain,
       {" Keyboard\r\n------------------\r\n \u00B7 Keyboard name: C:\\Keys {Pro} <K&M>\r\n",
        " \u00B7 Type: USB Input Device\r\n\r\n\r\n Mouse\r\n", " \u00B7 Number of buttons: 3\r\n",
        " Others hardware\r\n", " \u00B7 Sound card name: High Definition Audio Device\r\n"}},
  };
  for (const Case& c : cases) {
    const std::string& out = texts.Output(c.format).text;
    std::size_t at = 0;
    for (const std::string& piece : c.inOrder) {
      const std::size_t found = out.find(piece, at);
      ASSERT_NE(found, std::string::npos) << static_cast<int>(c.format) << ": " << piece;
      at = found + piece.size();
    }
  }
  EXPECT_TRUE(texts.Tb.Empty());
}

}  // namespace
}  // namespace hv::report

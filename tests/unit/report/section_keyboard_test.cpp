// The Keyboard and Mouse sections: one pass gathers both, the second writes from what the
// first left in the section values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/text_table.h"
#include "report/section_chain.h"
#include "support/app_fixture.h"

namespace hv::report {
namespace {

using platform::Variant;

constexpr const char* kMouse = "Win32_PointingDevice";

struct Written {
  std::string text;
  std::vector<std::string> values;  // the value of every row, in order
  std::vector<std::string> statuses;
};

// Runs the Keyboard and Mouse steps of the report's own chain.
Written WriteKeyboardAndMouse(test::AppFixture& fx) {
  ReportTexts texts;
  Written w;
  ReportRun run{fx.App(), texts, 0, [&w](const std::string& s) { w.statuses.push_back(s); }};
  RunSections(run, ReportChain().subspan(9, 2));
  const NeutralText& tb = texts.Tb;
  w.text = tb.Text();
  const auto& places = tb.Places();
  for (std::size_t i = 0; i + 1 < places.size(); ++i) {
    if (places[i].marker != Marker::Value) continue;
    const std::size_t from = places[i].at + 2;
    w.values.push_back(w.text.substr(from, places[i + 1].at - from));
  }
  return w;
}

TEST(ReportKeyboardMouse, TypicalMachineWritesBothSectionsInOrder) {
  test::AppFixture fx;
  lang::LoadEnglish(fx.App().text);
  const Written w = WriteKeyboardAndMouse(fx);
  EXPECT_EQ(w.text,
            "^aKeyboard^b\r\n"
            "^cKeyboard name:^dEnhanced (101- or 102-key)^e\r\n"
            "^fType:^dUSB Input Device^g\r\n"
            "^aMouse^b\r\n"
            "^cMouse name:^dHID-compliant mouse^e\r\n"
            "^fManufacturer:^dMicrosoft^e\r\n"
            "^fNumber of buttons:^d3^e\r\n"
            "^fConnexion:^dUSB^e\r\n"
            "^fCurrent use:^dRight-handed^g\r\n");
  EXPECT_EQ(fx.wmi.CountQueries(kMouse), 1u);  // the Mouse section asks nothing itself
  EXPECT_EQ(w.statuses,
            (std::vector<std::string>{"Making report, step 10/12", "Making report, step 11/12"}));
}

// Without WMI, without the classes, or with the first items' values unusable, every row
// but the button count says "Unknown"; values an earlier section left never show.
TEST(ReportKeyboardMouse, MissingValuesShowUnknownNeverStaleOnes) {
  struct Case {
    const char* machine;
    std::vector<std::string> values;
  };
  const std::string u = "Unknown";
  const Case cases[] = {
      {"", {u, u, u, u, "3", u, u}},
      {"empty", {u, u, u, u, "3", u, u}},
      // Blank keyboard name, trimmed type, Null maker and handedness, a " 4 " connection;
      // the second keyboard and mouse are never read.
      {"hardware_traps", {u, "Standard PS/2 Keyboard", "PS/2 Compatible Mouse", u, "3", "PS/2", u}},
  };
  for (const Case& c : cases) {
    test::AppFixture fx(c.machine);
    lang::LoadEnglish(fx.App().text);
    fx.App().sectionValues.fill("stale");
    EXPECT_EQ(WriteKeyboardAndMouse(fx).values, c.values) << c.machine;
  }
}

TEST(ReportKeyboardMouse, ButtonCountBelowTwoIsUnknown) {
  const std::pair<int, const char*> cases[] = {
      {0, "Unknown"}, {1, "Unknown"}, {-1, "Unknown"}, {2, "2"}};
  for (const auto& [buttons, shown] : cases) {
    test::AppFixture fx;
    lang::LoadEnglish(fx.App().text);
    fx.system.mouseButtons = buttons;
    EXPECT_EQ(WriteKeyboardAndMouse(fx).values.at(4), shown) << buttons;
  }
}

// The connection and handedness codes as WMI may hand them: numbers, text, odd types.
TEST(ReportKeyboardMouse, ConnectionAndHandednessCodes) {
  struct Case {
    Variant connection, handedness;
    const char* connectionShown;
    const char* handednessShown;
  };
  const Case cases[] = {
      {3, 1, "Serial port", "Not applicable"},
      {5, 3, "Infrared", "Left-handed"},
      {Variant(162.0), Variant("3"), "USB", "Left-handed"},
      {160, -1, "Unknown", "Unknown"},
      {161, Variant::Null(), "Unknown", "Unknown"},
      {Variant("USB"), Variant(true), "Unknown", "Unknown"},
      {Variant(std::int64_t{4294967458}), Variant(std::vector<Variant>{2}), "Unknown", "Unknown"},
  };
  for (const Case& c : cases) {
    test::AppFixture fx;
    lang::LoadEnglish(fx.App().text);
    fx.wmi.Set(kMouse, 0, "DeviceInterface", c.connection);
    fx.wmi.Set(kMouse, 0, "Handedness", c.handedness);
    const Written w = WriteKeyboardAndMouse(fx);
    EXPECT_EQ(w.values.at(5), c.connectionShown) << c.connectionShown;
    EXPECT_EQ(w.values.at(6), c.handednessShown) << c.handednessShown;
  }
}

TEST(ReportKeyboardMouse, WordsFollowTheLanguageButBusNamesDoNot) {
  test::AppFixture fx;
  lang::LoadSpanish(fx.App().text);
  const Written usb = WriteKeyboardAndMouse(fx);
  EXPECT_EQ(usb.values.at(5), "USB");
  EXPECT_EQ(usb.values.at(6), fx.App().text[133]);
  EXPECT_NE(usb.text.find("^c" + fx.App().text[125] + "^d"), std::string::npos);
  fx.wmi.Set(kMouse, 0, "DeviceInterface", 4);
  fx.wmi.Set(kMouse, 0, "Handedness", 7);
  const Written ps2 = WriteKeyboardAndMouse(fx);
  EXPECT_EQ(ps2.values.at(5), "PS/2");
  EXPECT_EQ(ps2.values.at(6), fx.App().text[89]);
}

}  // namespace
}  // namespace hv::report

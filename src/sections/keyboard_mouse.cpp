// The Keyboard and mouse page: the keyboard's name and type over a separator, then the
// mouse's name, maker, buttons, connection and handedness. Only the first item of each
// query is shown.
#include "sections/keyboard_mouse.h"

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 10;
constexpr int kSpacerRow = 3;
constexpr int kSpacerLineOffset = 9;
// A one-button mouse reads like no mouse at all (GetSystemMetrics gives 0 then).
constexpr std::int64_t kFewestButtonsShown = 2;

struct Readings {
  std::optional<std::string> keyboardName, keyboardType;
  std::optional<std::string> mouseName, mouseMaker;
  std::string buttons;
  std::optional<std::string> connection, handedness;
};

Readings Read(shell::App& app) {
  Readings r;
  if (const auto kb = FirstItem(app.wmi, "Select Name, Description from Win32_Keyboard")) {
    r.keyboardName = ReadText(*kb, "Name");
    r.keyboardType = ReadText(*kb, "Description");
  }
  if (const auto mouse = FirstItem(
          app.wmi,
          "Select Name, Manufacturer, DeviceInterface, Handedness from Win32_PointingDevice")) {
    r.mouseName = ReadText(*mouse, "Name");
    r.mouseMaker = ReadText(*mouse, "Manufacturer");
    r.connection = ReadText(*mouse, "DeviceInterface");
    r.handedness = ReadText(*mouse, "Handedness");
  }
  // Asked whether or not the queries found a mouse: Windows counts the buttons itself.
  r.buttons = std::to_string(app.system.MouseButtons());
  return r;
}

std::optional<std::string> ConnectionText(const std::optional<std::string>& code,
                                          const lang::TextTable& t) {
  if (!code) return std::nullopt;
  return DeviceInterfaceText(*code, t[129], t[130]);
}

std::optional<std::string> HandednessText(const std::optional<std::string>& code,
                                          const lang::TextTable& t) {
  if (!code) return std::nullopt;
  const auto element = HandednessElement(*code);
  if (!element) return std::nullopt;
  return t[*element];
}

void Row(shell::MainWindow& w, const lang::TextTable& t, int row, int caption,
         const std::optional<std::string>& value) {
  WriteRow(w, t, row, t[caption] + " ", value);
}

}  // namespace

void ShowKeyboardMouse(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  EnterPage(w, t, kPage);
  const Readings r = Read(app);

  w.Titulo->SetCaption(t[20]);
  HideAll({w.LNoDrive, w.Line1, w.Line2, w.Iaviso, w.Laviso});

  HeadingReset(w, 1);
  Row(w, t, 1, 125, r.keyboardName);
  Row(w, t, 2, 61, r.keyboardType);

  BlankRow(w, kSpacerRow);
  w.LT[kSpacerRow]->SetToolTipText("");
  ShowSpacerLine(*w.Line1, w, kSpacerRow, kSpacerLineOffset);

  Row(w, t, 4, 126, r.mouseName);
  SetCaptionTip(w, 4, "");
  Row(w, t, 5, 59, r.mouseMaker);
  SetCaptionTip(w, 5, "");
  Row(w, t, 6, 127, CountText(r.buttons, kFewestButtonsShown));
  Row(w, t, 7, 128, ConnectionText(r.connection, t));
  HeadingReset(w, 8);
  Row(w, t, 8, 131, HandednessText(r.handedness, t));

  BlankRows(w, 9, kLastRow);
}

}  // namespace hv::sections

// The Computer page: manufacturer, model and system type of the machine, whether Windows
// restarts by itself after a system failure, how long the start-up list waits, and the
// workgroup or domain, all from the first Win32_ComputerSystem item.
#include "sections/computer.h"

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 3;

struct Machine {
  std::string manufacturer, model, systemType, autoRestart, startupDelay, domain;
};

Machine Gather(platform::WmiService* wmi) {
  Machine m;
  const auto item = FirstItem(wmi,
                              "Select Manufacturer, Model, SystemType, AutomaticResetBootOption, "
                              "SystemStartupDelay, Domain from Win32_ComputerSystem");
  if (!item) return m;
  // Separate reads: one that fails leaves only its own slot empty.
  const std::pair<const char*, std::string*> reads[] = {
      {"Manufacturer", &m.manufacturer},       {"Model", &m.model},
      {"SystemType", &m.systemType},           {"AutomaticResetBootOption", &m.autoRestart},
      {"SystemStartupDelay", &m.startupDelay}, {"Domain", &m.domain}};
  for (const auto& [prop, slot] : reads)
    if (const auto text = ReadText(*item, prop)) *slot = *text;
  return m;
}

// The option is compared as the text a truth value turns into; anything else, a number or
// a word in another case included, is not known to be either.
std::optional<std::string> AutoRestartText(const lang::TextTable& t, const std::string& option) {
  if (option == platform::CStr(platform::Variant(true)).value_or("")) return t[64];
  if (option == platform::CStr(platform::Variant(false)).value_or("")) return t[65];
  return std::nullopt;
}

std::optional<std::string> StartupDelayText(const lang::TextTable& t, const std::string& delay) {
  if (delay.empty()) return std::nullopt;
  return FillPlaceholder(t[167], "(#)", delay);
}

}  // namespace

void ShowComputer(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  EnterPage(w, t, kPage);
  const Machine m = Gather(app.wmi);

  w.Titulo->SetCaption(t[13]);
  HideAll({w.LNoDrive, w.Line1, w.Iaviso, w.Laviso});

  HeadingReset(w, 1);
  WriteRow(w, t, 1, t[59] + " ", NonEmpty(m.manufacturer));
  WriteRow(w, t, 2, t[60] + " ", NonEmpty(m.model));
  WriteRow(w, t, 3, t[61] + " ", NonEmpty(m.systemType));
  SetCaptionTip(w, 3, "");
  WriteRow(w, t, 4, t[62] + " ", AutoRestartText(t, m.autoRestart));
  SetCaptionTip(w, 4, t[63]);
  WriteRow(w, t, 5, t[66] + " ", StartupDelayText(t, m.startupDelay));
  SetCaptionTip(w, 5, t[67]);
  WriteRow(w, t, 6, t[69] + " ", NonEmpty(Capitalised(m.domain)));
  BlankRows(w, 7, 12);
}

}  // namespace hv::sections

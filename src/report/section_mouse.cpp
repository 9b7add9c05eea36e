// The Mouse section, written from the values the Keyboard section left just before it: it
// neither empties the slots nor queries anything itself.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/keyboard_mouse_slots.h"
#include "report/section_writers.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

using namespace input_slots;

// A one-button mouse reads like no mouse at all, as on the page.
constexpr std::int64_t kFewestButtonsShown = 2;

std::string Connection(const ReportRun& run, const std::string& code) {
  if (code.empty()) return "";
  return sections::DeviceInterfaceText(code, Text(run, 129), Text(run, 130)).value_or("");
}

std::string Handedness(const ReportRun& run, const std::string& code) {
  if (code.empty()) return "";
  const std::optional<int> element = sections::HandednessElement(code);
  return element ? Text(run, *element) : "";
}

}  // namespace

void ReportMouse(ReportRun& run) {
  const auto& slot = run.app.sectionValues;
  const std::string buttons = sections::CountText(slot[kButtons], kFewestButtonsShown).value_or("");
  const std::vector<ReportRow> rows{
      {Text(run, 126), ValueOrUnknown(run, slot[kMouseName])},
      {Text(run, 59), ValueOrUnknown(run, slot[kMouseMaker])},
      {Text(run, 127), ValueOrUnknown(run, buttons)},
      {Text(run, 128), ValueOrUnknown(run, Connection(run, slot[kConnection]))},
      {Text(run, 131), ValueOrUnknown(run, Handedness(run, slot[kHandedness]))},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

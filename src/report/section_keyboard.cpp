// The Keyboard section. It gathers the mouse's values too, in one pass, and leaves them in
// the section values for the Mouse section that follows it in the chain.
#include <cstddef>
#include <string>
#include <vector>

#include "report/keyboard_mouse_slots.h"
#include "report/section_writers.h"
#include "sections/page_model.h"
#include "shell/app.h"

namespace hv::report {

namespace {

using namespace input_slots;

void GatherKeyboardAndMouse(shell::App& app) {
  auto& slot = app.sectionValues;
  for (std::size_t i = kKeyboardName; i <= kHandedness; ++i) slot[i].clear();
  if (const auto kb =
          sections::FirstItem(app.wmi, "Select Name, Description from Win32_Keyboard")) {
    slot[kKeyboardName] = sections::ReadText(*kb, "Name").value_or("");
    slot[kKeyboardType] = sections::ReadText(*kb, "Description").value_or("");
  }
  if (const auto mouse = sections::FirstItem(
          app.wmi,
          "Select Name, Manufacturer, DeviceInterface, Handedness from Win32_PointingDevice")) {
    slot[kMouseName] = sections::ReadText(*mouse, "Name").value_or("");
    slot[kMouseMaker] = sections::ReadText(*mouse, "Manufacturer").value_or("");
    slot[kConnection] = sections::ReadText(*mouse, "DeviceInterface").value_or("");
    slot[kHandedness] = sections::ReadText(*mouse, "Handedness").value_or("");
  }
  // Windows counts the buttons itself, whatever WMI answered (0 without a mouse).
  slot[kButtons] = std::to_string(app.system.MouseButtons());
}

}  // namespace

void ReportKeyboard(ReportRun& run) {
  GatherKeyboardAndMouse(run.app);
  const auto& slot = run.app.sectionValues;
  const std::vector<ReportRow> rows{
      {Text(run, 125), ValueOrUnknown(run, slot[kKeyboardName])},
      {Text(run, 61), ValueOrUnknown(run, slot[kKeyboardType])},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

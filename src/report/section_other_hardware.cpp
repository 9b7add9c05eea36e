// The Others hardware section: the motherboard (its name from the registry, maker and
// product from WMI), the first sound device and the first battery. The battery's changing
// values (voltage, charge, run time) are left out of the report.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/variant.h"
#include "report/section_writers.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

// Nothing in the program writes this value; it shows only where another program put it.
constexpr const char* kMotherboardValue =
    "HKEY_CURRENT_USER\\Software\\Install\\Harvala\\Mainboard\\Full";

enum Slot : std::size_t {
  kMotherboard = 1,
  kBoardMaker,
  kBoardProduct,
  kSoundName,
  kSoundMaker,
  kBatteryName,
  kBatteryId,
};

std::string RegistryText(platform::ShellObject* shellObject, const char* path) {
  if (!shellObject) return "";
  const auto v = shellObject->RegRead(path);
  if (!v) return "";
  return platform::Trim(platform::CStr(*v).value_or(""));
}

void Gather(shell::App& app) {
  auto& slot = app.sectionValues;
  for (std::size_t i = kMotherboard; i <= kBatteryId; ++i) slot[i].clear();
  slot[kMotherboard] = RegistryText(app.shell, kMotherboardValue);
  if (const auto board =
          sections::FirstItem(app.wmi, "Select Manufacturer, Product from Win32_BaseBoard")) {
    slot[kBoardMaker] = sections::ReadText(*board, "Manufacturer").value_or("");
    slot[kBoardProduct] = sections::ReadText(*board, "Product").value_or("");
  }
  if (const auto sound =
          sections::FirstItem(app.wmi, "Select Name, Manufacturer from Win32_SoundDevice")) {
    slot[kSoundName] = sections::ReadText(*sound, "Name").value_or("");
    slot[kSoundMaker] = sections::ReadText(*sound, "Manufacturer").value_or("");
  }
  if (const auto battery = sections::FirstItem(app.wmi,
                                               "Select DesignVoltage, DeviceID, "
                                               "EstimatedChargeRemaining, EstimatedRunTime, "
                                               "Name from Win32_Battery")) {
    slot[kBatteryName] =
        sections::WithoutFillCharacters(sections::ReadText(*battery, "Name").value_or(""));
    slot[kBatteryId] = sections::ReadText(*battery, "DeviceID").value_or("");
  }
}

}  // namespace

void ReportOtherHardware(ReportRun& run) {
  Gather(run.app);
  const auto& slot = run.app.sectionValues;
  // The battery has no serial number of its own in WMI: its device identifier stands in.
  const std::vector<ReportRow> rows{
      {Text(run, 150), ValueOrUnknown(run, slot[kMotherboard])},
      {Text(run, 59), ValueOrUnknown(run, slot[kBoardMaker])},
      {Text(run, 104), ValueOrUnknown(run, slot[kBoardProduct])},
      {Text(run, 151), ValueOrUnknown(run, slot[kSoundName])},
      {Text(run, 59), ValueOrUnknown(run, slot[kSoundMaker])},
      {Text(run, 171), ValueOrUnknown(run, slot[kBatteryName])},
      {Text(run, 74), ValueOrUnknown(run, slot[kBatteryId])},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

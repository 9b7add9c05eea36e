// The report's Bios section: the firmware's name, maker, version, release date and serial
// number, all from the first Win32_BIOS item.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

void ReportBios(ReportRun& run) {
  std::array<std::string, 12>& slots = run.app.sectionValues;
  constexpr std::array<const char*, 5> kProps{"Name", "Manufacturer", "SMBIOSBIOSVersion",
                                              "ReleaseDate", "SerialNumber"};
  for (std::size_t i = 1; i <= kProps.size(); ++i) slots[i].clear();
  if (const auto item = sections::FirstItem(run.app.wmi,
                                            "Select Name, Manufacturer, SMBIOSBIOSVersion, "
                                            "ReleaseDate, SerialNumber from Win32_BIOS")) {
    for (std::size_t i = 0; i < kProps.size(); ++i)
      slots[i + 1] = sections::ReadText(*item, kProps[i]).value_or("");
  }
  // Only the date counts; the time and the offset of the WMI text are left out.
  const std::string released = sections::WmiDateText(slots[4], run.app.system).value_or("");

  const std::vector<ReportRow> rows{
      {Text(run, 36), ValueOrUnknown(run, slots[1])},
      {Text(run, 59), ValueOrUnknown(run, slots[2])},
      {Text(run, 107), ValueOrUnknown(run, slots[3])},
      {Text(run, 108), ValueOrUnknown(run, released)},
      {Text(run, 74), ValueOrUnknown(run, slots[5])},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

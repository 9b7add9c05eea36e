// The live refresh. A tick costs its one WMI query and nothing more: labels whose text
// did not change are not touched, so nothing is repainted unless a value moved on.
#include "sections/live_refresh.h"

#include <cstdint>
#include <optional>
#include <string>

#include "sections/memory.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"
#include "shell/time_helpers.h"

namespace hv::sections {

namespace {

constexpr int kUsageTime = 54;  // "(HHMMSS) hs."

// The value label moved back right behind its caption, the caption left as the page wrote it.
void PlaceValue(shell::MainWindow& w, int row) { WriteCaption(w, row, w.LT[row]->Caption()); }

void RefreshUsageTime(shell::App& app) {
  WriteValue(app.Main(), 9, FillPlaceholder(app.text[kUsageTime], "(HHMMSS)", shell::UpTime(app)));
}

void RefreshVirtualMemory(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  std::string processes;
  std::int64_t totalMb = 0, usedMb = 0;
  if (const auto item = FirstItem(app.wmi,
                                  "Select FreeVirtualMemory, NumberOfProcesses, "
                                  "TotalVirtualMemorySize from Win32_OperatingSystem")) {
    if (const auto v = ReadValue(*item, "NumberOfProcesses"))
      processes = platform::CStr(*v).value_or("");
    if (const auto v = ReadValue(*item, "TotalVirtualMemorySize"))
      totalMb = WholeFloor(*v, 1024.0).value_or(0);
    if (const auto v = ReadValue(*item, "FreeVirtualMemory"))
      if (const auto freeMb = WholeFloor(*v, 1024.0)) usedMb = totalMb - *freeMb;
  }
  PlaceValue(w, 9);
  WriteValue(w, 9, ValueOrUnknown(CountText(processes, 1), t));

  // The caption is settled before it is written, so a steady row is never touched.
  const VirtualMemoryRow row = VirtualMemoryRule(totalMb, usedMb);
  const int caption = row.caption == VirtualMemoryCaption::Total ? 161 : 81;
  WriteCaption(w, 11, t[caption] + " ");
  WriteValue(w, 11, ValueOrUnknown(row.value, t));
}

void RefreshMemory(shell::App& app) {
  shell::MainWindow& w = app.Main();
  // The total the RAM page found when it was last shown: a report made meanwhile has its
  // own figures and cannot have changed it.
  const std::int64_t totalKb = w.RamTotalKb;
  std::int64_t freeKb = 0;
  if (const auto item = FirstItem(app.wmi, "Select FreePhysicalMemory from Win32_OperatingSystem"))
    freeKb = FreePhysicalMemoryKb(*item).value_or(0);
  PlaceValue(w, 4);
  WriteValue(w, 4, ValueOrUnknown(MemoryInUseText(totalKb, freeKb), app.text));
  PlaceValue(w, 5);
  WriteValue(w, 5, ValueOrUnknown(MemoryAvailableText(totalKb, freeKb), app.text));
}

std::optional<std::string> RunTimeText(const std::string& minutes, const lang::TextTable& t) {
  if (minutes.empty()) return std::nullopt;
  const auto whole = platform::CLng(platform::Variant(minutes));
  if (!whole) return std::nullopt;
  const auto time = shell::MinutesToTime(*whole);
  if (!time) return std::nullopt;
  return FillPlaceholder(t[kUsageTime], "(HHMMSS)", *time);
}

void RefreshBattery(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  std::string voltage, charge, runTime;
  if (const auto item = FirstItem(app.wmi,
                                  "Select DesignVoltage, EstimatedChargeRemaining, "
                                  "EstimatedRunTime from Win32_Battery")) {
    voltage = ReadText(*item, "DesignVoltage").value_or("");
    charge = ReadText(*item, "EstimatedChargeRemaining").value_or("");
    runTime = ReadText(*item, "EstimatedRunTime").value_or("");
  }
  // No battery: this tick still writes its rows, then the refresh stops.
  if (voltage.empty() && charge.empty() && runTime.empty()) w.Timer1->SetEnabled(false);
  WriteValue(w, 10, ValueOrUnknown(VoltageText(voltage, t[173], app.system.DecimalSeparator()), t));
  WriteValue(w, 11, charge.empty() ? t[kUnknown] : charge + "%");
  WriteValue(w, 12, ValueOrUnknown(RunTimeText(runTime, t), t));
}

// The first row each page refreshes. A page always writes its caption; where it is empty the
// page's rows are not laid out (the page is not there yet), and values never appear without
// their captions.
int FirstLiveRow(int page) {
  switch (page) {
    case 2:
    case 4:
      return 9;
    case 6:
      return 4;
    case 13:
      return 10;
    default:
      return 0;
  }
}

}  // namespace

void LiveRefreshTick(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const int page = w.CurrentSection;
  const int row = FirstLiveRow(page);
  if (row == 0 || w.LT[row]->Caption().empty()) {
    w.Timer1->SetEnabled(false);
    return;
  }
  switch (page) {
    case 2:
      RefreshUsageTime(app);
      break;
    case 4:
      RefreshVirtualMemory(app);
      break;
    case 6:
      RefreshMemory(app);
      break;
    default:
      RefreshBattery(app);
      break;
  }
}

}  // namespace hv::sections

namespace hv::shell {

void MainWindow::Timer1_Timer() { sections::LiveRefreshTick(app); }

}  // namespace hv::shell

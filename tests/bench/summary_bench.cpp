// Times the Summary page against the WMI queries it runs: the page is filled many times on
// the headless backend with the real WMI service, and the same five queries are issued raw
// in between. A page fill should cost its queries and nearly nothing more.
//
//   wine summary_bench.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "sections/summary.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "toolkit/headless_backend.h"
#include "win32/raii.h"
#include "win32/registry_shell.h"
#include "win32/resource_assets.h"
#include "win32/system_win32.h"
#include "win32/wmi_com.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kQueries[] = {
    "Select MaxClockSpeed from Win32_Processor",
    "Select Capacity from Win32_PhysicalMemory",
    "Select AdapterRAM, Name from Win32_VideoController",
    "Select Freespace from Win32_LogicalDisk where DriveType = 3",
    "Select Caption from Win32_OperatingSystem",
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void RunRawQueries(hv::platform::WmiService& wmi) {
  for (const char* q : kQueries) {
    const auto items = wmi.ExecQuery(q);
    if (!items) std::printf("query failed: %s\n", q);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  hv::win32::ComInit com;
  std::unique_ptr<hv::win32::WmiCom> wmi = hv::win32::WmiCom::Connect();
  if (!wmi) {
    std::printf("no WMI connection\n");
    return 1;
  }
  hv::win32::RegistryShell shell;
  hv::win32::SystemWin32 system;
  hv::win32::ResourceAssets assets(::GetModuleHandleW(nullptr));
  hv::tk::HeadlessBackend backend;
  hv::shell::App app({backend, wmi.get(), &shell, system, assets});
  hv::lang::LoadEnglish(app.text);
  hv::shell::MainWindow& w = app.Main();
  w.form.Show();

  // Once each before timing: the first queries start WMI's providers.
  hv::sections::ShowSummary(app);
  RunRawQueries(*wmi);

  Clock::duration page{}, raw{};
  for (int r = 0; r < rounds; ++r) {
    w.CurrentSection = 0;  // entered from another page: the status line is written too
    auto start = Clock::now();
    hv::sections::ShowSummary(app);
    page += Clock::now() - start;
    start = Clock::now();
    RunRawQueries(*wmi);
    raw += Clock::now() - start;
  }
  // What the page costs besides its queries: the same fill with no WMI service at all.
  app.wmi = nullptr;
  Clock::duration bare{};
  for (int r = 0; r < rounds; ++r) {
    w.CurrentSection = 0;
    const auto start = Clock::now();
    hv::sections::ShowSummary(app);
    bare += Clock::now() - start;
  }
  app.wmi = wmi.get();
  hv::sections::ShowSummary(app);
  const double pageMs = Seconds(page) * 1000 / rounds;
  const double rawMs = Seconds(raw) * 1000 / rounds;
  std::printf("rounds: %d\n", rounds);
  std::printf("summary page fill: %.3f ms\n", pageMs);
  std::printf("raw WMI queries:   %.3f ms\n", rawMs);
  std::printf("ratio: %.3f\n", rawMs > 0 ? pageMs / rawMs : 0.0);
  std::printf("page fill without queries: %.3f ms\n", Seconds(bare) * 1000 / rounds);
  for (int row : {3, 4, 5, 6, 10, 11, 12})
    std::printf("  %s%s\n", w.LT[row]->Caption().c_str(), w.L[row]->Caption().c_str());
  return 0;
}

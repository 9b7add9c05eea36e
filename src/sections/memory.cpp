// The RAM page: type, form factor and total of the installed modules, the memory in use and
// available, the module count, the data bus width and the cache setting. It keeps the total
// for the live refresh, which rewrites rows 4 and 5 every second while the page is shown.
#include "sections/memory.h"

#include <cstdint>
#include <optional>
#include <string>

#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 6;

// What the module query gathers: the last module that reports a property decides its slot,
// as the modules are expected to agree; the total and the count cover all of them.
struct Modules {
  std::optional<std::string> type, formFactor, width;
  std::int64_t totalKb = 0;
  std::int64_t located = 0;
};

void Keep(std::optional<std::string>& slot, const platform::WmiItem& item, const char* prop) {
  if (auto text = ReadText(item, prop)) slot = std::move(*text);
}

Modules ReadModules(platform::WmiService* wmi) {
  Modules m;
  for (const platform::WmiItem& item :
       QueryItems(wmi,
                  "Select MemoryType, FormFactor, Capacity, DeviceLocator, TotalWidth from "
                  "Win32_PhysicalMemory")) {
    Keep(m.type, item, "MemoryType");
    Keep(m.formFactor, item, "FormFactor");
    // The running sum is rounded after each module; a module without a capacity adds nothing.
    if (const auto capacity = ReadValue(item, "Capacity"))
      if (const auto bytes = platform::CDbl(*capacity))
        if (const auto sum = RoundHalfEven64(static_cast<double>(m.totalKb) + *bytes / 1024.0))
          m.totalKb = *sum;
    if (const auto locator = ReadText(item, "DeviceLocator"); locator && !locator->empty())
      ++m.located;
    Keep(m.width, item, "TotalWidth");
  }
  return m;
}

// The total in KB, or 0 where it is not known: a broken negative total is no total at all,
// so every figure from it shows "Unknown" rather than a wrong share. The total stays in 64
// bits: 2 TB of memory and more is 2^31 KB.
std::int64_t KnownTotalKb(std::int64_t kb) { return kb < 1 ? 0 : kb; }

std::optional<std::string> TotalText(std::int64_t totalKb) {
  if (totalKb < 1) return std::nullopt;
  return MbGbText(totalKb / 1024);
}

std::optional<std::string> ModuleCount(std::int64_t located) {
  if (located < 1) return std::nullopt;
  return std::to_string(located);
}

std::optional<std::string> BusWidth(const std::optional<std::string>& width) {
  if (!width) return std::nullopt;
  const auto bits = CountText(*width, 1);
  if (!bits) return std::nullopt;
  return *bits + " Bits";
}

std::optional<std::string> NameOf(std::optional<std::string> (*table)(const std::string&),
                                  const std::optional<std::string>& code) {
  return code ? table(*code) : std::nullopt;
}

}  // namespace

std::optional<std::int64_t> FreePhysicalMemoryKb(const platform::WmiItem& item) {
  // A 64-bit counter handed over as decimal text: read whole, never through 32 bits.
  const auto free = ReadValue(item, "FreePhysicalMemory");
  return free ? WholeRounded(*free, 1.0) : std::nullopt;
}

void ShowMemory(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const lang::TextTable& t = app.text;
  EnterPage(w, t, kPage, {w.Line1});
  HideAll({w.LNoDrive, w.Iaviso, w.Laviso});

  const Modules m = ReadModules(app.wmi);
  std::int64_t freeKb = 0;
  std::optional<std::string> cache;
  if (const auto item = FirstItem(
          app.wmi, "Select FreePhysicalMemory, LargeSystemCache from Win32_OperatingSystem")) {
    freeKb = FreePhysicalMemoryKb(*item).value_or(0);
    cache = ReadText(*item, "LargeSystemCache");
  }
  const std::int64_t totalKb = KnownTotalKb(m.totalKb);
  w.RamTotalKb = totalKb;

  w.Titulo->SetCaption(t[10 + kPage]);
  HeadingReset(w, 1);
  WriteRow(w, t, 1, t[61] + " ", NameOf(MemoryTypeName, m.type));
  WriteRow(w, t, 2, t[90] + " ", NameOf(FormFactorName, m.formFactor));
  WriteRow(w, t, 3, t[91] + " ", TotalText(totalKb));
  WriteRow(w, t, 4, t[92] + " ", MemoryInUseText(totalKb, freeKb));
  WriteRow(w, t, 5, t[93] + " ", MemoryAvailableText(totalKb, freeKb));
  for (int row = 3; row <= 5; ++row) SetCaptionTip(w, row, "");
  WriteRow(w, t, 6, t[94] + " ", ModuleCount(m.located));
  WriteRow(w, t, 7, t[95] + " ", BusWidth(m.width));
  HeadingReset(w, 8);
  const auto cacheElement = cache ? LargeSystemCacheElement(*cache) : std::nullopt;
  WriteRow(w, t, 8, t[96] + " ",
           cacheElement ? std::optional<std::string>(t[*cacheElement]) : std::nullopt);
  BlankRows(w, 9, kLastRow);

  // Last, once every row stands: the refresh takes over rows 4 and 5.
  w.Timer1->SetEnabled(true);
}

}  // namespace hv::sections

// The report's RAM section: type, form factor and total of the installed modules, the module
// count, the data bus width and the cache setting, asked of WMI afresh. Unlike the RAM page
// it shows no memory in use, so it leaves the page's total for the live refresh alone.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/variant.h"
#include "report/section_writers.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/app.h"

namespace hv::report {

namespace {

// What the module query gathers: the last module that reports a property decides its value,
// as the modules are expected to agree; the total and the count cover all of them.
struct Modules {
  std::optional<std::string> type, formFactor, width;
  std::int64_t totalKb = 0;
  std::int64_t counted = 0;
};

void Keep(std::optional<std::string>& slot, const platform::WmiItem& item, const char* prop) {
  if (auto text = sections::ReadText(item, prop)) slot = std::move(*text);
}

// The running sum is rounded after each module, in 64 bits so that no amount of memory can
// overflow it; a module without a readable capacity adds nothing.
void AddCapacity(std::int64_t& totalKb, const platform::WmiItem& item) {
  const auto capacity = sections::ReadValue(item, "Capacity");
  const auto bytes = capacity ? platform::CDbl(*capacity) : std::nullopt;
  if (!bytes) return;
  if (const auto sum = sections::RoundHalfEven64(static_cast<double>(totalKb) + *bytes / 1024.0))
    totalKb = *sum;
}

// Every module with a locator counts, and so does one whose locator cannot be read at all:
// it is still a module WMI lists. Only a locator read as blank leaves a module out.
bool Counts(const platform::WmiItem& item) {
  const auto locator = sections::ReadText(item, "DeviceLocator");
  return !locator || !locator->empty();
}

Modules ReadModules(platform::WmiService* wmi) {
  Modules m;
  for (const platform::WmiItem& item :
       sections::QueryItems(wmi,
                            "Select MemoryType, FormFactor, Capacity, DeviceLocator, TotalWidth "
                            "from Win32_PhysicalMemory")) {
    Keep(m.type, item, "MemoryType");
    Keep(m.formFactor, item, "FormFactor");
    AddCapacity(m.totalKb, item);
    if (Counts(item)) ++m.counted;
    Keep(m.width, item, "TotalWidth");
  }
  return m;
}

std::optional<std::string> CacheUse(const ReportRun& run) {
  const auto item = sections::FirstItem(run.app.wmi,
                                        "Select LargeSystemCache from "
                                        "Win32_OperatingSystem");
  const auto code = item ? sections::ReadText(*item, "LargeSystemCache") : std::nullopt;
  const auto element = code ? sections::LargeSystemCacheElement(*code) : std::nullopt;
  if (!element) return std::nullopt;
  return Text(run, *element);
}

std::optional<std::string> TotalText(std::int64_t totalKb) {
  if (totalKb < 1) return std::nullopt;
  return sections::MbGbText(totalKb / 1024);
}

std::optional<std::string> ModuleCount(std::int64_t counted) {
  if (counted < 1) return std::nullopt;
  return std::to_string(counted);
}

std::optional<std::string> BusWidth(const std::optional<std::string>& width) {
  const auto bits = width ? sections::CountText(*width, 1) : std::nullopt;
  if (!bits) return std::nullopt;
  return *bits + " Bits";
}

std::optional<std::string> NameOf(std::optional<std::string> (*table)(const std::string&),
                                  const std::optional<std::string>& code) {
  return code ? table(*code) : std::nullopt;
}

std::string Or(const ReportRun& run, const std::optional<std::string>& value) {
  return ValueOrUnknown(run, value.value_or(""));
}

}  // namespace

void ReportMemory(ReportRun& run) {
  const Modules m = ReadModules(run.app.wmi);
  const std::optional<std::string> cacheUse = CacheUse(run);
  const auto t = [&run](int element) { return Text(run, element); };

  const std::vector<ReportRow> rows{
      {t(61), Or(run, NameOf(sections::MemoryTypeName, m.type))},
      {t(90), Or(run, NameOf(sections::FormFactorName, m.formFactor))},
      {t(91), Or(run, TotalText(m.totalKb))},
      {t(94), Or(run, ModuleCount(m.counted))},
      {t(95), Or(run, BusWidth(m.width))},
      {t(96), Or(run, cacheUse)},
  };
  run.texts.Tb.AppendRows(rows);
}

}  // namespace hv::report

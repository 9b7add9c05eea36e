// The Operating system page: name, version and build, service pack, architecture, serial
// number, product key, language, registered user, process count, installation date and
// virtual memory of the installed Windows, from the first Win32_OperatingSystem item. The
// live refresh, which this page switches on last, keeps the process count and the virtual
// memory current.
#include "sections/operating_system.h"

#include "sections/os_reader.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 4;

struct Page {
  shell::App& app;
  shell::MainWindow& w;
  const lang::TextTable& t;
};

std::optional<std::string> ServicePack(const Page& p, const OsValues& s) {
  return ServicePackText(s.servicePack, p.t[73], p.t[72]);
}

std::optional<std::string> InstallDate(const Page& p, const OsValues& s) {
  if (s.installDate.empty()) return std::nullopt;
  return InstallationDateText(s.installDate, p.t[80], p.app.system);
}

// The service pack and the installation date are converted while the rows are written; on
// the first pass a conversion that fails is answered by the retry like a failed read.
bool ConversionsFail(const Page& p, const OsValues& s) {
  return !ServicePack(p, s) || (!s.installDate.empty() && !InstallDate(p, s));
}

void WriteVirtualMemory(const Page& p, const OsValues& s) {
  const VirtualMemoryRow vm = VirtualMemoryRule(s.totalMb, s.usedMb);
  WriteCaptionedRow(p.w, p.t, 11, vm.caption == VirtualMemoryCaption::InUse ? 81 : 161, vm.value);
}

void WriteRows(const Page& p, const OsValues& s) {
  WriteCaptionedRow(p.w, p.t, 1, 36, NonEmpty(s.name));
  // Shown as built, so an empty version shows the bare ", "; only a version that could not
  // be read at all shows "Unknown".
  WriteCaptionedRow(p.w, p.t, 2, 70, s.version);
  WriteCaptionedRow(p.w, p.t, 3, 71, ServicePack(p, s));
  WriteCaptionedRow(p.w, p.t, 4, 61, NonEmpty(s.architecture));
  WriteCaptionedRow(p.w, p.t, 5, 74, NonEmpty(s.serial));
  WriteCaptionedRow(p.w, p.t, 6, 75, NonEmpty(s.productKey));
  WriteCaptionedRow(p.w, p.t, 7, 76, OsLanguageName(s.language));
  WriteCaptionedRow(p.w, p.t, 8, 77, NonEmpty(s.user));
  WriteCaptionedRow(p.w, p.t, 9, 78, CountText(s.processes, 1));
  WriteCaptionedRow(p.w, p.t, 10, 79, InstallDate(p, s));
  WriteVirtualMemory(p, s);
  BlankRow(p.w, 12);
}

}  // namespace

void ShowOperatingSystem(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const Page p{app, w, app.text};
  EnterPage(w, p.t, kPage, {w.Line1});
  HideAll({w.LNoDrive, w.Iaviso, w.Laviso});

  // One retry per visit, also when a conversion fails; the page shows the virtual memory
  // in use and asks for the product key after each pass.
  const auto conversionsFail = [&p](const OsValues& read) { return ConversionsFail(p, read); };
  const OsValues s = ReadOperatingSystem(
      app.wmi, app.system, {.inUse = true, .keyEachPass = true, .retryAlso = conversionsFail});

  w.Titulo->SetCaption(p.t[14]);
  WriteRows(p, s);
  // Last of all: the live refresh keeps the process count and virtual memory current.
  w.Timer1->SetEnabled(true);
}

}  // namespace hv::sections

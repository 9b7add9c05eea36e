#include "report/closing.h"

#include "platform/variant.h"
#include "report/clock_texts.h"
#include "report/converters.h"
#include "report/footers.h"
#include "report/heads.h"
#include "report/section_chain.h"
#include "shell/app.h"

namespace hv::report {

std::string ElapsedSeconds(std::uint32_t start, std::uint32_t now, char decimalSeparator) {
  // Unsigned, so a counter that wrapped in between still gives the true difference.
  const std::uint32_t elapsed = now - start;
  const std::string text = platform::DoubleText(elapsed / 1000.0, decimalSeparator);
  return text.substr(0, 4);
}

void ConvertOutputs(ReportTexts& texts, const Accent& accent) {
  for (Format f : kFormats) texts.Output(f).text += Convert(texts.Tb, f, accent);
  texts.Tb.Clear();
  DropRtfSectionTail(texts.Tb1.text);
}

void BeginReport(ReportRun& run) {
  shell::App& app = run.app;
  const platform::LocalTime now = app.system.Now();
  HeadInputs head;
  head.title =
      MakeTitleLine(Text(run, 160), kVersion, TitleTime(app.look.languageName, app.system, now),
                    TitleDate(app.system, now));
  head.accent = AccentOf(app.look);
  head.reportName = Text(run, 159);
  head.codePage = app.system.AnsiCodePage();
  WriteHeads(run.texts, head);
  RunSections(run, ReportChain());
  EndReport(run);
}

void EndReport(ReportRun& run) {
  shell::App& app = run.app;
  const Accent accent = AccentOf(app.look);
  ConvertOutputs(run.texts, accent);
  AppendFooters(run.texts, {accent, Text(run, 164), Text(run, 186)});
  const std::string seconds =
      ElapsedSeconds(run.reportStart, app.system.TickCount(), app.system.DecimalSeparator());
  FillSeconds(run.texts, seconds);
  if (run.showStatus) run.showStatus(ReplaceAll(Text(run, 182), "(#)", seconds));
}

}  // namespace hv::report

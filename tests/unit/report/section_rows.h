#pragma once
// Running one report section writer on a fixture machine and reading back its rows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lang/text_table.h"
#include "report/neutral_text.h"
#include "report/report_texts.h"
#include "report/section_writers.h"
#include "support/app_fixture.h"

namespace hv::report::test {

using Row = std::pair<std::string, std::string>;  // caption, value

// The rows of the neutral text in order, read at the recorded marker places, so a value
// that holds marker text is read whole.
inline std::vector<Row> RowsOf(const NeutralText& tb) {
  std::vector<Row> rows;
  const std::string& text = tb.Text();
  std::size_t captionAt = 0, valueAt = 0;
  for (const NeutralText::Place& p : tb.Places()) {
    switch (p.marker) {
      case Marker::FirstRow:
      case Marker::NextRow:
        captionAt = p.at + 2;
        break;
      case Marker::Value:
        rows.push_back({text.substr(captionAt, p.at - captionAt), ""});
        valueAt = p.at + 2;
        break;
      case Marker::RowEnd:
      case Marker::ListEnd:
        if (!rows.empty()) rows.back().second = text.substr(valueAt, p.at - valueAt);
        break;
      default:
        break;
    }
  }
  return rows;
}

// A program on a fixture machine ("typical", "empty", "" for no WMI) in English.
class SectionHarness {
 public:
  explicit SectionHarness(const std::string& machine = "typical") : fx(machine) {
    lang::LoadEnglish(fx.App().text);
  }
  ReportRun Run() { return {fx.App(), texts, 0, nullptr}; }
  // Runs the writers in order on one run and gives the rows they wrote.
  template <typename... Writers>
  std::vector<Row> Rows(Writers... writers) {
    ReportRun run = Run();
    run.displayMemoryMb = memoryBefore;
    (writers(run), ...);
    memoryAfter = run.displayMemoryMb;
    return RowsOf(texts.Tb);
  }

  hv::test::AppFixture fx;
  ReportTexts texts;
  std::int32_t memoryBefore = 0;
  std::int32_t memoryAfter = 0;
};

}  // namespace hv::report::test

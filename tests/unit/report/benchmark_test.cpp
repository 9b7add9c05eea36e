// Timing of the heads and the conversion of a full-size report. Disabled by default; run it
// with --gtest_also_run_disabled_tests --gtest_filter='*Benchmark*'.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "report/closing.h"
#include "report/footers.h"
#include "report/heads.h"

namespace hv::report {
namespace {

TEST(ReportBenchmark, DISABLED_HeadsAndConversionOfAFullReport) {
  constexpr int kRuns = 200;
  const auto start = std::chrono::steady_clock::now();
  std::size_t bytes = 0;
  for (int run = 0; run < kRuns; ++run) {
    ReportTexts texts;
    HeadInputs head;
    head.title = MakeTitleLine("Report made by Brenlow Harvala (1) in (2) sec. at (3) on (4).",
                               "2.5", "02:05 PM", "09/03/2014");
    WriteHeads(texts, head);
    for (int section = 0; section < 12; ++section) {
      texts.Tb.AppendTitle("Section " + std::to_string(section));
      std::vector<ReportRow> rows;
      for (int row = 0; row < 12; ++row) {
        rows.push_back({"Caption " + std::to_string(row) + ":",
                        "C:\\Windows\\value <" + std::to_string(row) + ">"});
      }
      texts.Tb.AppendRows(rows);
    }
    ConvertOutputs(texts, {0, 51, 255});
    AppendFooters(texts, {{0, 51, 255}, "Thank you!", "Website"});
    FillSeconds(texts, "1.25");
    bytes += texts.Tb1.text.size();
  }
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
      kRuns;
  std::printf("heads, conversion and footers of a 12 x 12 report: %.3f ms (%zu bytes)\n", ms,
              bytes / kRuns);
  EXPECT_GT(bytes, 0u);
}

}  // namespace
}  // namespace hv::report

#pragma once
// Runs one report section writer as the chain does and reads its rows back out of the neutral
// text by the markers it recorded, so a value that itself reads like a marker stays whole.
#include <string>
#include <utility>
#include <vector>

#include "lang/text_table.h"
#include "report/section_chain.h"
#include "support/app_fixture.h"

namespace hv::report::test_rows {

using Row = std::pair<std::string, std::string>;  // caption, value

struct SectionRun {
  std::string text;                   // the whole neutral text of the section
  std::vector<std::string> statuses;  // the progress shown
  std::vector<Row> rows;
  std::vector<std::string> Values() const {
    std::vector<std::string> v;
    for (const Row& r : rows) v.push_back(r.second);
    return v;
  }
};

inline std::vector<Row> RowsOf(const NeutralText& tb) {
  std::vector<Row> rows;
  const auto& places = tb.Places();
  for (std::size_t i = 0; i + 2 < places.size(); ++i) {
    const Marker m = places[i].marker;
    if (m != Marker::FirstRow && m != Marker::NextRow) continue;
    const std::size_t captionAt = places[i].at + 2;
    const std::size_t valueAt = places[i + 1].at + 2;
    rows.emplace_back(tb.Text().substr(captionAt, places[i + 1].at - captionAt),
                      tb.Text().substr(valueAt, places[i + 2].at - valueAt));
  }
  return rows;
}

inline SectionRun RunWriter(test::AppFixture& fx, SectionWriter writer, int title,
                            const char* step) {
  lang::LoadEnglish(fx.App().text);
  ReportTexts texts;
  SectionRun out;
  ReportRun run{fx.App(), texts, 0, [&out](const std::string& s) { out.statuses.push_back(s); }};
  const SectionStep steps[] = {{step, title, writer}};
  RunSections(run, steps);
  out.text = texts.Tb.Text();
  out.rows = RowsOf(texts.Tb);
  return out;
}

}  // namespace hv::report::test_rows

#pragma once
// Runs the User account and Computer report sections as the chain does, on a fixture machine
// in English, and reads their rows back by the markers the neutral text recorded.
#include <string>
#include <utility>
#include <vector>

#include "lang/text_table.h"
#include "report/section_chain.h"
#include "report/section_writers.h"
#include "support/app_fixture.h"

namespace hv::report::first_sections {

struct Written {
  std::string text;
  std::vector<std::string> statuses;
  std::vector<std::string> captions, values;
};

inline void ReadRows(const NeutralText& tb, Written& out) {
  const std::string& text = tb.Text();
  std::size_t from = 0;
  for (const NeutralText::Place& p : tb.Places()) {
    const std::string piece = text.substr(from, p.at - from);
    from = p.at + 2;
    if (p.marker == Marker::Value) out.captions.push_back(piece);
    if (p.marker == Marker::RowEnd || p.marker == Marker::ListEnd) out.values.push_back(piece);
  }
}

inline Written Write(test::AppFixture& fx, SectionWriter writer, int title, const char* step,
                     ReportTexts& texts) {
  lang::LoadEnglish(fx.App().text);
  Written out;
  ReportRun run{fx.App(), texts, 0, [&out](const std::string& s) { out.statuses.push_back(s); }};
  const SectionStep steps[] = {{step, title, writer}};
  RunSections(run, steps);
  out.text = texts.Tb.Text();
  ReadRows(texts.Tb, out);
  return out;
}

inline Written UserAccount(test::AppFixture& fx) {
  ReportTexts texts;
  return Write(fx, ReportUserAccount, 12, "1/12", texts);
}

inline Written Computer(test::AppFixture& fx) {
  ReportTexts texts;
  return Write(fx, ReportComputer, 13, "2/12", texts);
}

}  // namespace hv::report::first_sections

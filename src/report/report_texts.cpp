#include "report/report_texts.h"

namespace hv::report {

ReportOutput& ReportTexts::Output(Format format) {
  switch (format) {
    case Format::Rtf:
      return Tb1;
    case Format::Html:
      return Tb2;
    case Format::BBCode:
      return Tb3;
    case Format::Plain:
      break;
  }
  return Tb4;
}

const ReportOutput& ReportTexts::Output(Format format) const {
  return const_cast<ReportTexts&>(*this).Output(format);
}

void ReportTexts::ClearOutputs() {
  for (Format f : kFormats) Output(f) = ReportOutput{};
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
  if (what.empty()) return text;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
  return text;
}

TitleLine MakeTitleLine(const std::string& templateText, const std::string& version,
                        const std::string& time, const std::string& date) {
  static const std::string kSeconds = "(2)";
  TitleLine title;
  std::size_t from = 0;
  for (;;) {
    const auto at = templateText.find(kSeconds, from);
    std::string piece = templateText.substr(from, at == std::string::npos ? at : at - from);
    piece = ReplaceAll(std::move(piece), "(1)", version);
    piece = ReplaceAll(std::move(piece), "(3)", time);
    title.pieces.push_back(ReplaceAll(std::move(piece), "(4)", date));
    if (at == std::string::npos) break;
    from = at + kSeconds.size();
  }
  return title;
}

void AppendTitleLine(ReportOutput& out, const TitleLine& title, Format format) {
  for (std::size_t i = 0; i < title.pieces.size(); ++i) {
    if (i > 0) out.secondsAt.push_back(out.text.size());
    out.text += Escape(format, title.pieces[i]);
  }
}

void FillSeconds(ReportTexts& texts, const std::string& seconds) {
  for (Format f : kFormats) {
    ReportOutput& out = texts.Output(f);
    // The user's decimal separator may be any character, markup ones included.
    const std::string text = Escape(f, seconds);
    // Back to front, so the earlier places stay where they were recorded.
    for (auto it = out.secondsAt.rbegin(); it != out.secondsAt.rend(); ++it) {
      if (*it <= out.text.size()) out.text.insert(*it, text);
    }
    out.secondsAt.clear();
  }
}

}  // namespace hv::report

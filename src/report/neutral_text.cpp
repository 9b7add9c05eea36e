#include "report/neutral_text.h"

namespace hv::report {

namespace {
constexpr const char* kCrLf = "\r\n";
}

void NeutralText::Clear() {
  text_.clear();
  places_.clear();
}

void NeutralText::Put(Marker m) {
  places_.push_back({text_.size(), m});
  text_ += '^';
  text_ += static_cast<char>(m);
}

void NeutralText::AppendTitle(const std::string& title) {
  Put(Marker::SectionTitle);
  text_ += title;
  Put(Marker::TitleEnd);
  text_ += kCrLf;
}

void NeutralText::AppendRows(std::span<const ReportRow> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Put(i == 0 ? Marker::FirstRow : Marker::NextRow);
    text_ += rows[i].caption;
    Put(Marker::Value);
    text_ += rows[i].value;
    Put(i + 1 == rows.size() ? Marker::ListEnd : Marker::RowEnd);
    text_ += kCrLf;
  }
}

}  // namespace hv::report

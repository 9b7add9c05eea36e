#include "sections/page_model.h"

#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

bool IsRow(int row) { return row >= kFirstRow && row <= kLastRow; }

}  // namespace

bool EnterPage(shell::MainWindow& w, const lang::TextTable& text, int page,
               std::initializer_list<tk::Control*> alsoHide) {
  if (w.CurrentSection == page) return false;
  w.CurrentSection = static_cast<std::uint8_t>(page);
  HideAll(alsoHide);
  w.Line2->SetVisible(false);
  w.Labelmi->SetCaption(text[kGettingInformation]);
  // The page's queries block the window until the menu handler's final repaint; without
  // this one the status would never be seen.
  w.form.Refresh();
  return true;
}

void WriteCaption(shell::MainWindow& w, int row, const std::string& caption) {
  if (!IsRow(row)) return;
  tk::Label& lt = *w.LT[row];
  lt.SetCaption(caption);
  // Read after the caption is set: auto-size has measured it by now.
  w.L[row]->SetLeft(lt.Left() + lt.Width());
}

void WriteValue(shell::MainWindow& w, int row, const std::string& value) {
  if (!IsRow(row)) return;
  w.L[row]->SetCaption(value);
  w.L[row]->SetToolTipText(value);
}

std::string ValueOrUnknown(const std::optional<std::string>& value, const lang::TextTable& text) {
  return value && !value->empty() ? *value : text[kUnknown];
}

void WriteRow(shell::MainWindow& w, const lang::TextTable& text, int row,
              const std::string& caption, const std::optional<std::string>& value) {
  WriteCaption(w, row, caption);
  WriteValue(w, row, ValueOrUnknown(value, text));
}

void SetCaptionTip(shell::MainWindow& w, int row, const std::string& tip) {
  if (row >= 3 && row <= 5) w.LT[row]->SetToolTipText(tip);
}

void BlankRow(shell::MainWindow& w, int row) {
  if (!IsRow(row)) return;
  w.LT[row]->SetCaption("");
  w.L[row]->SetCaption("");
  w.L[row]->SetToolTipText("");
}

void BlankRows(shell::MainWindow& w, int first, int last) {
  for (int row = first; row <= last; ++row) BlankRow(w, row);
}

void HeadingReset(shell::MainWindow& w, int row) {
  if (!IsRow(row)) return;
  tk::Label& lt = *w.LT[row];
  lt.SetForeColor(kCaptionColor);
  tk::Font font = lt.GetFont();
  font.italic = false;
  lt.SetFont(font);
}

void StyleHeading(shell::MainWindow& w, int row, tk::Color accent) {
  if (!IsRow(row)) return;
  tk::Label& lt = *w.LT[row];
  lt.SetForeColor(accent);
  tk::Font font = lt.GetFont();
  font.italic = true;
  lt.SetFont(font);
}

void ShowSpacerLine(tk::Line& line, const shell::MainWindow& w, int row, int offset) {
  if (!IsRow(row)) return;
  const int y = w.LT[row]->Top() + offset;
  line.SetY(y, y);
  line.SetVisible(true);
}

void HideAll(std::initializer_list<tk::Control*> controls) {
  for (tk::Control* c : controls)
    if (c) c->SetVisible(false);
}

std::vector<platform::WmiItem> QueryItems(platform::WmiService* wmi, const std::string& wql) {
  if (!wmi) return {};
  auto items = wmi->ExecQuery(wql);
  if (!items) return {};
  return std::move(*items);
}

std::optional<platform::WmiItem> FirstItem(platform::WmiService* wmi, const std::string& wql) {
  std::vector<platform::WmiItem> items = QueryItems(wmi, wql);
  if (items.empty()) return std::nullopt;
  return std::move(items.front());
}

std::string WqlQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "'";
}

std::optional<platform::Variant> ReadValue(const platform::WmiItem& item, const std::string& prop) {
  auto v = item.Get(prop);
  if (!v || v->IsNull()) return std::nullopt;
  return v;
}

std::optional<std::string> ReadText(const platform::WmiItem& item, const std::string& prop) {
  const auto v = ReadValue(item, prop);
  if (!v) return std::nullopt;
  const auto text = platform::CStr(*v);
  if (!text) return std::nullopt;
  return platform::Trim(*text);
}

std::optional<std::int32_t> ReadNumber(const platform::WmiItem& item, const std::string& prop) {
  const auto v = ReadValue(item, prop);
  if (!v) return std::nullopt;
  return platform::CLng(*v);
}

std::int64_t SumFloor(const std::vector<platform::WmiItem>& items, const std::string& prop,
                      double divisor) {
  std::int64_t sum = 0;
  for (const platform::WmiItem& item : items) {
    const auto v = ReadValue(item, prop);
    if (!v) continue;
    const auto whole = WholeFloor(*v, divisor);
    std::int64_t next = 0;
    // A step that would leave 64 bits is skipped like any failing step.
    if (!whole || __builtin_add_overflow(sum, *whole, &next)) continue;
    sum = next;
  }
  return sum;
}

void WriteCaptionedRow(shell::MainWindow& w, const lang::TextTable& text, int row, int caption,
                       const std::optional<std::string>& value) {
  if (row == 1 || row == 8) HeadingReset(w, row);
  WriteRow(w, text, row, text[caption] + " ", value);
  SetCaptionTip(w, row, "");
}

std::optional<std::string> NonEmpty(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

std::string TextOrEmpty(const platform::WmiItem& item, const std::string& prop) {
  return ReadText(item, prop).value_or("");
}

std::string Joined(const std::vector<std::string>& entries, const std::string& separator) {
  std::string text;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) text += separator;
    text += entries[i];
  }
  return text;
}

}  // namespace hv::sections

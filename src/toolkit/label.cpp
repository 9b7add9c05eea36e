#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/control.h"
#include "toolkit/form.h"

namespace hv::tk {

namespace {

// Splits at line breaks; "\r\n", "\n" and a lone "\r" each end a line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += ch;
    }
  }
  return lines;
}

}  // namespace

Label::Label(Form& form, std::string name, PictureBox* container)
    : Control(form, ControlKind::Label, std::move(name), container), font_(form.font) {}

void Label::SetCaption(std::string text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  Changed();
  Measure();
}

void Label::SetAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  Measure();
}

void Label::SetFont(const Font& f) {
  if (f == font_) return;
  font_ = f;
  Changed();
  Measure();
}

void Label::SetForeColor(Color c) {
  if (c == foreColor_) return;
  foreColor_ = c;
  Changed();
}

void Label::SetTransparent(bool v) {
  if (v == transparent_) return;
  transparent_ = v;
  Changed();
}

void Label::SetBackColor(Color c) {
  if (c == backColor_) return;
  backColor_ = c;
  Changed();
}

void Label::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  Changed();
  Measure();
}

void Label::Measure() {
  if (!autoSize_) return;
  // A word-wrapped label keeps its width and grows or shrinks in height; any other takes
  // the size of its text, the widest line by the sum of the line heights.
  const TextSize size = MeasureWrapped(caption_, wordWrap_ ? Width() : -1);
  SetBounds({Left(), Top(), wordWrap_ ? Width() : size.width, size.height});
}

TextSize Label::MeasureWrapped(const std::string& text, int width) const {
  Backend& backend = Owner().GetBackend();
  TextSize total;
  auto addLine = [&](const std::string& line) {
    const TextSize s = backend.MeasureText(font_, line);
    total.width = std::max(total.width, s.width);
    total.height += s.height;
  };
  for (const std::string& line : SplitLines(text)) {
    if (width < 0) {
      addLine(line);
      continue;
    }
    // Greedy wrapping at spaces; a single word wider than the label stays on its own line.
    std::string current;
    std::size_t pos = 0;
    while (pos <= line.size()) {
      std::size_t end = line.find(' ', pos);
      if (end == std::string::npos) end = line.size();
      const std::string word = line.substr(pos, end - pos);
      const std::string candidate = current.empty() ? word : current + ' ' + word;
      if (!current.empty() && backend.MeasureText(font_, candidate).width > width) {
        addLine(current);
        current = word;
      } else {
        current = candidate;
      }
      pos = end + 1;
    }
    addLine(current);
  }
  return total;
}

}  // namespace hv::tk

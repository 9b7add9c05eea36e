// Reads the machine description format documented in fixture_wmi.h.
#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>

#include "support/ascii.h"
#include "support/fixture_wmi.h"

namespace hv::test {

namespace {

using platform::Variant;

std::string_view Strip(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool IsName(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

// One typed value at the front of the text; the text is advanced past it.
class ValueReader {
 public:
  explicit ValueReader(std::string_view s) : s_(s) {}

  Variant Read() {
    Skip();
    if (s_.empty()) throw std::invalid_argument("a value is missing");
    if (s_.front() == '"') return Quoted();
    if (s_.front() == '[') return List();
    return Bare();
  }
  bool AtEnd() {
    Skip();
    return s_.empty();
  }

 private:
  void Skip() { s_ = Strip(s_); }
  std::string_view Word() {
    std::size_t n = 0;
    while (n < s_.size() && s_[n] != ',' && s_[n] != ']' &&
           !std::isspace(static_cast<unsigned char>(s_[n])))
      ++n;
    auto w = s_.substr(0, n);
    s_.remove_prefix(n);
    return w;
  }
  char Escaped() {
    if (s_.empty()) throw std::invalid_argument("unfinished escape");
    const char c = s_.front();
    s_.remove_prefix(1);
    if (c == 'n') return '\n';
    if (c == 't') return '\t';
    if (c != 'x') return c;
    if (s_.size() < 2 || HexDigit(s_[0]) < 0 || HexDigit(s_[1]) < 0)
      throw std::invalid_argument("bad \\x escape");
    const int byte = HexDigit(s_[0]) * 16 + HexDigit(s_[1]);
    s_.remove_prefix(2);
    return static_cast<char>(byte);
  }
  Variant Quoted() {
    s_.remove_prefix(1);
    std::string text;
    while (!s_.empty() && s_.front() != '"') {
      const char c = s_.front();
      s_.remove_prefix(1);
      text += c == '\\' ? Escaped() : c;
    }
    if (s_.empty()) throw std::invalid_argument("unterminated text");
    s_.remove_prefix(1);
    return Variant(std::move(text));
  }
  Variant List() {
    s_.remove_prefix(1);
    std::vector<Variant> items;
    Skip();
    if (!s_.empty() && s_.front() == ']') {
      s_.remove_prefix(1);
      return Variant(std::move(items));
    }
    while (true) {
      items.push_back(Read());
      Skip();
      if (s_.empty()) throw std::invalid_argument("unterminated list");
      const char c = s_.front();
      s_.remove_prefix(1);
      if (c == ']') return Variant(std::move(items));
      if (c != ',') throw std::invalid_argument("expected ',' or ']'");
    }
  }
  Variant Wide(bool isSigned) {
    Skip();
    const std::string digits(Word());
    const std::size_t start = (isSigned && !digits.empty() && digits[0] == '-') ? 1 : 0;
    if (digits.size() == start ||
        digits.find_first_not_of("0123456789", start) != std::string::npos)
      throw std::invalid_argument("bad 64-bit number '" + digits + "'");
    return Variant(digits);
  }
  Variant Bare() {
    const std::string word(Word());
    const std::string lower = LowerAscii(word);
    if (lower == "null") return Variant::Null();
    if (lower == "true") return Variant(true);
    if (lower == "false") return Variant(false);
    if (lower == "u64") return Wide(false);
    if (lower == "i64") return Wide(true);
    const auto number = platform::CDbl(Variant(word));
    if (!number || word.find_first_of(" \t") != std::string::npos)
      throw std::invalid_argument("unknown value '" + word + "'");
    if (word.find_first_of(".eE") != std::string::npos) return Variant(*number);
    const auto whole = platform::CLng(Variant(*number));
    if (!whole) throw std::invalid_argument("'" + word + "' needs u64 or i64");
    return Variant(*whole);
  }

  std::string_view s_;
};

std::vector<std::string> NameList(std::string_view s) {
  if (s.empty()) throw std::invalid_argument("names expected");
  std::vector<std::string> names;
  while (!s.empty()) {
    const auto comma = s.find(',');
    const auto name = Strip(s.substr(0, comma));
    if (!IsName(name)) throw std::invalid_argument("bad name '" + std::string(name) + "'");
    names.emplace_back(name);
    s = comma == std::string_view::npos ? std::string_view() : s.substr(comma + 1);
  }
  return names;
}

}  // namespace

class MachineParser {
 public:
  explicit MachineParser(FixtureWmi& wmi) : wmi_(wmi) {}

  void Line(std::string_view line) {
    line = Strip(line);
    if (line.empty() || line.front() == '#') return;
    const auto space = line.find_first_of(" \t");
    const std::string_view head = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? "" : Strip(line.substr(space));
    if (head == "class") return StartClass(rest);
    if (head == "key") return Keys(rest);
    if (head == "item" && rest.empty()) return StartItem();
    Property(line);
  }

 private:
  void StartClass(std::string_view name) {
    if (!IsName(name)) throw std::invalid_argument("bad class name");
    if (wmi_.Find(std::string(name))) throw std::invalid_argument("class described twice");
    wmi_.classes_.push_back({std::string(name), {}, {}});
    cls_ = &wmi_.classes_.back();
  }
  void Keys(std::string_view names) {
    if (!cls_) throw std::invalid_argument("'key' outside a class");
    for (auto& n : NameList(names)) cls_->keys.push_back(std::move(n));
  }
  void StartItem() {
    if (!cls_) throw std::invalid_argument("'item' outside a class");
    cls_->items.emplace_back();
  }
  void Property(std::string_view line) {
    if (!cls_ || cls_->items.empty()) throw std::invalid_argument("property outside an item");
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) throw std::invalid_argument("expected 'Name = value'");
    const auto name = Strip(line.substr(0, eq));
    if (!IsName(name)) throw std::invalid_argument("bad property name");
    ValueReader reader(line.substr(eq + 1));
    Variant value = reader.Read();
    if (!reader.AtEnd()) throw std::invalid_argument("text after the value");
    auto& item = cls_->items.back();
    for (const auto& [existing, v] : item)
      if (EqualsNoCase(existing, name)) throw std::invalid_argument("property given twice");
    item.emplace_back(std::string(name), std::move(value));
  }

  FixtureWmi& wmi_;
  // Classes live in a vector that only grows at StartClass, so this stays valid between lines.
  FixtureWmi::Class* cls_ = nullptr;
};

FixtureWmi FixtureWmi::FromText(const std::string& description) {
  FixtureWmi wmi;
  MachineParser parser(wmi);
  std::size_t lineNo = 0, start = 0;
  while (start <= description.size()) {
    const auto end = std::min(description.find('\n', start), description.size());
    ++lineNo;
    try {
      parser.Line(std::string_view(description).substr(start, end - start));
    } catch (const std::invalid_argument& e) {
      throw std::invalid_argument("machine description line " + std::to_string(lineNo) + ": " +
                                  e.what());
    }
    start = end + 1;
  }
  return wmi;
}

}  // namespace hv::test

#pragma once
// What a reader of a saved rich text sees: the group depth, whether it ever went below zero,
// and the text. A reader that knows \uN takes the character and skips the \ucN fallback
// characters after it (\uc counted per group); one that does not reads the fallback, \'hh
// turned back into the byte it stands for. Control words are otherwise skipped.
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf8.h"

namespace hv::test {

struct RtfReading {
  int depth = 0;
  bool underflow = false;
  std::string text;
};

class RtfReader {
 public:
  RtfReader(std::string_view rtf, bool unicode) : rtf_(rtf), unicode_(unicode) {}

  RtfReading Read() {
    while (i_ < rtf_.size()) Item(false);
    return r_;
  }

 private:
  static int Hex(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
  }

  // One character, group mark or control; skipped ones leave no text. Returns false at a
  // group mark, which ends a skip.
  bool Item(bool skip) {
    const char c = rtf_[i_++];
    if (c == '{' || c == '}') {
      Group(c == '{');
      return false;
    }
    if (c != '\\') {
      if (!skip && c != '\r' && c != '\n') r_.text += c;
      return true;
    }
    if (i_ < rtf_.size() && std::string_view("\\{}").find(rtf_[i_]) != std::string_view::npos) {
      if (!skip) r_.text += rtf_[i_];
      ++i_;
    } else if (i_ + 2 < rtf_.size() && rtf_[i_] == '\'') {
      if (!skip) r_.text += static_cast<char>(Hex(rtf_[i_ + 1]) * 16 + Hex(rtf_[i_ + 2]));
      i_ += 3;
    } else {
      Control(skip);
    }
    return true;
  }

  void Group(bool open) {
    r_.depth += open ? 1 : -1;
    r_.underflow = r_.underflow || r_.depth < 0;
    if (open) {
      uc_.push_back(uc_.back());
    } else if (uc_.size() > 1) {
      uc_.pop_back();
    }
  }

  // A control word, its number and the one space that ends it.
  void Control(bool skip) {
    std::string word;
    while (i_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[i_])))
      word += rtf_[i_++];
    std::string number;
    while (i_ < rtf_.size() &&
           (std::isdigit(static_cast<unsigned char>(rtf_[i_])) || rtf_[i_] == '-'))
      number += rtf_[i_++];
    if (i_ < rtf_.size() && rtf_[i_] == ' ') ++i_;
    if (!unicode_ || skip || number.empty()) return;
    if (word == "uc") uc_.back() = std::stoi(number);
    if (word != "u") return;
    Unit(static_cast<char32_t>(std::stoi(number) & 0xFFFF));
    for (int n = 0; n < uc_.back() && i_ < rtf_.size(); ++n) {
      if (rtf_[i_] == '{' || rtf_[i_] == '}') break;
      Item(true);
    }
  }

  void Unit(char32_t unit) {
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      high_ = unit;
      return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF && high_ != 0)
      unit = 0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00);
    high_ = 0;
    platform::AppendUtf8(r_.text, unit);
  }

  std::string_view rtf_;
  bool unicode_;
  std::size_t i_ = 0;
  std::vector<int> uc_{1};
  char32_t high_ = 0;
  RtfReading r_;
};

inline RtfReading ReadRtf(std::string_view rtf, bool unicode = false) {
  return RtfReader(rtf, unicode).Read();
}

}  // namespace hv::test

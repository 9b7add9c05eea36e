#include "platform/variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace hv::platform {

Variant Variant::Null() {
  Variant v;
  v.v_ = NullTag{};
  return v;
}
Variant::Variant(bool v) : v_(v) {}
Variant::Variant(std::int32_t v) : v_(v) {}
Variant::Variant(std::int64_t v) : v_(v) {}
Variant::Variant(double v) : v_(v) {}
Variant::Variant(std::string v) : v_(std::move(v)) {}
Variant::Variant(const char* v) : v_(std::string(v ? v : "")) {}
Variant::Variant(std::vector<Variant> v) : v_(std::move(v)) {}

Variant::Type Variant::GetType() const { return static_cast<Type>(v_.index()); }

const bool* Variant::AsBool() const { return std::get_if<bool>(&v_); }
const std::int32_t* Variant::AsInt32() const { return std::get_if<std::int32_t>(&v_); }
const std::int64_t* Variant::AsInt64() const { return std::get_if<std::int64_t>(&v_); }
const double* Variant::AsDouble() const { return std::get_if<double>(&v_); }
const std::string* Variant::AsString() const { return std::get_if<std::string>(&v_); }

const std::vector<Variant>* Variant::AsArray() const {
  return std::get_if<std::vector<Variant>>(&v_);
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a run of digits and tells whether there was at least one.
bool SkipDigits(std::string_view s, std::size_t& i) {
  const std::size_t start = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i > start;
}

// The number text inside blanks: [sign] digits [. digits] [E [sign] digits], with digits on
// at least one side of the point. Returns the text without the blanks, or nothing.
std::optional<std::string_view> NumberText(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  const std::string_view t = s.substr(b, e - b);
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  bool digits = SkipDigits(t, i);
  if (i < t.size() && t[i] == '.') {
    ++i;
    digits = SkipDigits(t, i) || digits;
  }
  if (!digits) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (!SkipDigits(t, i)) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  return t;
}

std::optional<double> ParseNumber(const std::string& s) {
  auto text = NumberText(s);
  if (!text) return std::nullopt;
  std::string_view t = *text;
  // from_chars takes no '+' sign; the text is otherwise in its grammar.
  if (t.front() == '+') t.remove_prefix(1);
  double d = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), d);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

// The 15 significant digits of d (trailing zeros removed) and its decimal exponent.
struct Digits {
  std::string mantissa;
  int exponent = 0;
};

Digits SignificantDigits(double d) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific, 14);
  const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
  const auto ePos = text.find('e');
  Digits out;
  for (char c : text.substr(0, ePos))
    if (IsDigit(c)) out.mantissa += c;
  while (out.mantissa.size() > 1 && out.mantissa.back() == '0') out.mantissa.pop_back();
  const std::string_view exp = text.substr(ePos + 1);
  const char* first = exp.data() + (exp.front() == '+' ? 1 : 0);
  std::from_chars(first, exp.data() + exp.size(), out.exponent);
  return out;
}

std::string ScientificText(const Digits& g) {
  std::string s(1, g.mantissa[0]);
  if (g.mantissa.size() > 1) s += "." + g.mantissa.substr(1);
  const int mag = std::abs(g.exponent);
  s += g.exponent < 0 ? "E-" : "E+";
  if (mag < 10) s += '0';
  return s + std::to_string(mag);
}

std::string FixedText(const Digits& g) {
  const int x = g.exponent;
  const auto& m = g.mantissa;
  if (x < 0) return "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + m;
  const auto intDigits = static_cast<std::size_t>(x) + 1;
  if (m.size() <= intDigits) return m + std::string(intDigits - m.size(), '0');
  return m.substr(0, intDigits) + "." + m.substr(intDigits);
}

}  // namespace

bool IsNumeric(const Variant& v) {
  switch (v.GetType()) {
    case Variant::Type::Bool:
    case Variant::Type::Int32:
    case Variant::Type::Int64:
    case Variant::Type::Double:
      return true;
    case Variant::Type::String:
      return ParseNumber(*v.AsString()).has_value();
    default:
      return false;
  }
}

std::optional<double> CDbl(const Variant& v) {
  if (v.IsEmpty()) return 0.0;
  if (const auto* b = v.AsBool()) return *b ? -1.0 : 0.0;
  if (const auto* n = v.AsInt32()) return *n;
  if (const auto* n = v.AsInt64()) return static_cast<double>(*n);
  if (const auto* d = v.AsDouble()) return *d;
  if (const auto* s = v.AsString()) return ParseNumber(*s);
  return std::nullopt;
}

std::optional<std::int32_t> CLng(const Variant& v) {
  // A 64-bit integer is range-checked as it is, not through a double that would round it.
  if (const auto* n = v.AsInt64()) {
    if (*n < std::numeric_limits<std::int32_t>::min() ||
        *n > std::numeric_limits<std::int32_t>::max())
      return std::nullopt;
    return static_cast<std::int32_t>(*n);
  }
  const auto d = CDbl(v);
  if (!d) return std::nullopt;
  return RoundHalfEven32(*d);
}

std::optional<std::string> CStr(const Variant& v) {
  if (v.IsEmpty()) return std::string();
  if (const auto* b = v.AsBool()) return std::string(*b ? "True" : "False");
  if (const auto* n = v.AsInt32()) return std::to_string(*n);
  if (const auto* n = v.AsInt64()) return std::to_string(*n);
  if (const auto* d = v.AsDouble()) return DoubleText(*d);
  if (const auto* s = v.AsString()) return *s;
  return std::nullopt;
}

std::optional<std::int32_t> RoundHalfEven32(double d) {
  if (!std::isfinite(d)) return std::nullopt;
  double whole = std::floor(d);
  const double fraction = d - whole;  // exact: d and its floor share the binade
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole < -2147483648.0 || whole > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

std::string DoubleText(double d, char decimalSeparator) {
  if (std::isnan(d)) return "-1.#IND";
  if (std::isinf(d)) return d > 0 ? "1.#INF" : "-1.#INF";
  if (d == 0) return "0";  // also -0, which VB prints as 0
  const Digits g = SignificantDigits(std::fabs(d));
  // Like %.15G: exponent form when the exponent is below -4 or reaches the precision.
  std::string text = (g.exponent < -4 || g.exponent >= 15) ? ScientificText(g) : FixedText(g);
  for (char& c : text)
    if (c == '.') c = decimalSeparator;
  return d < 0 ? "-" + text : text;
}

}  // namespace hv::platform

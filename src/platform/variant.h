#pragma once
// A late-bound value as WMI and the registry hand them over, with the conversions the pages
// rely on. Every conversion returns nullopt where the original would raise an error, so the
// caller decides whether the slot keeps its text or shows "Unknown".
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace hv::platform {

class Variant {
 public:
  enum class Type { Empty, Null, Bool, Int32, Int64, Double, String, Array };

  Variant() = default;  // Empty
  static Variant Null();
  Variant(bool v);
  Variant(std::int32_t v);
  Variant(std::int64_t v);
  Variant(double v);
  Variant(std::string v);
  Variant(const char* v);
  Variant(std::vector<Variant> v);

  Type GetType() const;
  bool IsEmpty() const { return GetType() == Type::Empty; }
  bool IsNull() const { return GetType() == Type::Null; }
  const bool* AsBool() const;                   // only when Type::Bool
  const std::int32_t* AsInt32() const;          // only when Type::Int32
  const std::int64_t* AsInt64() const;          // only when Type::Int64
  const double* AsDouble() const;               // only when Type::Double
  const std::string* AsString() const;          // only when Type::String
  const std::vector<Variant>* AsArray() const;  // only when Type::Array
  bool operator==(const Variant&) const = default;

 private:
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };
  std::variant<std::monostate, NullTag, bool, std::int32_t, std::int64_t, double, std::string,
               std::vector<Variant>>
      v_;
};

// Trim: removes leading and trailing spaces (only the blank, as VB's Trim does).
std::string Trim(const std::string& s);

// IsNumeric: numbers, and text that spells a number (blanks around it allowed, a sign,
// decimals with '.', an exponent). Empty, Null, arrays and other text are not numeric.
bool IsNumeric(const Variant& v);

// CDbl: numbers, booleans (True is -1), numeric text and Empty (0, as VB has it); nullopt
// otherwise. Decimal text wider than a double (WMI's 64-bit counters) rounds to the nearest.
std::optional<double> CDbl(const Variant& v);

// CLng: to 32 bits with halves rounded to the even neighbour; out of range fails.
std::optional<std::int32_t> CLng(const Variant& v);

// CStr: text of a value (numbers as their shortest text with '.', booleans "True"/"False",
// Empty as ""); Null and arrays fail.
std::optional<std::string> CStr(const Variant& v);

// Banker's rounding of a double to 32 bits; nullopt when out of range or not finite.
std::optional<std::int32_t> RoundHalfEven32(double d);

// The shortest text of d with at most 15 significant digits, as VB's CStr gives it, with
// the given decimal separator ("2.4", "0.5", "1E+16" style exponents past 15 digits).
std::string DoubleText(double d, char decimalSeparator = '.');

}  // namespace hv::platform

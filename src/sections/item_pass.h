#pragma once
// Reading the first item of a query on the two pages that ask for a property older Windows
// versions lack (the system's architecture, the level-3 cache). A query naming such a
// property fails there as a whole, so those pages read strictly first: the first read or
// step that fails ends the pass and calls for the query without that property. That second
// pass reads leniently: a read that fails leaves its slot as the first pass left it, and the
// row shows "Unknown" where nothing was read.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/wmi.h"

namespace hv::sections {

class ItemPass {
 public:
  enum class Mode { Strict, Lenient };

  // Runs the query and takes its first item. No service, or a query that fails, fails the
  // pass; a query without items does not (its reads then find nothing and fail nothing).
  ItemPass(platform::WmiService* wmi, const std::string& wql, Mode mode);

  // The property as text, blanks around it removed.
  std::optional<std::string> Text(const char* prop);
  // The same into slot; a read that fails leaves slot as it was.
  void TextInto(const char* prop, std::string& slot);
  // The property as a 32-bit whole number, halves to even.
  std::optional<std::int32_t> Number(const char* prop);
  // Int(prop / divisor): a KB figure to whole MB.
  std::optional<std::int64_t> Floor(const char* prop, double divisor);

  // A step of the page's own that could not be done (a conversion, a date).
  void Fail() { failed_ = true; }
  bool Failed() const { return failed_; }
  bool Strict() const { return mode_ == Mode::Strict; }

 private:
  std::optional<platform::Variant> Read(const char* prop);

  std::optional<platform::WmiItem> item_;
  Mode mode_;
  bool failed_ = false;
};

// The first item of the full query read strictly by gather(pass, values); when that pass
// fails, or retryAlso (where given) finds the values call for it, the first item of the
// reduced query read once more, leniently, over what the first pass left. systemPart(values)
// reads what the system rather than WMI gives: after each pass when systemEachPass, else
// once after the query.
template <class Values, class Gather, class SystemPart>
Values ReadWithRetry(platform::WmiService* wmi, const char* full, const char* reduced,
                     Gather gather, SystemPart systemPart, bool systemEachPass,
                     const std::function<bool(const Values&)>& retryAlso) {
  Values values;
  const auto read = [&](ItemPass& pass) {
    gather(pass, values);
    if (systemEachPass) systemPart(values);
  };
  ItemPass first(wmi, full, ItemPass::Mode::Strict);
  read(first);
  if (first.Failed() || (retryAlso && retryAlso(values))) {
    ItemPass second(wmi, reduced, ItemPass::Mode::Lenient);
    read(second);
  }
  if (!systemEachPass) systemPart(values);
  return values;
}

}  // namespace hv::sections

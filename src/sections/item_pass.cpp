#include "sections/item_pass.h"

#include <utility>

#include "sections/value_rules.h"

namespace hv::sections {

ItemPass::ItemPass(platform::WmiService* wmi, const std::string& wql, Mode mode) : mode_(mode) {
  auto items = wmi ? wmi->ExecQuery(wql) : std::nullopt;
  if (!items) {
    failed_ = true;
    return;
  }
  if (!items->empty()) item_ = std::move(items->front());
}

std::optional<platform::Variant> ItemPass::Read(const char* prop) {
  // A strict pass does nothing more once something has failed: the page starts over.
  if (!item_ || (Strict() && failed_)) return std::nullopt;
  auto v = item_->Get(prop);
  if (!v || v->IsNull()) {
    failed_ = true;
    return std::nullopt;
  }
  return v;
}

std::optional<std::string> ItemPass::Text(const char* prop) {
  const auto v = Read(prop);
  if (!v) return std::nullopt;
  const auto text = platform::CStr(*v);
  if (!text) {
    failed_ = true;
    return std::nullopt;
  }
  return platform::Trim(*text);
}

void ItemPass::TextInto(const char* prop, std::string& slot) {
  if (auto text = Text(prop)) slot = std::move(*text);
}

std::optional<std::int32_t> ItemPass::Number(const char* prop) {
  const auto v = Read(prop);
  if (!v) return std::nullopt;
  const auto n = platform::CLng(*v);
  if (!n) failed_ = true;
  return n;
}

std::optional<std::int64_t> ItemPass::Floor(const char* prop, double divisor) {
  const auto v = Read(prop);
  if (!v) return std::nullopt;
  const auto n = WholeFloor(*v, divisor);
  if (!n) failed_ = true;
  return n;
}

}  // namespace hv::sections

#include "support/memory_registry.h"

#include <stdexcept>

#include "support/ascii.h"

namespace hv::test {

using platform::Variant;

namespace {

constexpr std::pair<const char*, const char*> kRoots[] = {
    {"hkcu", "hkey_current_user"}, {"hklm", "hkey_local_machine"},  {"hkcr", "hkey_classes_root"},
    {"hku", "hkey_users"},         {"hkcc", "hkey_current_config"},
};

Variant AsVariant(const RegValue& v) {
  switch (v.kind) {
    case RegValue::Kind::Sz:
    case RegValue::Kind::ExpandSz:
      return Variant(v.text);
    case RegValue::Kind::Dword:
      return Variant(static_cast<std::int32_t>(v.dword));  // the bits, as the shell object
    case RegValue::Kind::Qword:
      return Variant(static_cast<std::int64_t>(v.qword));
    case RegValue::Kind::Binary: {
      std::vector<Variant> bytes;
      for (auto b : v.bytes) bytes.emplace_back(static_cast<std::int32_t>(b));
      return Variant(std::move(bytes));
    }
    case RegValue::Kind::MultiSz: {
      std::vector<Variant> strings(v.strings.begin(), v.strings.end());
      return Variant(std::move(strings));
    }
  }
  return Variant();
}

std::optional<RegValue> FromWrite(const Variant& value, const std::string& type) {
  if (type == "REG_SZ") {
    auto text = platform::CStr(value);
    if (!text) return std::nullopt;
    return RegValue::Sz(std::move(*text));
  }
  if (type == "REG_DWORD") {
    auto n = platform::CLng(value);
    if (!n) return std::nullopt;
    return RegValue::Dword(static_cast<std::uint32_t>(*n));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> MemoryShell::Normalize(const std::string& path) {
  const std::string lower = LowerAscii(path);
  const auto slash = lower.find('\\');
  // A root alone names no value.
  if (slash == std::string::npos || slash + 1 == lower.size()) return std::nullopt;
  const std::string root = lower.substr(0, slash);
  for (const auto& [shortName, longName] : kRoots)
    if (root == shortName || root == longName) return longName + lower.substr(slash);
  return std::nullopt;
}

std::optional<Variant> MemoryShell::RegRead(const std::string& path) {
  const auto key = Normalize(path);
  if (!key || failAllReads_ || failedReads_.count(*key)) return std::nullopt;
  const auto it = values_.find(*key);
  if (it == values_.end()) return std::nullopt;
  return AsVariant(it->second);
}

bool MemoryShell::RegWrite(const std::string& path, const Variant& value, const std::string& type) {
  RegWriteRecord record{path, value, type, false};
  const auto key = Normalize(path);
  auto stored = FromWrite(value, type);
  if (key && stored && !failAllWrites_ && !failedWrites_.count(*key)) {
    values_[*key] = std::move(*stored);
    record.succeeded = true;
  }
  writes_.push_back(std::move(record));
  return writes_.back().succeeded;
}

std::optional<std::string> MemoryShell::SpecialFolders(const std::string& name) {
  for (const auto& [folder, path] : specialFolders)
    if (EqualsNoCase(folder, name)) return path;
  return std::nullopt;
}

void MemoryShell::Set(const std::string& path, RegValue value) {
  // A test that seeds a value nobody could read has a typo in its path: say so at once.
  const auto key = Normalize(path);
  if (!key) throw std::invalid_argument("not a registry value path: " + path);
  values_[*key] = std::move(value);
}

void MemoryShell::Remove(const std::string& path) {
  if (auto key = Normalize(path)) values_.erase(*key);
}

std::optional<RegValue> MemoryShell::Get(const std::string& path) const {
  const auto key = Normalize(path);
  if (!key) return std::nullopt;
  const auto it = values_.find(*key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace hv::test

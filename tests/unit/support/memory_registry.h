#pragma once
// An in-memory registry behind the shell-object interface. Values are kept by their full
// path ("HKEY_CURRENT_USER\Software\...\Value"); paths compare without regard to letter
// case, and the short root names (HKCU, HKLM, HKCR, HKU, HKCC) equal the long ones. A path
// ending in '\' names the key's default value, as the shell object has it.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/shell_object.h"

namespace hv::test {

struct RegValue {
  enum class Kind { Sz, ExpandSz, Dword, Qword, Binary, MultiSz };
  Kind kind = Kind::Sz;
  std::string text;                  // Sz, ExpandSz
  std::uint32_t dword = 0;           // Dword
  std::uint64_t qword = 0;           // Qword
  std::vector<std::uint8_t> bytes;   // Binary
  std::vector<std::string> strings;  // MultiSz
  bool operator==(const RegValue&) const = default;

  static RegValue Sz(std::string s) { return {Kind::Sz, std::move(s), 0, 0, {}, {}}; }
  static RegValue Dword(std::uint32_t d) { return {Kind::Dword, {}, d, 0, {}, {}}; }
  static RegValue Qword(std::uint64_t q) { return {Kind::Qword, {}, 0, q, {}, {}}; }
  static RegValue Binary(std::vector<std::uint8_t> b) {
    return {Kind::Binary, {}, 0, 0, std::move(b), {}};
  }
  static RegValue MultiSz(std::vector<std::string> s) {
    return {Kind::MultiSz, {}, 0, 0, {}, std::move(s)};
  }
};

struct RegWriteRecord {
  std::string path;  // as the caller wrote it
  platform::Variant value;
  std::string type;
  bool succeeded = false;
  bool operator==(const RegWriteRecord&) const = default;
};

class MemoryShell : public platform::ShellObject {
 public:
  std::optional<platform::Variant> RegRead(const std::string& path) override;
  // "REG_SZ" stores CStr(value), "REG_DWORD" the bits of CLng(value); any other type, a
  // value that does not convert, an unknown root or injected failure gives false and stores
  // nothing. Every call is logged, failed ones too.
  bool RegWrite(const std::string& path, const platform::Variant& value,
                const std::string& type) override;
  std::optional<std::string> SpecialFolders(const std::string& name) override;

  // Throws std::invalid_argument for a path with no known root.
  void Set(const std::string& path, RegValue value);
  void SetString(const std::string& path, std::string s) { Set(path, RegValue::Sz(std::move(s))); }
  void SetDword(const std::string& path, std::uint32_t d) { Set(path, RegValue::Dword(d)); }
  void Remove(const std::string& path);
  std::optional<RegValue> Get(const std::string& path) const;
  std::size_t Size() const { return values_.size(); }

  const std::vector<RegWriteRecord>& Writes() const { return writes_; }
  void ClearWrites() { writes_.clear(); }

  // Failure injection: everything, or one path.
  void FailAllReads(bool fail) { failAllReads_ = fail; }
  void FailAllWrites(bool fail) { failAllWrites_ = fail; }
  void FailReadsOf(const std::string& path) { failedReads_.insert(Normalize(path).value_or(path)); }
  void FailWritesOf(const std::string& path) {
    failedWrites_.insert(Normalize(path).value_or(path));
  }

  // Special folders by name ("Fonts", "Desktop"), looked up without regard to letter case.
  std::map<std::string, std::string> specialFolders;

  // The path in canonical form: long root name, lower case; nullopt for an unknown root.
  static std::optional<std::string> Normalize(const std::string& path);

 private:
  std::map<std::string, RegValue> values_;
  std::vector<RegWriteRecord> writes_;
  bool failAllReads_ = false;
  bool failAllWrites_ = false;
  std::set<std::string> failedReads_;
  std::set<std::string> failedWrites_;
};

}  // namespace hv::test

#pragma once
// A WMI service that answers from a machine description instead of a live machine.
//
// Machine description format (tests/fixtures/*.machine, or a string in a test):
//
//   # a comment; blank lines are ignored; leading blanks are ignored
//   class Win32_OperatingSystem     starts a class; a class with no items answers every
//                                   query with an empty result
//   key Name                        key properties: returned with every item even when the
//                                   query does not select them (several: "key Domain, Name")
//   item                            starts an item of the current class
//   Caption = "Windows 7 "          a property of the current item, with a typed value:
//
//     "text"         String; escapes \" \\ \n \t and \xHH (one byte, for any UTF-8)
//     42  -7         Int32 (WMI's sint8..sint32, uint8..uint32 and boolean-free counters)
//     u64 8589934592 String holding the decimal digits, as the scripting interface hands
//     i64 -5         CIM uint64/sint64 over
//     2.5  1e3       Double (has a point or an exponent)
//     true  false    Bool
//     null           Null
//     [1, "a", null] Array of the above (nesting allowed)
//
// A property missing from an item reads as missing (WmiItem::Get gives nullopt). A class
// that is not described makes every query of it fail; so does selecting (or filtering on) a
// property that no item of the class has, as WMI rejects an invalid query.
//
// Queries: "Select a, b from Class", "Select * from Class", optionally followed by
// "where Prop = value [and Prop = value ...]" with a number or a 'quoted' / "quoted" text,
// in which \' and \\ stand for a quote and a backslash. Keywords, class and property names
// are case-insensitive; blanks may be doubled. Text comparison in the where clause is
// case-insensitive, as WQL's is.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/wmi.h"

namespace hv::test {

class FixtureWmi : public platform::WmiService {
 public:
  using Properties = std::vector<std::pair<std::string, platform::Variant>>;

  FixtureWmi() = default;  // no classes: every query fails
  // Throws std::invalid_argument naming the line when the description is malformed.
  static FixtureWmi FromText(const std::string& description);
  // Reads a file; throws std::invalid_argument when it cannot be read or is malformed.
  static FixtureWmi FromFile(const std::string& path);
  // A description under tests/fixtures by its base name: Fixture("typical").
  static FixtureWmi Fixture(const std::string& name);

  std::optional<std::vector<platform::WmiItem>> ExecQuery(const std::string& wql) override;

  // Every query run, in order, including those that failed.
  const std::vector<std::string>& Queries() const { return queries_; }
  // How many queries run so far contain the text (case-insensitive).
  std::size_t CountQueries(const std::string& text) const;
  void ClearQueries() { queries_.clear(); }

  // While on, every query fails (a lost or unreachable service).
  void FailAll(bool fail) { failAll_ = fail; }

  // Editing the machine from a test (names case-insensitive; missing classes and items are
  // added as needed).
  void AddClass(const std::string& cls);
  void RemoveClass(const std::string& cls);
  // Appends an item and returns its index.
  std::size_t AddItem(const std::string& cls, Properties props = {});
  void Set(const std::string& cls, std::size_t item, const std::string& prop,
           platform::Variant value);
  void Remove(const std::string& cls, std::size_t item, const std::string& prop);
  std::size_t ItemCount(const std::string& cls) const;

 private:
  struct Class {
    std::string name;
    std::vector<std::string> keys;
    std::vector<Properties> items;
  };
  Class* Find(const std::string& cls);
  const Class* Find(const std::string& cls) const;
  Class& Ensure(const std::string& cls);
  static bool Has(const Class& c, const std::string& prop);

  std::vector<Class> classes_;
  std::vector<std::string> queries_;
  bool failAll_ = false;

  friend class MachineParser;
};

}  // namespace hv::test

#include "support/fixture_wmi.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/ascii.h"
#include "support/wql_query.h"

namespace hv::test {

using platform::Variant;
using platform::WmiItem;

namespace {

const Variant* FindProperty(const FixtureWmi::Properties& item, const std::string& name) {
  for (const auto& [key, value] : item)
    if (EqualsNoCase(key, name)) return &value;
  return nullptr;
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
  for (const auto& n : names)
    if (EqualsNoCase(n, name)) return true;
  return false;
}

// The item as the query returns it: the selected properties it has, then the keys it has.
WmiItem Project(const FixtureWmi::Properties& item, const WqlQuery& q,
                const std::vector<std::string>& keys) {
  if (q.allProperties) return WmiItem(item);
  FixtureWmi::Properties out;
  for (const auto& [name, value] : item)
    if (Listed(q.properties, name) || Listed(keys, name)) out.emplace_back(name, value);
  return WmiItem(std::move(out));
}

bool Satisfies(const FixtureWmi::Properties& item, const std::vector<WqlQuery::Condition>& where) {
  for (const auto& condition : where) {
    const Variant* v = FindProperty(item, condition.property);
    if (!v || !WqlEquals(*v, condition.value)) return false;
  }
  return true;
}

}  // namespace

FixtureWmi FixtureWmi::FromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::invalid_argument("cannot read machine description " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return FromText(text.str());
}

FixtureWmi FixtureWmi::Fixture(const std::string& name) {
  return FromFile(std::string(HARVALA_FIXTURES_DIR) + "/" + name + ".machine");
}

std::optional<std::vector<WmiItem>> FixtureWmi::ExecQuery(const std::string& wql) {
  queries_.push_back(wql);
  if (failAll_) return std::nullopt;
  const auto q = ParseWql(wql);
  if (!q) return std::nullopt;
  const Class* c = Find(q->className);
  if (!c) return std::nullopt;
  for (const auto& p : q->properties)
    if (!Has(*c, p)) return std::nullopt;
  for (const auto& condition : q->where)
    if (!Has(*c, condition.property)) return std::nullopt;
  std::vector<WmiItem> result;
  for (const auto& item : c->items)
    if (Satisfies(item, q->where)) result.push_back(Project(item, *q, c->keys));
  return result;
}

std::size_t FixtureWmi::CountQueries(const std::string& text) const {
  const std::string needle = LowerAscii(text);
  std::size_t n = 0;
  for (const auto& q : queries_)
    if (LowerAscii(q).find(needle) != std::string::npos) ++n;
  return n;
}

void FixtureWmi::AddClass(const std::string& cls) { Ensure(cls); }

void FixtureWmi::RemoveClass(const std::string& cls) {
  std::erase_if(classes_, [&](const Class& c) { return EqualsNoCase(c.name, cls); });
}

std::size_t FixtureWmi::AddItem(const std::string& cls, Properties props) {
  auto& c = Ensure(cls);
  c.items.push_back(std::move(props));
  return c.items.size() - 1;
}

void FixtureWmi::Set(const std::string& cls, std::size_t item, const std::string& prop,
                     Variant value) {
  auto& c = Ensure(cls);
  if (c.items.size() <= item) c.items.resize(item + 1);
  for (auto& [name, v] : c.items[item]) {
    if (EqualsNoCase(name, prop)) {
      v = std::move(value);
      return;
    }
  }
  c.items[item].emplace_back(prop, std::move(value));
}

void FixtureWmi::Remove(const std::string& cls, std::size_t item, const std::string& prop) {
  Class* c = Find(cls);
  if (!c || c->items.size() <= item) return;
  std::erase_if(c->items[item], [&](const auto& p) { return EqualsNoCase(p.first, prop); });
}

std::size_t FixtureWmi::ItemCount(const std::string& cls) const {
  const Class* c = Find(cls);
  return c ? c->items.size() : 0;
}

FixtureWmi::Class* FixtureWmi::Find(const std::string& cls) {
  for (auto& c : classes_)
    if (EqualsNoCase(c.name, cls)) return &c;
  return nullptr;
}

const FixtureWmi::Class* FixtureWmi::Find(const std::string& cls) const {
  for (const auto& c : classes_)
    if (EqualsNoCase(c.name, cls)) return &c;
  return nullptr;
}

FixtureWmi::Class& FixtureWmi::Ensure(const std::string& cls) {
  if (Class* c = Find(cls)) return *c;
  classes_.push_back({cls, {}, {}});
  return classes_.back();
}

bool FixtureWmi::Has(const Class& c, const std::string& prop) {
  // With no items the description says nothing of the class's properties: accept them all.
  if (c.items.empty() || Listed(c.keys, prop)) return true;
  for (const auto& item : c.items)
    if (FindProperty(item, prop)) return true;
  return false;
}

}  // namespace hv::test

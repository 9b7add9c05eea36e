// Code-to-text tables that a page and its report section both use. Codes are matched by
// their exact decimal text, as gathered: " 512", "0512" or "512.0" match nothing.
#include <algorithm>
#include <iterator>

#include "sections/value_rules.h"

namespace hv::sections {

namespace {

template <typename T>
struct Entry {
  const char* code;
  T shown;
};

template <typename T, std::size_t N>
std::optional<T> Lookup(const Entry<T> (&table)[N], const std::string& code) {
  const auto it = std::find_if(std::begin(table), std::end(table),
                               [&](const Entry<T>& e) { return code == e.code; });
  if (it == std::end(table)) return std::nullopt;
  return it->shown;
}

template <std::size_t N>
std::optional<std::string> LookupName(const Entry<const char*> (&table)[N],
                                      const std::string& code) {
  const auto name = Lookup(table, code);
  if (!name) return std::nullopt;
  return std::string(*name);
}

constexpr Entry<int> kAccountTypes[] = {
    {"256", 39}, {"512", 40}, {"2048", 41}, {"4096", 42}, {"8192", 43}};

constexpr Entry<int> kPrivileges[] = {{"0", 45}, {"1", 46}, {"2", 47}};

constexpr Entry<int> kLargeSystemCache[] = {{"0", 97}, {"1", 98}};

constexpr Entry<int> kHandedness[] = {{"1", 132}, {"2", 133}, {"3", 134}};

constexpr Entry<const char*> kMemoryTypes[] = {
    {"2", "DRAM"},   {"5", "EDO"},    {"6", "EDRAM"},  {"7", "VRAM"},    {"8", "SRAM"},
    {"9", "RAM"},    {"10", "ROM"},   {"11", "Flash"}, {"12", "EEPROM"}, {"13", "FEPROM"},
    {"14", "EPROM"}, {"15", "CDRAM"}, {"16", "3DRAM"}, {"17", "SDRAM"},  {"18", "SGRAM"},
    {"19", "RDRAM"}, {"20", "DDR"},   {"21", "DDR2"}};

constexpr Entry<const char*> kFormFactors[] = {
    {"2", "SIP"},    {"3", "DIP"},  {"4", "ZIP"},   {"5", "SOJ"},   {"7", "SIMM"},
    {"8", "DIMM"},   {"9", "TSOP"}, {"10", "PGA"},  {"11", "RIMM"}, {"12", "SODIMM"},
    {"13", "SRIMM"}, {"14", "SMD"}, {"15", "SSMP"}, {"16", "QFP"},  {"17", "TQFP"},
    {"18", "SOIC"},  {"19", "LCC"}, {"20", "PLCC"}, {"21", "BGA"},  {"22", "FPBGA"},
    {"23", "LGA"}};

// The names are the same in every interface language. 1043 is joined by an en dash.
constexpr Entry<const char*> kOsLanguages[] = {{"9", "English"},
                                               {"1031", "German - Germany"},
                                               {"1033", "English - United States"},
                                               {"1034", "Espa\u00f1ol - Idioma tradicional"},
                                               {"1043", "Nederlandse \u2013 Nederland"},
                                               {"1046", "Portugu\u00eas - Brasil"},
                                               {"2057", "English - United Kingdom"},
                                               {"2058", "Espa\u00f1ol - M\u00e9xico"},
                                               {"3082", "Espa\u00f1ol"},
                                               {"11274", "Espa\u00f1ol - Argentina"},
                                               {"14346", "Espa\u00f1ol - Uruguay"}};

}  // namespace

std::optional<int> AccountTypeElement(const std::string& code) {
  return Lookup(kAccountTypes, code);
}

std::optional<int> PrivilegeElement(const std::string& code) { return Lookup(kPrivileges, code); }

std::optional<int> LargeSystemCacheElement(const std::string& code) {
  return Lookup(kLargeSystemCache, code);
}

std::optional<int> HandednessElement(const std::string& code) { return Lookup(kHandedness, code); }

std::optional<std::string> DeviceInterfaceText(const std::string& code,
                                               const std::string& serialPort,
                                               const std::string& infrared) {
  if (code == "3") return serialPort;
  if (code == "4") return "PS/2";
  if (code == "5") return infrared;
  if (code == "162") return "USB";
  return std::nullopt;
}

std::optional<std::string> MemoryTypeName(const std::string& code) {
  return LookupName(kMemoryTypes, code);
}

std::optional<std::string> FormFactorName(const std::string& code) {
  return LookupName(kFormFactors, code);
}

std::optional<std::string> OsLanguageName(const std::string& code) {
  return LookupName(kOsLanguages, code);
}

std::optional<std::string> ArchitectureName(const std::string& code) {
  const auto whole = platform::CLng(platform::Variant(code));
  if (code.empty() || !whole) return std::nullopt;
  if (*whole == 0) return "x86";
  if (*whole == 9) return "x64";
  return std::nullopt;
}

}  // namespace hv::sections

#include "win32/registry_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace hv::win32 {
namespace {

using platform::Variant;

TEST(RegistryPath, SplitsRootKeyAndValue) {
  struct Case {
    const char* path;
    RegistryRoot root;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"HKEY_CURRENT_USER\\Software\\Brenlow\\Harvala\\Language", RegistryRoot::CurrentUser,
       "Software\\Brenlow\\Harvala", "Language"},
      {"HKCU\\Software\\Install\\Harvala\\Mainboard\\Full", RegistryRoot::CurrentUser,
       "Software\\Install\\Harvala\\Mainboard", "Full"},
      {"hklm\\SOFTWARE\\X\\", RegistryRoot::LocalMachine, "SOFTWARE\\X", ""},
      {"HKEY_LOCAL_MACHINE\\Name", RegistryRoot::LocalMachine, "", "Name"},
      {"HKCR\\.txt\\", RegistryRoot::ClassesRoot, ".txt", ""},
      {"HKEY_CLASSES_ROOT\\a\\b", RegistryRoot::ClassesRoot, "a", "b"},
      {"HKEY_USERS\\.DEFAULT\\v", RegistryRoot::Users, ".DEFAULT", "v"},
      {"HKEY_CURRENT_CONFIG\\System\\v", RegistryRoot::CurrentConfig, "System", "v"},
      {"HKCU\\", RegistryRoot::CurrentUser, "", ""},
  };
  for (const Case& c : cases) {
    const std::optional<RegistryPath> parsed = ParseRegistryPath(c.path);
    ASSERT_TRUE(parsed) << c.path;
    EXPECT_EQ(*parsed, (RegistryPath{c.root, c.key, c.value})) << c.path;
  }
}

TEST(RegistryPath, RejectsUnknownRootsAndBareNames) {
  for (const char* path :
       {"", "HKCU", "Software\\X\\Y", "HKEY_CURRENT\\X", "HKU\\X\\Y", "HKCUX\\a", "\\HKCU\\a"}) {
    EXPECT_FALSE(ParseRegistryPath(path)) << path;
  }
}

std::vector<std::uint8_t> Utf16Bytes(std::u16string_view s) {
  std::vector<std::uint8_t> bytes;
  for (char16_t u : s) {
    bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  return bytes;
}

Variant Bytes(std::initializer_list<std::int32_t> values) {
  std::vector<Variant> items;
  for (std::int32_t v : values) items.emplace_back(v);
  return Variant(std::move(items));
}

std::vector<Variant> Strings(std::initializer_list<const char*> texts) {
  std::vector<Variant> items;
  for (const char* t : texts) items.emplace_back(t);
  return items;
}

TEST(RegistryValue, TextIsReadUpToTheFirstNulWhateverTheByteCount) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    const char* text;
  };
  std::vector<std::uint8_t> odd = Utf16Bytes(u"ab");
  odd.push_back(0x63);  // half a code unit: ignored
  const Case cases[] = {
      {Utf16Bytes(std::u16string(u"Spanish\0", 8)), "Spanish"},
      {Utf16Bytes(u"Dutch"), "Dutch"},  // stored without its terminator
      {Utf16Bytes(std::u16string(u"a\0junk\0", 7)), "a"},
      {Utf16Bytes(u"caf\u00E9"), "caf\xC3\xA9"},
      {odd, "ab"},
      {{}, ""},
      {{0x41}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeRegistryValue(kRegSz, c.bytes), Variant(c.text));
    EXPECT_EQ(DecodeRegistryValue(kRegExpandSz, c.bytes), Variant(c.text));
  }
}

TEST(RegistryValue, MultiStringSplitsAtNulsAndStopsAtTheEmptyOne) {
  struct Case {
    std::u16string units;
    std::vector<Variant> items;
  };
  const Case cases[] = {
      {std::u16string(u"one\0two\0\0", 9), Strings({"one", "two"})},
      {std::u16string(u"one\0two", 7), Strings({"one", "two"})},
      {std::u16string(u"one\0\0ignored\0\0", 14), Strings({"one"})},
      {std::u16string(u"\0", 1), {}},
      {u"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeRegistryValue(kRegMultiSz, Utf16Bytes(c.units)), Variant(c.items));
  }
}

TEST(RegistryValue, NumbersKeepTheirBitsAndWrongSizesFallBackToBytes) {
  struct Case {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
    Variant expected;
  };
  const Case cases[] = {
      {kRegDword, {0x10, 0x27, 0, 0}, Variant(std::int32_t{10000})},
      {kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, Variant(std::int32_t{-1})},
      {kRegDword, {0, 0, 0, 0x80}, Variant(std::int32_t{INT32_MIN})},
      {kRegDword, {1, 2}, Bytes({1, 2})},  // short
      {kRegDword, {1, 0, 0, 0, 9}, Bytes({1, 0, 0, 0, 9})},
      {kRegDword, {}, Bytes({})},
      {kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}, Variant(std::int64_t{1})},
      {kRegQword,
       {0, 0, 0, 0, 1, 0, 0, 0x80},
       Variant(static_cast<std::int64_t>(0x8000000100000000ull))},
      {kRegQword, {1, 2, 3, 4}, Bytes({1, 2, 3, 4})},
      {kRegBinary, {0, 0x7F, 0x80, 0xFF}, Bytes({0, 127, 128, 255})},
      {kRegNone, {5}, Bytes({5})},
      {99, {1, 2, 3}, Bytes({1, 2, 3})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeRegistryValue(c.type, c.bytes), c.expected) << "type " << c.type;
  }
}

}  // namespace
}  // namespace hv::win32

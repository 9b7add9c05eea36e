#include "support/memory_registry.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace hv::test {
namespace {

using platform::Variant;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Brenlow\\Harvala\\";

TEST(MemoryShellTest, ReadsValuesAsTheShellObjectHandsThem) {
  MemoryShell shell;
  shell.SetString(std::string(kKey) + "Language", "Dutch");
  shell.SetDword(std::string(kKey) + "ColorValue", 0xFFFFFFFFu);
  shell.Set(std::string(kKey) + "Big", RegValue::Qword(1ull << 40));
  shell.Set(std::string(kKey) + "Id", RegValue::Binary({0, 255}));
  shell.Set(std::string(kKey) + "List", RegValue::MultiSz({"a", "b"}));
  shell.Set(std::string(kKey), RegValue::Sz("default"));
  const std::pair<std::string, std::optional<Variant>> cases[] = {
      {"HKCU\\Software\\Brenlow\\Harvala\\Language", Variant("Dutch")},
      {"hkey_current_user\\SOFTWARE\\brenlow\\harvala\\language", Variant("Dutch")},
      {"HKCU\\Software\\Brenlow\\Harvala\\ColorValue", Variant(-1)},
      {"HKCU\\Software\\Brenlow\\Harvala\\Big", Variant(std::int64_t{1} << 40)},
      {"HKCU\\Software\\Brenlow\\Harvala\\Id",
       Variant(std::vector<Variant>{Variant(0), Variant(255)})},
      {"HKCU\\Software\\Brenlow\\Harvala\\List",
       Variant(std::vector<Variant>{Variant("a"), Variant("b")})},
      {"HKCU\\Software\\Brenlow\\Harvala\\", Variant("default")},
      {"HKCU\\Software\\Brenlow\\Harvala\\Missing", std::nullopt},
      {"HKLM\\Software\\Brenlow\\Harvala\\Language", std::nullopt},
      {"HKXX\\Software\\Brenlow\\Harvala\\Language", std::nullopt},
      {"Language", std::nullopt},
      {"HKCU\\", std::nullopt},
  };
  for (const auto& [path, value] : cases) EXPECT_EQ(shell.RegRead(path), value) << path;
}

TEST(MemoryShellTest, WritesConvertTheirValueOrFail) {
  struct Case {
    Variant value;
    const char* type;
    std::optional<RegValue> stored;
  };
  const Case cases[] = {
      {Variant("English"), "REG_SZ", RegValue::Sz("English")},
      {Variant(24), "REG_SZ", RegValue::Sz("24")},
      {Variant(16750080), "REG_DWORD", RegValue::Dword(16750080)},
      {Variant("122"), "REG_DWORD", RegValue::Dword(122)},
      {Variant(2.5), "REG_DWORD", RegValue::Dword(2)},
      {Variant(-1), "REG_DWORD", RegValue::Dword(0xFFFFFFFFu)},
      {Variant(true), "REG_DWORD", RegValue::Dword(0xFFFFFFFFu)},
      {Variant("abc"), "REG_DWORD", std::nullopt},
      {Variant(4294967296.0), "REG_DWORD", std::nullopt},
      {Variant::Null(), "REG_SZ", std::nullopt},
      {Variant("x"), "REG_BINARY", std::nullopt},
      {Variant("x"), "reg_sz", std::nullopt},
  };
  for (const auto& c : cases) {
    MemoryShell shell;
    const bool ok = shell.RegWrite("HKCU\\Software\\V", c.value, c.type);
    EXPECT_EQ(ok, c.stored.has_value()) << c.type;
    EXPECT_EQ(shell.Get("HKEY_CURRENT_USER\\Software\\V"), c.stored) << c.type;
    ASSERT_EQ(shell.Writes().size(), 1u);
    EXPECT_EQ(shell.Writes()[0], (RegWriteRecord{"HKCU\\Software\\V", c.value, c.type, ok}));
  }
}

TEST(MemoryShellTest, InjectedFailuresLeaveValuesAlone) {
  MemoryShell shell;
  shell.SetString("HKCU\\A", "a");
  shell.SetString("HKCU\\B", "b");
  shell.FailReadsOf("hkey_current_user\\a");
  EXPECT_EQ(shell.RegRead("HKCU\\A"), std::nullopt);
  EXPECT_EQ(shell.RegRead("HKCU\\B"), Variant("b"));
  shell.FailAllReads(true);
  EXPECT_EQ(shell.RegRead("HKCU\\B"), std::nullopt);

  shell.FailWritesOf("HKCU\\A");
  EXPECT_FALSE(shell.RegWrite("HKEY_CURRENT_USER\\A", Variant("new"), "REG_SZ"));
  EXPECT_TRUE(shell.RegWrite("HKCU\\B", Variant("new"), "REG_SZ"));
  shell.FailAllWrites(true);
  EXPECT_FALSE(shell.RegWrite("HKCU\\C", Variant("c"), "REG_SZ"));
  EXPECT_EQ(shell.Get("HKCU\\A"), RegValue::Sz("a"));
  EXPECT_EQ(shell.Get("HKCU\\B"), RegValue::Sz("new"));
  EXPECT_EQ(shell.Get("HKCU\\C"), std::nullopt);
  EXPECT_EQ(shell.Writes().size(), 3u);
  EXPECT_FALSE(shell.RegWrite("HKXX\\C", Variant("c"), "REG_SZ"));
  EXPECT_THROW(shell.SetString("Software\\C", "c"), std::invalid_argument);
}

TEST(MemoryShellTest, SpecialFoldersByName) {
  MemoryShell shell;
  shell.specialFolders["Fonts"] = "C:\\Windows\\Fonts";
  EXPECT_EQ(shell.SpecialFolders("fonts"), "C:\\Windows\\Fonts");
  EXPECT_EQ(shell.SpecialFolders("Desktop"), std::nullopt);
}

}  // namespace
}  // namespace hv::test

#include "support/fixture_wmi.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace hv::test {
namespace {

using platform::Variant;

const char* kMachine = R"(
# two disks and a class without items
class Win32_LogicalDisk
key DeviceID
item
  DeviceID = "C:"
  DriveType = 3
  Size = u64 499999997952
  VolumeName = "System"
  Flags = [1, "two", null, [true]]
item
  DeviceID = "E:"
  DriveType = 5
  Size = null
  VolumeName = "Holiday Disc"
  Ratio = 0.25
class Win32_Battery
)";

std::vector<std::string> Names(const platform::WmiItem& item) {
  std::vector<std::string> names;
  for (const auto& [name, value] : item.Properties()) names.push_back(name);
  return names;
}

TEST(FixtureWmiTest, AnswersSelectsAndWhereClauses) {
  struct Case {
    const char* wql;
    std::optional<std::size_t> items;
  };
  const Case cases[] = {
      {"Select Size from Win32_LogicalDisk", 2},
      {"Select * from Win32_LogicalDisk", 2},
      {"SELECT size, VOLUMENAME FROM win32_logicaldisk", 2},
      {"  Select   Size ,VolumeName   from  Win32_LogicalDisk  ", 2},
      {"Select Size from Win32_LogicalDisk where DriveType = 3", 1},
      {"Select Size from Win32_LogicalDisk WHERE drivetype=5", 1},
      {"Select Size from Win32_LogicalDisk where DriveType = 2", 0},
      {"Select Size from Win32_LogicalDisk where VolumeName = 'holiday disc'", 1},
      {"Select Size from Win32_LogicalDisk where DeviceID = \"C:\"", 1},
      {"Select Size from Win32_LogicalDisk where DriveType = 3 AND DeviceID = 'c:'", 1},
      {"Select Size from Win32_LogicalDisk where DriveType = 3 and DeviceID = 'E:'", 0},
      {"Select Size from Win32_LogicalDisk where DeviceID = 'C:' and Missing = 1", std::nullopt},
      {"Select Size from Win32_LogicalDisk where DriveType = 3 and", std::nullopt},
      // A backslash takes the next character as it is; an escaped quote ends nothing.
      {"Select Size from Win32_LogicalDisk where VolumeName = 'Holiday\\ Disc'", 1},
      {"Select Size from Win32_LogicalDisk where VolumeName = 'Holiday\\\\ Disc'", 0},
      {"Select Size from Win32_LogicalDisk where VolumeName = 'Holiday Disc\\'", std::nullopt},
      {"Select Size, Size from Win32_LogicalDisk", 2},
      {"Select Anything from Win32_Battery", 0},
      {"Select Size from Win32_Nothing", std::nullopt},
      {"Select Missing from Win32_LogicalDisk", std::nullopt},
      {"Select Size from Win32_LogicalDisk where Missing = 1", std::nullopt},
      {"Select from Win32_LogicalDisk", std::nullopt},
      {"Select Size Win32_LogicalDisk", std::nullopt},
      {"Select Size from Win32_LogicalDisk where DriveType =", std::nullopt},
      {"Select Size from Win32_LogicalDisk where DriveType = 'unterminated", std::nullopt},
      {"Select Size from Win32_LogicalDisk extra", std::nullopt},
      {"", std::nullopt},
  };
  auto wmi = FixtureWmi::FromText(kMachine);
  for (const auto& c : cases) {
    const auto result = wmi.ExecQuery(c.wql);
    ASSERT_EQ(result.has_value(), c.items.has_value()) << c.wql;
    if (result) {
      EXPECT_EQ(result->size(), *c.items) << c.wql;
    }
  }
  EXPECT_EQ(wmi.Queries().size(), std::size(cases));
}

TEST(FixtureWmiTest, ReturnsSelectedPropertiesAndKeysOnly) {
  auto wmi = FixtureWmi::FromText(kMachine);
  const auto items = wmi.ExecQuery("Select Size, Size from Win32_LogicalDisk");
  ASSERT_TRUE(items);
  EXPECT_EQ(Names((*items)[0]), (std::vector<std::string>{"DeviceID", "Size"}));
  EXPECT_EQ((*items)[0].Get("VolumeName"), std::nullopt);
  EXPECT_EQ((*items)[1].Get("size"), Variant::Null());
  EXPECT_EQ((*items)[1].Get("DEVICEID"), Variant("E:"));
  const auto all = wmi.ExecQuery("Select * from Win32_LogicalDisk");
  EXPECT_EQ((*all)[1].Get("Ratio"), Variant(0.25));
  EXPECT_EQ((*all)[0].Get("Ratio"), std::nullopt);  // missing from this item
}

TEST(FixtureWmiTest, ReadsTypedValues) {
  auto wmi = FixtureWmi::FromText(kMachine);
  const auto item = (*wmi.ExecQuery("Select * from Win32_LogicalDisk"))[0];
  EXPECT_EQ(item.Get("Size"), Variant("499999997952"));
  EXPECT_EQ(item.Get("DriveType"), Variant(3));
  EXPECT_EQ(item.Get("Flags"),
            Variant(std::vector<Variant>{Variant(1), Variant("two"), Variant::Null(),
                                         Variant(std::vector<Variant>{Variant(true)})}));
  const auto escaped = FixtureWmi::FromText(
      "class C\nitem\n A = \"a\\\"b\\\\c\\x41\\n\"\n B = i64 -5\n C = false\n D = -7\n E = 1e3\n");
  const auto e = (*const_cast<FixtureWmi&>(escaped).ExecQuery("Select * from C"))[0];
  EXPECT_EQ(e.Get("A"), Variant("a\"b\\cA\n"));
  EXPECT_EQ(e.Get("B"), Variant("-5"));
  EXPECT_EQ(e.Get("C"), Variant(false));
  EXPECT_EQ(e.Get("D"), Variant(-7));
  EXPECT_EQ(e.Get("E"), Variant(1000.0));
}

TEST(FixtureWmiTest, RejectsMalformedDescriptions) {
  const char* bad[] = {
      "item\n",
      "Name = 1\n",
      "class C\nName = 1\n",
      "class C\nitem\nName\n",
      "class C\nitem\nName = \"open\n",
      "class C\nitem\nName = 4294967296\n",
      "class C\nitem\nName = u64 -1\n",
      "class C\nitem\nName = maybe\n",
      "class C\nitem\nName = 1 2\n",
      "class C\nitem\nName = [1, 2\n",
      "class C\nitem\nName = 1\nname = 2\n",
      "class C\nclass c\n",
      "class\n",
      "class C\nkey\n",
  };
  for (const char* text : bad)
    EXPECT_THROW(FixtureWmi::FromText(text), std::invalid_argument) << text;
}

TEST(FixtureWmiTest, FailureSwitchAndQueryLog) {
  auto wmi = FixtureWmi::FromText(kMachine);
  wmi.FailAll(true);
  EXPECT_EQ(wmi.ExecQuery("Select Size from Win32_LogicalDisk"), std::nullopt);
  wmi.FailAll(false);
  EXPECT_TRUE(wmi.ExecQuery("Select Size from Win32_LogicalDisk"));
  EXPECT_EQ(wmi.CountQueries("from win32_logicaldisk"), 2u);
  EXPECT_EQ(wmi.CountQueries("Win32_Battery"), 0u);
}

TEST(FixtureWmiTest, EditsTheMachineFromATest) {
  auto wmi = FixtureWmi::FromText(kMachine);
  wmi.Set("Win32_LogicalDisk", 1, "size", Variant("4700372992"));
  wmi.Remove("Win32_LogicalDisk", 0, "VolumeName");
  const auto items = *wmi.ExecQuery("Select Size, VolumeName from Win32_LogicalDisk");
  EXPECT_EQ(items[1].Get("Size"), Variant("4700372992"));
  EXPECT_EQ(items[0].Get("VolumeName"), std::nullopt);
  wmi.AddItem("Win32_Battery", {{"EstimatedChargeRemaining", Variant(80)}});
  EXPECT_EQ(wmi.ItemCount("win32_battery"), 1u);
  wmi.RemoveClass("Win32_Battery");
  EXPECT_EQ(wmi.ExecQuery("Select Name from Win32_Battery"), std::nullopt);
}

TEST(FixtureWmiTest, FixtureFilesLoad) {
  auto empty = FixtureWmi::Fixture("empty");
  EXPECT_EQ(empty.ExecQuery("Select Caption from Win32_OperatingSystem"), std::nullopt);
  auto typical = FixtureWmi::Fixture("typical");
  const char* queries[] = {
      "Select Caption, FreeVirtualMemory, InstallDate, NumberOfProcesses, OSLanguage, "
      "RegisteredUser, SerialNumber, ServicePackMajorVersion, TotalVirtualMemorySize, Version, "
      "OSArchitecture from Win32_OperatingSystem",
      "Select Architecture, Caption, CurrentClockSpeed, L2CacheSize, L3CacheSize, Manufacturer, "
      "MaxClockSpeed, Name, SocketDesignation from Win32_Processor",
      "Select MemoryType, FormFactor, Capacity, DeviceLocator, TotalWidth from "
      "Win32_PhysicalMemory",
      "Select VolumeName, Caption, Size, Freespace, FileSystem, VolumeSerialNumber from "
      "Win32_LogicalDisk where DriveType = 3",
      "Select DriveType, Size, VolumeName, Name, Size, FileSystem, VolumeSerialNumber from "
      "Win32_LogicalDisk where DriveType = 5",
      "Select Domain, AccountType, PasswordChangeable, PasswordExpires from Win32_UserAccount",
      "Select Caption, Privileges, BadPasswordCount, LastLogon, NumberOfLogons from "
      "Win32_NetworkLoginProfile",
      "Select CurrentHorizontalResolution, CurrentVerticalResolution, CurrentBitsPerPixel, "
      "CurrentRefreshRate, MinRefreshRate, MaxRefreshRate, Name, AdapterDACType, "
      "InstalledDisplayDrivers, DriverVersion, DriverDate, AdapterRAM from Win32_VideoController",
      "Select DesignVoltage, DeviceID, EstimatedChargeRemaining, EstimatedRunTime, Name from "
      "Win32_Battery",
  };
  for (const char* q : queries) EXPECT_TRUE(typical.ExecQuery(q)) << q;
  EXPECT_EQ(
      typical.ExecQuery("Select Freespace from Win32_LogicalDisk where DriveType = 3")->size(), 2u);
  const auto accounts = *typical.ExecQuery("Select Domain from Win32_UserAccount");
  EXPECT_EQ(accounts[1].Get("Name"), Variant("Anna"));  // the key comes unasked
}

}  // namespace
}  // namespace hv::test

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/section_writers.h"
#include "section_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::Row;
using test::SectionHarness;

const std::vector<std::string> kCaptions{
    "Name:",          "Drive letter:", "Capacity:",      "Space in use:",
    "Internal name:", "File system:",  "Serial number:", "Total partitions:"};

std::vector<std::string> Values(SectionHarness& h) {
  std::vector<std::string> values;
  const std::vector<Row> rows = h.Rows(ReportHardDrives);
  for (const Row& r : rows) values.push_back(r.second);
  return values;
}

// One fixed volume of the given size and free space in bytes, as WMI's uint64 text.
void OneVolume(SectionHarness& h, std::int64_t size, std::int64_t free) {
  h.fx.wmi.RemoveClass("Win32_LogicalDisk");
  h.fx.wmi.AddItem("Win32_LogicalDisk", {{"DriveType", Variant(3)},
                                         {"Caption", Variant("C:")},
                                         {"VolumeName", Variant("System")},
                                         {"FileSystem", Variant("NTFS")},
                                         {"VolumeSerialNumber", Variant("1234ABCD")},
                                         {"Size", Variant(std::to_string(size))},
                                         {"FreeSpace", Variant(std::to_string(free))}});
}

TEST(ReportHardDrives, TypicalMachineListsTheFixedVolumesSideBySide) {
  SectionHarness h;
  h.fx.App().sectionValues[8] = "left by an earlier section";
  const std::vector<Row> rows = h.Rows(ReportHardDrives);
  ASSERT_EQ(rows.size(), kCaptions.size());
  const std::vector<std::string> values{"Local disk - Data",
                                        "(C:) - (D:)",
                                        "(465.6 GB) - (931.5 GB)",
                                        "(265.6 GB - 57%) - (231.5 GB - 25%)",
                                        "KX500D 500GB ATA Device - LMT 1TB-7200 ATA Device",
                                        "NTFS - NTFS",
                                        "5A3F21C0 - B2C41D07",
                                        "1"};  // the disk listed last, not a sum
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].first, kCaptions[i]);
    EXPECT_EQ(rows[i].second, values[i]) << kCaptions[i];
  }
  EXPECT_EQ(h.fx.App().sectionValues[8], "1");
  // The removable volume E: is left out by the query itself.
  EXPECT_EQ(h.fx.wmi.CountQueries("from Win32_LogicalDisk where DriveType = 3"), 1u);
}

TEST(ReportHardDrives, SizesByTheirDigitsWithShares) {
  struct Case {
    std::int64_t size, free;
    const char *capacity, *inUse;
  };
  constexpr std::int64_t kGiB = 1024LL * 1024 * 1024;
  const Case cases[] = {
      {100 * kGiB, 40 * kGiB, "(100 GB)", "(60 GB - 60%)"},
      // 488386584 KB with 120563271 KB free: the GB text is cut, never rounded.
      {500107862016, 123456789012, "(465.7 GB)", "(350.7 GB - 75%)"},
      {512000000, 0, "(488 MB)", "(488 MB - 100%)"},
      // Seven digits of KB below 1 GiB already show in GB.
      {1000000LL * 1024, 500000LL * 1024, "(0.9 GB)", "(488 MB - 50%)"},
      // Shares round halves to even: 62.5 and 63.5.
      {1600 * 1024, 600 * 1024, "(1 MB)", "(0 MB - 62%)"},
      {200 * 1024, 73 * 1024, "(200 KB)", "(127 KB - 64%)"},
      {1024 * 1024, 512 * 1024, "(1 MB)", "(512 KB - 50%)"},
      // Small and empty volumes keep their entry; an empty one has no share.
      {0, 0, "(0 KB)", "(0 KB)"},
      // 2 TB and more: past 32 bits of KB.
      {2 * 1024 * kGiB, 512 * kGiB, "(2048 GB)", "(1536 GB - 75%)"},
      // More free than in all: no space in use.
      {1048576, 2097152, "(1 MB)", "(Unknown)"},
      // 98.5 % in doubles, 99 % with the part in single precision, as on the page.
      {17033400LL * 1024, 255501LL * 1024, "(16.2 GB)", "(16.0 GB - 99%)"},
  };
  for (const Case& c : cases) {
    SectionHarness h;
    OneVolume(h, c.size, c.free);
    const std::vector<std::string> v = Values(h);
    ASSERT_EQ(v.size(), 8u);
    EXPECT_EQ(v[0], "System");
    EXPECT_EQ(v[1], "(C:)");
    EXPECT_EQ(v[2], c.capacity) << c.size;
    EXPECT_EQ(v[3], c.inUse) << c.size;
  }
  SectionHarness h;
  h.fx.system.decimalSeparator = ',';
  OneVolume(h, 500107862016, 123456789012);
  EXPECT_EQ(Values(h)[3], "(350,7 GB - 75%)");
}

TEST(ReportHardDrives, UnreadableReadingsKeepEveryVolumeUnderItsOwnEntries) {
  SectionHarness h("memory_disk_traps");
  EXPECT_EQ(Values(h),
            (std::vector<std::string>{"Local disk - Scratch - Odd", "(C:) - () - (E:)",
                                      "(2048 GB) - (Unknown) - (1 MB)",
                                      "(1024 GB - 50%) - (Unknown) - (Unknown)", "Array 2TB",
                                      "NTFS -  - FAT", " - 0000-0001 - 0000-0002", "3"}));
}

// Unlike the page, the report shows "Unknown" for a row whose only entry is empty; an empty
// entry among others stays an empty entry.
TEST(ReportHardDrives, AnEmptyOnlyEntryShowsUnknown) {
  struct Case {
    const char* prop;
    std::size_t row;
  };
  for (const Case& c : {Case{"FileSystem", 5}, Case{"VolumeSerialNumber", 6}}) {
    SectionHarness h;
    OneVolume(h, 10737418240, 5368709120);
    h.fx.wmi.Set("Win32_LogicalDisk", 0, c.prop, Variant(""));
    EXPECT_EQ(Values(h).at(c.row), "Unknown") << c.prop;
  }
}

TEST(ReportHardDrives, PartitionsOfTheLastInternalDisk) {
  struct Case {
    Variant partitions;
    const char* shown;
  };
  // The first disk's 7 never stands in for the last one's count.
  const Case cases[] = {{Variant(3), "3"},           {Variant(" 2 "), "2"},
                        {Variant(0), "Unknown"},     {Variant(-1), "Unknown"},
                        {Variant("two"), "Unknown"}, {Variant::Null(), "Unknown"}};
  for (const Case& c : cases) {
    SectionHarness h;
    h.fx.wmi.Set("Win32_DiskDrive", 0, "Partitions", Variant(7));
    h.fx.wmi.Set("Win32_DiskDrive", 1, "Partitions", c.partitions);
    h.fx.wmi.Set("Win32_DiskDrive", 1, "InterfaceType", Variant("SCSI"));
    const std::vector<std::string> v = Values(h);
    EXPECT_EQ(v[4], "KX500D 500GB ATA Device - LMT 1TB-7200 ATA Device");
    EXPECT_EQ(v[7], c.shown) << c.shown;
  }
  SectionHarness h;
  h.fx.wmi.Set("Win32_DiskDrive", 0, "InterfaceType", Variant("USB"));
  h.fx.wmi.Set("Win32_DiskDrive", 1, "InterfaceType", Variant("1394"));
  const std::vector<std::string> v = Values(h);
  EXPECT_EQ(v[4], "Unknown");
  EXPECT_EQ(v[7], "Unknown");
}

TEST(ReportHardDrives, EmptyMachineAndNoWmiShowUnknownInEveryRow) {
  for (const char* machine : {"empty", ""}) {
    SectionHarness h(machine);
    for (std::size_t i = 1; i <= 8; ++i) h.fx.App().sectionValues[i] = "stale";
    const std::vector<Row> rows = h.Rows(ReportHardDrives);
    ASSERT_EQ(rows.size(), 8u) << machine;
    for (std::size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(rows[i], Row(kCaptions[i], "Unknown")) << machine;
  }
}

}  // namespace
}  // namespace hv::report

// The Hard drives, Bios, Display and Graphics card sections through the whole report: their
// steps of the chain, the heads, the conversion into the four outputs and the closing.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "report/closing.h"
#include "report/heads.h"
#include "report/section_chain.h"
#include "section_rows.h"

namespace hv::report {
namespace {

using platform::Variant;
using test::Row;

struct Section {
  std::string title;
  std::vector<Row> rows;
};

std::string PlainSection(const Section& s) {
  std::string text = " " + s.title + "\r\n------------------\r\n";
  for (const Row& r : s.rows) text += " \u00B7 " + r.first + " " + r.second + "\r\n";
  return text + "\r\n\r\n";
}

TEST(ReportHardwareSections, ConvertIntoEveryOutput) {
  test::SectionHarness h;
  const std::string odd = "C:\\ {x} <y> & z ^g (2)";
  h.fx.wmi.Set("Win32_BIOS", 0, "Name", Variant(odd));
  std::vector<std::string> statuses;
  ReportRun run = h.Run();
  run.showStatus = [&](const std::string& s) { statuses.push_back(s); };
  HeadInputs head;
  head.title = MakeTitleLine(h.fx.App().text[160], "2.5", "02:05 PM", "09/03/2014");
  WriteHeads(h.texts, head);
  const std::span<const SectionStep> steps = ReportChain().subspan(5, 4);
  RunSections(run, steps);
  EndReport(run);

  EXPECT_EQ(statuses.front(), "Making report, step 6/12");
  EXPECT_EQ(statuses[3], "Making report, step 9/12");
  const std::vector<Section> sections{
      {"Hard drives",
       {{"Name:", "Local disk - Data"},
        {"Drive letter:", "(C:) - (D:)"},
        {"Capacity:", "(465.6 GB) - (931.5 GB)"},
        {"Space in use:", "(265.6 GB - 57%) - (231.5 GB - 25%)"},
        {"Internal name:", "KX500D 500GB ATA Device - LMT 1TB-7200 ATA Device"},
        {"File system:", "NTFS - NTFS"},
        {"Serial number:", "5A3F21C0 - B2C41D07"},
        {"Total partitions:", "1"}}},
      {"Bios",
       {{"Name:", odd},
        {"Manufacturer:", "Halden Firmware Inc."},
        {"Version:", "4.6.5"},
        {"Released:", "15/10/2012"},
        {"Serial number:", "NV4D410-83J2K"}}},
      {"Display",
       {{"Display name:", "Generic PnP Monitor"},
        {"Manufacturer:", "(Standard monitor types)"},
        {"Current configuration:", "1920 x 1080 pixels, 32 bits, 60 Hz"},
        {"Update rate minimum and maximum:", "50 Hz - 75 Hz"}}},
      {"Graphics card",
       {{"Graphics card name:", "Norvik Graphics 7600 Series"},
        {"Memory size:", "1 GB"},
        {"Memory type:", "Integrated RAMDAC"},
        {"Driver name:", "nrvd3d.dll,nrvgl.dll"},
        {"Driver version:", "9.18.13.3182"},
        {"Driver date:", "05/11/2013"}}},
  };
  std::string plain;
  for (const Section& s : sections) plain += PlainSection(s);
  EXPECT_NE(h.texts.Tb4.text.find("\r\n\r\n\r\n" + plain), std::string::npos) << h.texts.Tb4.text;

  // The value's markup characters are escaped where the format needs it; its marker text
  // and "(2)" stay as they are, the seconds go to the title line only.
  EXPECT_NE(h.texts.Tb1.text.find("Name:\\b0  \\i C:\\\\ \\{x\\} <y> & z ^g (2)\\i0\\par"),
            std::string::npos);
  EXPECT_NE(h.texts.Tb2.text.find("\t\t<ul>\r\n\t\t\t<li><label class='Line'>Name: </label>"
                                  "<label class='Result'>C:\\ {x} &lt;y&gt; &amp; z ^g (2)"
                                  "</label></li>\r\n\t\t\t<li><label class='Line'>Manufacturer:"),
            std::string::npos);
  EXPECT_NE(h.texts.Tb3.text.find("[list][li][b]Name:[/b] [i]" + odd + "[/i][/li]\r\n[li][b]"),
            std::string::npos);
  EXPECT_NE(h.texts.Tb3.text.find("[b]Driver date:[/b] [i]05/11/2013[/i][/li][/list]\r\n"),
            std::string::npos);
  for (Format f : kFormats) {
    const std::string& out = h.texts.Output(f).text;
    std::size_t at = 0;
    for (const Section& s : sections) {
      at = out.find(s.title, at);
      EXPECT_NE(at, std::string::npos) << s.title << " in " << static_cast<int>(f);
    }
  }
  EXPECT_TRUE(h.texts.Tb.Empty());
}

}  // namespace
}  // namespace hv::report

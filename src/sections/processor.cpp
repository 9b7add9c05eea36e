// The Processor page: name, current and maximum clock speed, the number of processors that
// Windows counts, manufacturer, type, socket, architecture and the level-2 and level-3
// cache sizes of the first processor that WMI lists.
#include "sections/processor.h"

#include "sections/cpu_reader.h"
#include "sections/page_model.h"
#include "sections/value_rules.h"
#include "shell/main_window.h"

namespace hv::sections {

namespace {

constexpr int kPage = 5;

struct Page {
  shell::MainWindow& w;
  const lang::TextTable& t;
};

bool NotANumber(const std::string& text) {
  return !platform::CDbl(platform::Variant(text)).has_value();
}

// The architecture code and the cache sizes are converted while the rows are written; on
// the first pass a conversion that fails is answered by the retry like a failed read.
bool ConversionsFail(const CpuValues& v) {
  return v.architecture.empty() || !platform::CLng(platform::Variant(v.architecture)) ||
         (!v.l2Cache.empty() && NotANumber(v.l2Cache)) ||
         (!v.l3Cache.empty() && NotANumber(v.l3Cache));
}

// Without a maximum speed the row still gets the caption of a speed alone, so it never
// keeps the caption another page left in row 2.
void WriteSpeed(const Page& p, const CpuValues& v) {
  const SpeedRow speed = SpeedRule(v.currentMhz, v.maximumMhz);
  WriteCaptionedRow(p.w, p.t, 2, speed.caption == SpeedCaption::CurrentAndMaximum ? 82 : 83,
                    speed.value);
}

void WriteRows(const Page& p, const CpuValues& v) {
  WriteCaptionedRow(p.w, p.t, 1, 36, NonEmpty(v.name));
  WriteSpeed(p, v);
  WriteCaptionedRow(p.w, p.t, 3, 84, CountText(v.processors, 1));
  WriteCaptionedRow(p.w, p.t, 4, 59, NonEmpty(v.manufacturer));
  WriteCaptionedRow(p.w, p.t, 5, 61, NonEmpty(v.type));
  WriteCaptionedRow(p.w, p.t, 6, 85, NonEmpty(v.socket));
  WriteCaptionedRow(p.w, p.t, 7, 86, ArchitectureName(v.architecture));
  WriteCaptionedRow(p.w, p.t, 8, 87, CacheSizeText(v.l2Cache));
  WriteCaptionedRow(p.w, p.t, 9, 88, CacheSizeText(v.l3Cache));
  BlankRows(p.w, 10, 12);
}

}  // namespace

void ShowProcessor(shell::App& app) {
  shell::MainWindow& w = app.Main();
  const Page p{w, app.text};
  EnterPage(w, p.t, kPage);

  // One retry per visit, also when a conversion fails; the processors are counted after
  // each pass.
  const CpuValues v =
      ReadProcessor(app.wmi, app.system, {.countEachPass = true, .retryAlso = ConversionsFail});

  w.Titulo->SetCaption(p.t[15]);
  HideAll({w.LNoDrive, w.Iaviso, w.Laviso, w.Line1});
  WriteRows(p, v);
}

}  // namespace hv::sections

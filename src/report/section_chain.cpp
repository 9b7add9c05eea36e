#include "report/section_chain.h"

#include <array>

#include "report/section_writers.h"

namespace hv::report {

namespace {

// A writer still to come is nullptr: its step shows progress only.
constexpr std::array<SectionStep, 12> kChain = {{
    {"1/12", 12, ReportUserAccount},      // User account
    {"2/12", 13, ReportComputer},         // Computer
    {"3/12", 14, ReportOperatingSystem},  // Operating system
    {"4/12", 15, ReportProcessor},        // Processor
    {"5/12", 16, ReportMemory},           // RAM
    {"6/12", 17, ReportHardDrives},       // Hard drives
    {"7/12", 18, ReportBios},             // Bios
    {"8/12", 19, ReportDisplay},          // Display
    {"9/12", 32, ReportGraphicsCard},     // Graphics card: reads the Display section's memory size
    {"10/12", 162, ReportKeyboard},       // Keyboard
    {"11/12", 163, ReportMouse},          // Mouse
    {"12/12", 23, ReportOtherHardware},   // Others hardware
}};

}  // namespace

std::span<const SectionStep> ReportChain() { return kChain; }

void RunSections(ReportRun& run, std::span<const SectionStep> steps) {
  NeutralText& tb = run.texts.Tb;
  tb.Clear();
  for (const SectionStep& s : steps) {
    if (s.write != nullptr) tb.AppendTitle(Text(run, s.titleElement));
    if (run.showStatus) run.showStatus(ReplaceAll(Text(run, 179), "(#)", s.step));
    if (s.write != nullptr) s.write(run);
  }
}

}  // namespace hv::report

#pragma once
// The report's section writers, one per section, each in a file of its own
// (src/report/section_<name>.cpp). A writer joins the report by its declaration below and by
// taking its own step of the chain in section_chain.cpp in place of nullptr; no other writer
// or step changes.
//
// By the time a writer runs, the chain has appended its title line and shown its progress
// step. The writer then:
//   1. empties the slots of app.sectionValues it uses (a slot may carry a value the previous
//      section left for it, where that section says so); what a section hands on that is not
//      a slot goes in a field of ReportRun (the Display section's video memory:
//      displayMemoryMb);
//   2. runs its own WMI queries (run.app.wmi may be null: no values then), ignoring failures;
//   3. builds its rows in order, each value by its own rule, ValueOrUnknown for an empty one;
//   4. appends them with run.texts.Tb.AppendRows(rows), which opens and closes the row list.
// It neither escapes nor formats for any output: the closing converts the neutral text. The
// chain then runs the next step; after the last, the closing.
#include "report/report_run.h"

namespace hv::report {

void ReportUserAccount(ReportRun& run);
void ReportComputer(ReportRun& run);
void ReportOperatingSystem(ReportRun& run);
void ReportProcessor(ReportRun& run);
void ReportMemory(ReportRun& run);

void ReportHardDrives(ReportRun& run);
void ReportBios(ReportRun& run);
void ReportDisplay(ReportRun& run);
void ReportGraphicsCard(ReportRun& run);
void ReportKeyboard(ReportRun& run);
void ReportMouse(ReportRun& run);
void ReportOtherHardware(ReportRun& run);

}  // namespace hv::report

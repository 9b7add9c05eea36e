#pragma once
// The report window F2: a small modal window that makes the whole report as soon as it has
// opened, shows the progress, and then offers to save the report in any of the four formats
// as often as wanted, and Accept.
#include <cstdint>

#include "report/report_texts.h"
#include "toolkit/form.h"

namespace hv::shell {
class App;
}

namespace hv::report {

class ReportWindow {
 public:
  explicit ReportWindow(shell::App& app);
  ReportWindow(const ReportWindow&) = delete;
  ReportWindow& operator=(const ReportWindow&) = delete;

  shell::App& app;
  tk::Form form;

  tk::Label* Desc1 = nullptr;      // heading
  tk::Label* Desc2 = nullptr;      // the please-wait note
  tk::PictureBox* Pic1 = nullptr;  // status picture
  tk::Label* LStatus = nullptr;    // progress and final status
  tk::Line* BGLine = nullptr;
  tk::PictureBox* BG = nullptr;  // button bar
  tk::CommandButton* BSave = nullptr;
  tk::CommandButton* BClose = nullptr;

  tk::Timer* TLoad = nullptr;        // fade-in step
  tk::Timer* TUnload = nullptr;      // fade-out step
  tk::Timer* TAlphaB = nullptr;      // status-picture fade step
  tk::Timer* Descargador = nullptr;  // one-shot start of the report

  ReportTexts texts;  // Tb and the outputs Tb1..Tb4
  std::int32_t FadeAlpha = 0;
  bool MayUnload = false;
  std::int32_t FadeLevel = 0;  // the window's transparency percent while it fades
  std::uint32_t ReportStart = 0;
  std::uint8_t SaveFilterIndex = 0;

  // Loads the window and shows it modally over the main window; returns once it has
  // unloaded.
  void Show();

  void Form_Load();
  void TLoad_Timer();
  void Descargador_Timer();
  void TAlphaB_Timer();
  void BSave_Click();
  void BClose_Click();
  void TUnload_Timer();
  void Form_Unload(bool& cancel);

  bool ReportDone() const { return reportDone_; }

 private:
  void BuildLayout();
  void WireEvents();
  void ResetForLoad();
  void UseSubstituteFonts();
  void StartReport();
  void AcceptEffects();

  bool reportStarted_ = false;
  bool reportDone_ = false;
  bool accepted_ = false;
};

// Make a report: shows the report window modally (made on first use) and returns when it
// has closed.
void ShowReportWindow(shell::App& app);

}  // namespace hv::report

#pragma once
// The main window F1: the skinned frame, the section menu, the page area, the customise and
// About panels, its timers and popup menus. It owns its controls under their own names; the
// section pages write the page-area controls directly.
#include <array>
#include <cstdint>
#include <string>

#include "shell/app.h"
#include "toolkit/form.h"

namespace hv::shell {

class MainWindow {
 public:
  explicit MainWindow(App& app);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  App& app;
  tk::Form form;

  // Skin and frame. Arrays are indexed as the code names them: S[1..4], LMenu[1..13] ...
  std::array<tk::PictureBox*, 5> S{};       // S[1] menu strip, S[2] top, S[3] bottom, S[4] right
  std::array<tk::PictureBox*, 5> Corner{};  // Corner[1..4]
  tk::PictureBox* Ico = nullptr;            // page icon
  tk::PictureBox* TapaBorde = nullptr;      // hides what runs past x = 721

  // The menu, inside S[1].
  tk::PictureBox* MenuLogo = nullptr;
  tk::Label* LOpc = nullptr;
  std::array<tk::Label*, 14> LMenu{};  // LMenu[1..13]
  tk::PictureBox* BM = nullptr;        // highlight bar
  tk::Label* LMenu2 = nullptr;         // caption on the bar
  tk::PictureBox* PesBMenu = nullptr;  // mark at the bar's right end

  // The page area.
  tk::Label* Titulo = nullptr;
  tk::Line* LineTit = nullptr;
  std::array<tk::Label*, 13> LT{};  // LT[1..12] captions
  std::array<tk::Label*, 13> L{};   // L[1..12] values
  tk::Line* Line1 = nullptr;
  tk::Line* Line2 = nullptr;
  tk::PictureBox* Iaviso = nullptr;
  tk::Label* Laviso = nullptr;
  tk::Line* LineInf = nullptr;
  tk::Label* Labelmi = nullptr;  // status line
  tk::Label* LNoDrive = nullptr;

  // The customise panel.
  tk::PictureBox* PicPersonalizar = nullptr;
  tk::Label* LTPers1 = nullptr;
  tk::ComboBox* LangList = nullptr;
  tk::Label* LTPers2 = nullptr;
  tk::Label* LPers1 = nullptr;
  tk::PictureBox* Spectrum = nullptr;
  tk::Line* LineP1 = nullptr;
  tk::Line* LineP2 = nullptr;
  tk::PictureBox* Arrow = nullptr;  // an image control
  tk::HScrollBar* Scroll1 = nullptr;
  tk::Label* LPers2 = nullptr;
  tk::HScrollBar* Scroll2 = nullptr;
  tk::Line* LineP3 = nullptr;
  tk::Label* LTPers3 = nullptr;
  tk::CheckBox* CheckTrans = nullptr;
  tk::HScrollBar* Scroll3 = nullptr;
  tk::Label* LPers3 = nullptr;
  tk::CommandButton* BAceptar = nullptr;

  // The About panel.
  tk::PictureBox* PicInformacion = nullptr;
  tk::PictureBox* Logo = nullptr;  // an image control
  tk::Label* LTInfo1 = nullptr;
  tk::Label* LInfo1 = nullptr;
  tk::Label* LTInfo2 = nullptr;
  tk::Label* LInfo2 = nullptr;
  tk::Label* LTInfo3 = nullptr;
  tk::Label* LInfo3 = nullptr;
  tk::Line* LineI = nullptr;
  tk::Label* LTra = nullptr;
  tk::Label* LTra1 = nullptr;
  tk::Label* LTra2 = nullptr;

  // Timers: the fades (1 ms) and the live refresh (1000 ms); all off at design.
  tk::Timer* TLoad = nullptr;
  tk::Timer* TUnload = nullptr;
  tk::Timer* TAlphaB = nullptr;
  tk::Timer* Timer1 = nullptr;

  // Popup menus.
  tk::Menu* MenuOps = nullptr;   // Personalizar, CrearInforme, -, Informacion, VisitWeb, -, Quit
  tk::Menu* MenuCopy = nullptr;  // Copy, CopyAll

  // Window-level fields.
  std::uint8_t CurrentSection = 0;
  std::uint8_t PreviousSection = 0;
  bool PanelOpen = false;
  std::uint8_t DriveCount = 0;
  std::uint8_t EmptyDrives = 0;
  // The CDs/DVDs page's gathered rows 1..7 (element 0 unused), each entry followed by its
  // separator; written again as they are while that page stays the one shown.
  std::array<std::string, 8> OpticalValues{};
  std::int32_t InnerIndex = 0;  // the page icon fade's alpha
  // The main window's fades keep their own levels (percent), so a page shown between two
  // ticks cannot disturb them.
  std::int32_t FadeInLevel = 0;
  std::int32_t FadeOutLevel = 0;
  // The RAM page's total physical memory in KB, kept for its live refresh so that a report
  // in between cannot replace it.
  std::int64_t RamTotalKb = 0;

  // Start-up and ending.
  void Form_Initialize();  // common controls: nothing to do beyond the backend's own set-up
  void Form_Load();
  void TLoad_Timer();
  void Quit_Click();
  void Form_Unload(bool& cancel);
  void TUnload_Timer();

  // Skin colour.
  void SplitColor(std::int32_t colour);
  void ComputeTitleColor();
  void ApplySkin();  // ApplyColor on S(1), BM, S(2), S(3), S(4)

  // Captions.
  void TraduPrincipal();

  // Navigation (the one routine that shows a section page) and the panels' helpers.
  void LMenu_MouseDown(int entry, int button, int shift, int x, int y);
  void S_MouseDown(int index, int button, int shift, int x, int y);
  void S_MouseUp(int index, int button, int shift, int x, int y);
  void S_MouseMove(int index, int button, int shift, int x, int y);
  void LOpc_MouseUp(int button, int shift, int x, int y);
  void CrearInforme_Click();
  void ClearPage();
  void LockMenu();
  void UnlockMenu();

  // The page icon fade.
  void TAlphaB_Timer();

  // The live refresh of the pages with changing values, once a second.
  void Timer1_Timer();

  // The copy menu: one row or the whole page to the clipboard.
  std::uint8_t SelectedRow = 0;  // the row last right-clicked, 1..12
  std::string CopyText;          // the latest whole-page text
  void Form_MouseDown(int button, int shift, int x, int y);
  void TapaBorde_MouseDown(int button, int shift, int x, int y);
  void LT_MouseDown(int index, int button, int shift, int x, int y);
  void L_MouseDown(int index, int button, int shift, int x, int y);
  void Copy_Click();
  void CopyAll_Click();

  // The customise panel (page 90) and the Accept button of both panels.
  bool PanelReady = false;  // the panel's controls are filled; its handlers act
  std::int32_t SpectrumPosition = 0;
  std::string SavedLanguage;
  std::int32_t SavedColor = 0;
  std::int32_t SavedShine = 0;
  bool SavedTransOn = false;
  std::uint8_t SavedTransparency = 0;
  void Personalizar_Click();
  void LangList_Click();
  void Scroll1_Scroll();
  void Scroll1_Change();
  void Scroll2_Scroll();
  void Scroll2_Change();
  void CheckTrans_Click();
  void Scroll3_Scroll();
  void Scroll3_Change();
  void BAceptar_Click();

  // The About panel (page 91) and the web links.
  void Informacion_Click();
  void LTra2_MouseDown(int button, int shift, int x, int y);
  void LTra2_MouseMove(int button, int shift, int x, int y);
  void PicInformacion_MouseMove(int button, int shift, int x, int y);
  void LTra1_MouseMove(int button, int shift, int x, int y);
  void VisitWeb_Click();

 private:
  void BuildLayout();
  void BuildPageArea();
  void BuildPanels();
  void UseSubstituteFonts();
  void SetMenuLook(tk::Color options, tk::Color entries, tk::CursorKind cursor);
  void ReadSettings();
  void WireEvents();
  void WireCopyMenu();
  void WirePanels();
  void FillLanguageList();
  void SaveChangedSettings();
  void ShowNewSkinColour();
  void PlaceAfter(tk::Label* caption, tk::Label* value, const std::string& captionText,
                  const std::string& valueText);
  bool RecolourYielding = false;  // a skin scroll handler is yielding to the event loop
};

}  // namespace hv::shell

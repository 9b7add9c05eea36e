#include "shell/main_window.h"

#include "shell/picture_holder.h"

namespace hv::shell {

namespace {

constexpr tk::Color kWhite = tk::Rgb(255, 255, 255);
constexpr tk::Color kRuleGrey = tk::Rgb(200, 200, 200);

tk::Font MakeFont(const char* name, double size, bool bold = false, bool italic = false,
                  int weight = 400) {
  tk::Font f;
  f.name = name;
  f.size = size;
  f.bold = bold;
  f.italic = italic;
  f.weight = bold ? 700 : weight;
  return f;
}

tk::Label& AddLabel(tk::Form& form, const std::string& name, tk::PictureBox* in, int left, int top,
                    const tk::Font& font, tk::Color fore, bool autoSize = true) {
  auto& label = form.Add<tk::Label>(name, in);
  label.SetFont(font);
  label.SetForeColor(fore);
  label.SetTransparent(true);
  label.Move(left, top, label.Width(), label.Height());
  label.SetAutoSize(autoSize);
  return label;
}

tk::Line& AddLine(tk::Form& form, const std::string& name, tk::PictureBox* in, int x1, int y1,
                  int x2, int y2, tk::Color colour, bool visible) {
  auto& line = form.Add<tk::Line>(name, in);
  line.SetPoints(x1, y1, x2, y2);
  line.SetLineColor(colour);
  line.SetVisible(visible);
  return line;
}

template <class Box = tk::PictureBox>
tk::PictureBox& AddPicture(App& app, tk::Form& form, const std::string& name, tk::PictureBox* in,
                           tk::Rect r, const char* asset) {
  auto& box = form.Add<Box>(name, in);
  box.Move(r.left, r.top, r.width, r.height);
  box.SetBackColor(kWhite);
  if (asset) box.SetPicture(app.assets.Picture(asset));
  return box;
}

}  // namespace

MainWindow::MainWindow(App& application) : app(application), form(app.backend, "F1", 777, 553) {
  form.SetCaption("Brenlow Harvala");
  form.font = MakeFont("Tahoma", 9.75);
  form.iconResource = "HARVALA";
  BuildLayout();
  WireEvents();
}

void MainWindow::BuildLayout() {
  // The skin. Later controls of a container lie above earlier ones, so the strip comes first.
  const char* skin[] = {nullptr, "SkinMenu", "SkinTop", "SkinBottom", "SkinRight"};
  const tk::Rect skinAt[] = {
      {}, {0, 0, 170, 553}, {170, 0, 576, 31}, {170, 522, 576, 31}, {746, 0, 31, 553}};
  for (int i = 1; i <= 4; ++i)
    S[i] = &AddPicture(app, form, "S" + std::to_string(i), nullptr, skinAt[i], skin[i]);
  S[1]->SetHasCustomCursor(true);

  const tk::Rect cornerAt[] = {
      {}, {170, 31, 4, 4}, {742, 31, 4, 4}, {742, 518, 4, 4}, {170, 518, 4, 4}};
  for (int i = 1; i <= 4; ++i)
    Corner[i] = &AddPicture(app, form, "Corner" + std::to_string(i), nullptr, cornerAt[i],
                            ("Corner" + std::to_string(i)).c_str());

  // The menu inside the strip.
  const tk::Font menuFont = MakeFont("Tahoma", 9.75);
  MenuLogo = &AddPicture(app, form, "MenuLogo", S[1], {16, 5, 20, 20}, "MenuLogo");
  MenuLogo->SetHasCustomCursor(true);
  MenuLogo->SetCursor(tk::CursorKind::Custom);
  LOpc = &AddLabel(form, "LOpc", S[1], 47, 7, menuFont, tk::Rgb(255, 255, 255));
  LOpc->SetCaption("Options");
  for (int k = 1; k <= 13; ++k) {
    LMenu[k] =
        &AddLabel(form, "LMenu" + std::to_string(k), S[1], 20, 58 + 35 * (k - 1), menuFont, kWhite);
    LMenu[k]->SetHasCustomCursor(true);
    LMenu[k]->SetCursor(tk::CursorKind::Custom);
  }
  BM = &AddPicture(app, form, "BM", S[1], {0, 49, 170, 35}, "Bar");
  BM->SetHasCustomCursor(true);
  BM->SetCursor(tk::CursorKind::Custom);
  LMenu2 = &AddLabel(form, "LMenu2", BM, 20, 9, menuFont, kWhite);
  LMenu2->SetHasCustomCursor(true);
  LMenu2->SetCursor(tk::CursorKind::Custom);
  PesBMenu = &AddPicture(app, form, "PesBMenu", BM, {163, 11, 7, 13}, "BarMark");

  BuildPageArea();
  BuildPanels();

  TLoad = &form.AddTimer("TLoad", 1);
  TUnload = &form.AddTimer("TUnload", 1);
  TAlphaB = &form.AddTimer("TAlphaB", 1);
  Timer1 = &form.AddTimer("Timer1", 1000);

  MenuOps = &form.AddMenu("MenuOps");
  for (const char* item : {"Personalizar", "CrearInforme", "Separator2", "Informacion", "VisitWeb",
                           "Separator3", "Quit"}) {
    tk::MenuItem mi;
    mi.name = item;
    mi.separator = std::string(item).starts_with("Separator");
    MenuOps->items.push_back(mi);
  }
  MenuCopy = &form.AddMenu("MenuCopy");
  for (const char* item : {"Copy", "CopyAll"}) {
    tk::MenuItem mi;
    mi.name = item;
    MenuCopy->items.push_back(mi);
  }
}

void MainWindow::BuildPageArea() {
  Titulo = &AddLabel(form, "Titulo", nullptr, 208, 48,
                     MakeFont("Segoe UI Light", 26.25, false, false, 300), tk::Rgb(0, 0, 0));
  LineTit = &AddLine(form, "LineTit", nullptr, 208, 112, 488, 112, kRuleGrey, true);
  const tk::Font captionFont = MakeFont("Segoe UI", 9.75, true);
  const tk::Font valueFont = MakeFont("Segoe UI", 9.75, false, true);
  for (int i = 1; i <= 12; ++i) {
    const int top = 139 + 25 * (i - 1);
    LT[i] = &AddLabel(form, "LT" + std::to_string(i), nullptr, 208, top, captionFont,
                      tk::Rgb(32, 32, 32));
    LT[i]->SetCaption("LT");
    L[i] =
        &AddLabel(form, "L" + std::to_string(i), nullptr, 232, top, valueFont, tk::Rgb(64, 64, 64));
    L[i]->SetCaption("L");
  }
  Line1 = &AddLine(form, "Line1", nullptr, 208, 40, 488, 40, kRuleGrey, false);
  Line2 = &AddLine(form, "Line2", nullptr, 208, 48, 488, 48, kRuleGrey, false);
  Laviso = &AddLabel(form, "Laviso", nullptr, 256, 435, MakeFont("Tahoma", 8.25), tk::Rgb(0, 0, 0),
                     false);
  Laviso->Move(256, 435, 323, 29);
  Laviso->SetWordWrap(true);
  LineInf = &AddLine(form, "LineInf", nullptr, 208, 480, 488, 480, kRuleGrey, true);
  Labelmi =
      &AddLabel(form, "Labelmi", nullptr, 208, 488, MakeFont("Tahoma", 8.25), tk::Rgb(85, 85, 85));
  LNoDrive = &AddLabel(form, "LNoDrive", nullptr, 250, 170, MakeFont("Segoe UI", 36, false, true),
                       tk::Rgb(192, 192, 192), false);
  LNoDrive->Move(250, 170, 420, 65);
  LNoDrive->SetWordWrap(true);
  LNoDrive->SetVisible(false);

  // Picture boxes of the page area lie above its labels, as windowed controls do.
  Ico = &AddPicture(app, form, "Ico", nullptr, {676, 52, 48, 48}, nullptr);
  Iaviso = &AddPicture(app, form, "Iaviso", nullptr, {208, 432, 35, 35}, nullptr);
  Iaviso->SetVisible(false);
  TapaBorde = &AddPicture(app, form, "TapaBorde", nullptr, {721, 128, 25, 313}, nullptr);
}

void MainWindow::BuildPanels() {
  const tk::Font small = MakeFont("Tahoma", 8.25);
  const tk::Font smallBold = MakeFont("Tahoma", 8.25, true);
  const tk::Color ink = tk::Rgb(32, 32, 32);

  PicPersonalizar =
      &AddPicture(app, form, "PicPersonalizar", nullptr, {208, 144, 494, 270}, nullptr);
  PicPersonalizar->SetVisible(false);
  tk::PictureBox* p = PicPersonalizar;
  LTPers1 = &AddLabel(form, "LTPers1", p, 0, 0, smallBold, ink);
  LangList = &form.Add<tk::ComboBox>("LangList", p);
  LangList->Move(17, 32, 211, 21);
  LangList->font = small;
  LTPers2 = &AddLabel(form, "LTPers2", p, 0, 80, smallBold, ink);
  LPers1 = &AddLabel(form, "LPers1", p, 17, 112, small, ink);
  Spectrum = &AddPicture(app, form, "Spectrum", p, {17, 136, 211, 11}, "Spectrum");
  LineP1 = &AddLine(form, "LineP1", p, 16, 136, 16, 147, tk::Rgb(0, 0, 0), true);
  LineP2 = &AddLine(form, "LineP2", p, 228, 136, 228, 147, tk::Rgb(0, 0, 0), true);
  Arrow = &AddPicture<tk::ImageBox>(app, form, "Arrow", p, {13, 152, 9, 5}, "Arrow");
  Scroll1 = &form.Add<tk::HScrollBar>("Scroll1", p);
  Scroll1->Move(17, 170, 211, 17);
  Scroll1->SetRange(0, 210);
  LPers2 = &AddLabel(form, "LPers2", p, 17, 208, small, ink);
  Scroll2 = &form.Add<tk::HScrollBar>("Scroll2", p);
  Scroll2->Move(17, 232, 211, 17);
  Scroll2->SetRange(0, 48);
  LineP3 = &AddLine(form, "LineP3", p, 252, 24, 252, 264, kRuleGrey, true);
  LTPers3 = &AddLabel(form, "LTPers3", p, 264, 0, smallBold, ink);
  CheckTrans = &form.Add<tk::CheckBox>("CheckTrans", p);
  CheckTrans->Move(276, 32, 153, 25);
  CheckTrans->font = small;
  Scroll3 = &form.Add<tk::HScrollBar>("Scroll3", p);
  Scroll3->Move(276, 75, 176, 17);
  Scroll3->SetRange(0, 80);
  LPers3 = &AddLabel(form, "LPers3", p, 462, 77, small, ink);

  BAceptar = &form.Add<tk::CommandButton>("BAceptar");
  BAceptar->Move(623, 462, 94, 35);
  BAceptar->font = small;
  BAceptar->SetVisible(false);

  PicInformacion = &AddPicture(app, form, "PicInformacion", nullptr, {208, 139, 329, 265}, nullptr);
  PicInformacion->SetVisible(false);
  tk::PictureBox* a = PicInformacion;
  Logo = &AddPicture<tk::ImageBox>(app, form, "Logo", a, {0, 0, 295, 72}, "Logo");
  LTInfo1 = &AddLabel(form, "LTInfo1", a, 0, 88, smallBold, ink);
  LInfo1 = &AddLabel(form, "LInfo1", a, 0, 88, small, ink);
  LTInfo2 = &AddLabel(form, "LTInfo2", a, 0, 112, smallBold, ink);
  LInfo2 = &AddLabel(form, "LInfo2", a, 0, 112, small, ink);
  LTInfo3 = &AddLabel(form, "LTInfo3", a, 0, 136, smallBold, ink);
  LInfo3 = &AddLabel(form, "LInfo3", a, 0, 136, small, ink);
  LineI = &AddLine(form, "LineI", a, 0, 168, 280, 168, kRuleGrey, true);
  LTra = &AddLabel(form, "LTra", a, 0, 184, smallBold, ink);
  LTra1 = &AddLabel(form, "LTra1", a, 0, 216, small, ink);
  LTra2 = &AddLabel(form, "LTra2", a, 0, 216, small, ink);
  LTra2->SetHasCustomCursor(true);
  LTra2->SetCursor(tk::CursorKind::Custom);
}

}  // namespace hv::shell

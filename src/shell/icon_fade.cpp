// The page icon's cross-fade: 19 blended frames, then the pictures are assigned for good.
#include "shell/main_window.h"
#include "shell/picture_holder.h"
#include "shell/skin.h"

namespace hv::shell {

namespace {

struct FadePictures {
  std::string icon;    // empty: the page has no icon (nothing is drawn)
  std::string notice;  // empty: no notice picture (cleared at the end)
};

FadePictures PicturesFor(int section, int driveCount) {
  switch (section) {
    case 2:
      return {"Sec2", "Info"};
    case 11:
      return driveCount ? FadePictures{"Sec11a", "Ok"} : FadePictures{"Sec11b", "Alerta"};
    case 12:
      return driveCount ? FadePictures{"Sec12a", "Ok"} : FadePictures{"Sec12b", "Alerta"};
    case 90:
      return {"IOpc", ""};
    case 91:
      return {"IAC", ""};
    default:
      if (section >= 1 && section <= 13) return {"Sec" + std::to_string(section), ""};
      return {"", ""};
  }
}

}  // namespace

void MainWindow::TAlphaB_Timer() {
  InnerIndex += 13;
  const FadePictures pictures = PicturesFor(CurrentSection, DriveCount);
  PictureHolder& holder = app.Pictures();
  tk::PictureBox* icon = pictures.icon.empty() ? nullptr : holder.Get(pictures.icon);
  tk::PictureBox* notice = pictures.notice.empty() ? nullptr : holder.Get(pictures.notice);
  if (InnerIndex <= 255) {
    const auto alpha = static_cast<std::uint8_t>(InnerIndex);
    if (icon) BlendPicture(*Ico, *icon, alpha);
    if (notice) BlendPicture(*Iaviso, *notice, alpha);
    return;
  }
  if (!icon) {  // a page outside the table: the pictures stay as they are
    TAlphaB->SetEnabled(false);
    return;
  }
  Ico->SetPicture(icon->Assigned());
  Iaviso->SetPicture(notice ? notice->Assigned() : nullptr);
  TAlphaB->SetEnabled(false);
}

}  // namespace hv::shell

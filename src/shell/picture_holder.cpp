#include "shell/picture_holder.h"

#include <array>

namespace hv::shell {

namespace {
// Every picture the holder keeps, by the name the other windows ask for.
constexpr std::array kHeldPictures = {"Sec1",   "Sec2",   "Sec3",  "Sec4",  "Sec5",   "Sec6",
                                      "Sec7",   "Sec8",   "Sec9",  "Sec10", "Sec11a", "Sec11b",
                                      "Sec12a", "Sec12b", "Sec13", "IOpc",  "IAC",    "Alerta",
                                      "Info",   "Ok",     "Made"};
}  // namespace

PictureHolder::PictureHolder(App& app) : form(app.backend, "F6", 64, 64) {
  for (const char* name : kHeldPictures) {
    auto& box = form.Add<tk::PictureBox>(name);
    auto picture = app.assets.Picture(name);
    if (picture) {
      box.Move(0, 0, picture->Width(), picture->Height());
      box.SetPicture(picture);
    }
    boxes_.push_back(&box);
  }
}

tk::PictureBox* PictureHolder::Get(const std::string& name) const {
  for (auto* box : boxes_)
    if (box->Name() == name) return box;
  return nullptr;
}

}  // namespace hv::shell

#pragma once
// F6: the window that is never shown and only holds pictures: the page icons, the notice
// icons and the report-done picture, each in a picture box of its own name.
#include <string>
#include <vector>

#include "shell/app.h"
#include "toolkit/form.h"

namespace hv::shell {

class PictureHolder {
 public:
  explicit PictureHolder(App& app);
  tk::Form form;
  // The picture box holding the named picture ("Sec1", "Alerta" ...); nullptr when unknown.
  tk::PictureBox* Get(const std::string& name) const;

 private:
  std::vector<tk::PictureBox*> boxes_;
};

}  // namespace hv::shell

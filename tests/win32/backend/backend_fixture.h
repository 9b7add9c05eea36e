#pragma once
// Shared set-up of the window backend's tests: a backend on this module, a message pump with
// a time limit, and rendering a form into memory to read its pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/form.h"
#include "win32/win32_backend.h"

namespace hv::win32::test {

// Runs the message loop until done() holds or the limit passes; done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, int limitMs = 3000);

// The form painted into a 32-bit memory bitmap, as model colours, row by row.
class Rendering {
 public:
  Rendering(const tk::Form& form, FontCache& fonts);
  tk::Color At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_;
  int height_;
  std::vector<tk::Color> pixels_;
};

class BackendTest : public ::testing::Test {
 protected:
  Win32Backend backend{::GetModuleHandleW(nullptr)};
};

}  // namespace hv::win32::test

#pragma once
// Paints what a form draws itself: its back colour and its windowless content (pictures,
// labels, lines), bottom to top. Scroll bars, the combo box, the check box and the buttons
// are real child windows and paint themselves.
#include <windows.h>

#include "toolkit/form.h"
#include "win32/font_cache.h"

namespace hv::win32 {

void PaintForm(HDC dc, const tk::Form& form, FontCache& fonts);

// A picture's rows as a device-independent bitmap wants them: each row padded to a multiple
// of four bytes. Empty when the picture's buffer does not hold its stated size.
std::vector<std::uint8_t> PaddedDibRows(const tk::Picture& picture);

}  // namespace hv::win32

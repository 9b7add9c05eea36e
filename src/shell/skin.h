#pragma once
// Skin colour, window transparency and picture blending: the pixel work is portable and
// exact; the backend only shows the result.
#include <cstdint>

#include "toolkit/form.h"

namespace hv::shell {

struct Appearance;

// Alpha for a transparency percent: ((100 - percent) * 255) / 100 truncated, clamped to
// 0..255. Computed in 32 bits, so any percent gives a defined alpha.
std::uint8_t TransparencyAlpha(int percent);

// Makes the window layered and sets its alpha from a transparency percent (0 opaque).
void SetTransparency(tk::Form& window, int percent);

// Clears the destination's drawn image and draws the whole source's drawn image onto it,
// stretched to the destination's size, with constant alpha (as AlphaBlend with
// SourceConstantAlpha = alpha and no per-pixel alpha).
void BlendPicture(tk::PictureBox& destination, const tk::PictureBox& source, std::uint8_t alpha);

// Recolours one 24-bit bottom-up DIB in place: every channel byte of the 3*width bytes of
// each row becomes old + tint - 220 + shine - 24, clamped; the row padding is never touched.
void RecolorDib(std::uint8_t* bits, int width, int height, int stride, std::uint8_t tintRed,
                std::uint8_t tintGreen, std::uint8_t tintBlue, int shine);

// The tint bytes of a colour kept as blue * 65536 + green * 256 + red.
void SplitColour(Appearance& look, std::int32_t colour);
// The accent colour of titles, headings and reports: each tint channel - 90 + shine, clamped.
void ComputeAccent(Appearance& look);

// Recolours the box's drawn image from its assigned grey picture with the tint and shine.
void ApplyColor(tk::PictureBox& box, const Appearance& look);

}  // namespace hv::shell

#pragma once
// The two pictures of the Quick Color Palette: the colour spectrum (115 × 63, shown stretched to
// 172 wide) and the web-safe grid (172 × 109), 216 web-safe colours and twelve basic ones in
// 8 × 8 cells between grid lines of RGB 8,8,8.

#include "core/base/pixel_image.h"
#include "core/color/color_text.h"

namespace twl {

inline constexpr int kSpectrumWidth = 115, kSpectrumHeight = 63;
inline constexpr int kWebSafeColumns = 19, kWebSafeRows = 12, kWebSafeCellPitch = 9;
inline constexpr int kWebSafeWidth = 172, kWebSafeHeight = 109;
// The grid lines; the cell at column 1, row 0 has their colour too, so it counts as grid.
inline constexpr TColor kWebSafeGridColor = 0x080808;

// Hue 2.95° a column (red to crimson, no wrap), rows 0-1 white, then lightness (62 - y) / 62
// with full saturation in rows 27-33, fading towards the top and bottom.
PixelImage SpectrumPicture();

// The colour of the cell at column 0-18, row 0-11.
TColor WebSafeCellColor(int column, int row);
PixelImage WebSafePicture();

} // namespace twl

#pragma once
// Lightness and saturation adjustments, the readable text colour for a background and the
// web-safe test and snapping.

#include "core/color/color_text.h"

#include <string>

namespace twl {

// Each goes through HSL, moves one component by step (clamped at 100 or 0 on the side it moves
// towards) and returns the text form of the result, ready for a palette slot.
std::string LightenColor(TColor color, int step);
std::string DarkenColor(TColor color, int step);
std::string SaturateColor(TColor color, int step);
std::string DesaturateColor(TColor color, int step);

// The colour with its HSL lightness replaced by lightness (0-100).
TColor WithLightness(TColor color, int lightness);

// Black (0x000000) on light backgrounds, white (0xFFFFFF) on dark ones.
TColor ContrastTextColor(TColor color);

// True when every channel is a multiple of 51 (hex 00, 33, 66, 99, CC, FF).
bool IsWebSafe(TColor color);
// Each channel moved to the nearest multiple of 51.
TColor SnapToWebSafe(TColor color);

} // namespace twl

#pragma once
// Conversions between RGB and the other colour models (HSL, HSV, CMY, CMYK) and the hex triplet
// shown to users. All arithmetic is done in long double and rounded with RoundHalfEven.

#include "core/color/color_text.h"

#include <string>
#include <string_view>

namespace twl {

// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4). NaN gives 0 and
// values beyond the int range are held at its ends.
int RoundHalfEven(long double value);

struct Hsl {
    int hue = 0;        // 0-360; 360 is what a hue just below a full turn rounds to
    int saturation = 0; // 0-100
    int lightness = 0;  // 0-100
};

struct Hsv {
    long double hue = 0;        // degrees, 0 <= hue < 360
    long double saturation = 0; // percent
    long double value = 0;      // percent
};

struct Cmy {
    long double cyan = 0; // fractions 0-1
    long double magenta = 0;
    long double yellow = 0;
};

struct Cmyk {
    long double cyan = 0; // fractions 0-1
    long double magenta = 0;
    long double yellow = 0;
    long double black = 0;
};

// Six upper-case hex digits RRGGBB, red first: "FF8000".
std::string ColorToHexTriplet(TColor color);
// The same after a "#": "#FF8000", the "HEX with #" value.
inline std::string ColorToHashHex(TColor color) {
    return "#" + ColorToHexTriplet(color);
}
// True for exactly 6 or 3 hex digits of either case.
bool IsHexColorText(std::string_view text);
// Reads "RRGGBB" or "RGB" (each digit doubled), with one optional leading "#"; black otherwise.
TColor HexToColor(std::string_view text);

Hsl RgbToHsl(int red, int green, int blue);
inline Hsl RgbToHsl(TColor color) {
    return RgbToHsl(RedOf(color), GreenOf(color), BlueOf(color));
}
// A six-segment hue wheel blended towards grey 128 by saturation and towards white or black by
// lightness. Black for hue outside 0-359 or saturation/lightness outside 0-100.
TColor HslToRgb(int hue, int saturation, int lightness);

Hsv RgbToHsv(int red, int green, int blue);
inline Hsv RgbToHsv(TColor color) {
    return RgbToHsv(RedOf(color), GreenOf(color), BlueOf(color));
}

Cmy RgbToCmy(int red, int green, int blue);
inline Cmy RgbToCmy(TColor color) {
    return RgbToCmy(RedOf(color), GreenOf(color), BlueOf(color));
}
Cmyk CmyToCmyk(const Cmy& cmy);

} // namespace twl

#pragma once
// The colour spaces of CSS Color 4 for an 8-bit sRGB colour: OKLab and OKLCH, CIE Lab and LCh
// (D50, through XYZ and the Bradford adaptation from D65), and HWB; and the numbers as CSS text.

#include <array>
#include <string>

namespace twl {

struct Lab {
    double lightness = 0; // OKLab: 0-1; CIE Lab: 0-100
    double a = 0;
    double b = 0;
};

Lab SrgbToOkLab(int red, int green, int blue);
// The linear light (0-1) of each channel of an OKLab colour, unclipped: a channel outside 0-1
// says the colour lies outside sRGB.
std::array<double, 3> OkLabToLinearSrgb(const Lab& lab);

// The sRGB transfer function undone: an 8-bit value as linear light, 0-1.
double LinearLight(int value);
// Linear light, clipped to 0-1, as the nearest 8-bit value.
int EncodedChannel(double linear);
Lab SrgbToCieLab(int red, int green, int blue);

// The chroma and hue (degrees, 0 <= hue < 360) of Lab's a and b.
double ChromaOf(const Lab& lab);
double HueOf(const Lab& lab);

struct Hwb {
    double hue = 0;       // degrees, 0 <= hue < 360; 0 for greys
    double whiteness = 0; // percent
    double blackness = 0; // percent
};

Hwb SrgbToHwb(int red, int green, int blue);

// The value rounded to `decimals` places, halves away from zero, without trailing zeros, a
// trailing point or a minus before zero: 62.80 gives "62.8", -0.00001 gives "0".
std::string CssNumber(double value, int decimals);
// A hue rounded as CssNumber; a full turn comes back to "0".
std::string CssHue(double degrees, int decimals);

} // namespace twl

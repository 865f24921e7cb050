#pragma once
// How readable text of one colour is on another: the WCAG 2 contrast ratio and its five
// criteria, the APCA lightness contrast (APCA-W3 0.0.98G-4g), a text colour of the same hue
// that passes, and the report Ctrl+C copies.

#include "core/color/color_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace twl {

// The relative luminance of WCAG 2, 0 (black) to 1 (white).
double RelativeLuminance(TColor color);
// (L1 + 0.05) / (L2 + 0.05), the lighter colour's luminance on top: 1 to 21.
double ContrastRatio(TColor first, TColor second);
// The ratio in hundredths, cut, never rounded up: 4.499 gives 449. A ratio a hair below a
// hundredth through the arithmetic (white on black, 20.999…) counts as that hundredth.
int RatioHundredths(double ratio);
// The cut ratio with two decimals: "5.99".
std::string RatioText(double ratio);

struct ContrastCriterion {
    std::string_view label; // "AA normal text (4.5:1)"
    int hundredths;         // the least passing ratio, in hundredths
};
// AA normal, AA large, AAA normal, AAA large, non-text.
extern const std::array<ContrastCriterion, 5> kContrastCriteria;
inline constexpr int kAaNormalText = 450, kAaaNormalText = 700;

// A criterion passes when the ratio as shown reaches its threshold.
inline bool Passes(double ratio, int thresholdHundredths) {
    return RatioHundredths(ratio) >= thresholdHundredths;
}

// APCA's Lc of text on background: positive for dark text on light, negative for light on dark,
// 0 where the two are too close to tell.
double ApcaContrast(TColor text, TColor background);
// Lc with one decimal, halves away from zero: "79.8", "-60.0".
std::string ApcaText(double lc);

// The text colour of the same OKLCH hue and chroma (the chroma reduced only where the colour
// would leave sRGB) whose lightness is nearest the text's and whose ratio with background reaches
// threshold; nullopt when no lightness does. A passing text colour is its own fix.
std::optional<TColor> FixTextColor(TColor text, TColor background, int thresholdHundredths);

// The lines Ctrl+C copies, each ended by a line feed.
std::string ContrastReport(TColor text, TColor background);

} // namespace twl

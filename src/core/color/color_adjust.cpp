#include "core/color/color_adjust.h"

#include "core/color/color_convert.h"

#include <algorithm>

namespace twl {

namespace {

// HSL of the colour with a hue that rounded up to a full turn taken as 0, so the colour keeps
// its red hue on the way back through HslToRgb.
Hsl AdjustableHsl(TColor color) {
    Hsl hsl = RgbToHsl(color);
    if (hsl.hue == 360)
        hsl.hue = 0;
    return hsl;
}

std::string ToText(const Hsl& hsl) {
    return ColorToText(HslToRgb(hsl.hue, hsl.saturation, hsl.lightness));
}

// value + change without overflow; results beyond 0-100 are held at -1 or 101, which HslToRgb
// treats like any other out-of-range component.
int Shifted(int value, long long change) {
    return static_cast<int>(std::clamp(value + change, -1LL, 101LL));
}

int SnapChannel(int channel) {
    return (channel + 25) / 51 * 51;
}

} // namespace

std::string LightenColor(TColor color, int step) {
    Hsl hsl = AdjustableHsl(color);
    hsl.lightness = std::min(Shifted(hsl.lightness, step), 100);
    return ToText(hsl);
}

std::string DarkenColor(TColor color, int step) {
    Hsl hsl = AdjustableHsl(color);
    hsl.lightness = std::max(Shifted(hsl.lightness, -static_cast<long long>(step)), 0);
    return ToText(hsl);
}

std::string SaturateColor(TColor color, int step) {
    Hsl hsl = AdjustableHsl(color);
    hsl.saturation = std::min(Shifted(hsl.saturation, step), 100);
    return ToText(hsl);
}

std::string DesaturateColor(TColor color, int step) {
    Hsl hsl = AdjustableHsl(color);
    hsl.saturation = std::max(Shifted(hsl.saturation, -static_cast<long long>(step)), 0);
    return ToText(hsl);
}

TColor WithLightness(TColor color, int lightness) {
    const Hsl hsl = AdjustableHsl(color);
    return HslToRgb(hsl.hue, hsl.saturation, lightness);
}

TColor ContrastTextColor(TColor color) {
    const int sum = 2 * RedOf(color) + 5 * GreenOf(color) + BlueOf(color);
    return sum >= 1024 ? 0x000000 : 0xFFFFFF;
}

bool IsWebSafe(TColor color) {
    return RedOf(color) % 51 == 0 && GreenOf(color) % 51 == 0 && BlueOf(color) % 51 == 0;
}

TColor SnapToWebSafe(TColor color) {
    return MakeColor(SnapChannel(RedOf(color)), SnapChannel(GreenOf(color)),
                     SnapChannel(BlueOf(color)));
}

} // namespace twl

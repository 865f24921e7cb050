#include "core/color/color_convert.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace twl {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

// The fully saturated colour of a hue 0-359 on the linear six-segment wheel, 4.25 per degree.
void PureHue(int hue, long double& r, long double& g, long double& b) {
    constexpr long double kSlope = 4.25L;
    auto ramp = [](long double steps) { return static_cast<long double>(RoundHalfEven(steps)); };
    if (hue <= 60) {
        r = 255;
        g = ramp(hue * kSlope);
        b = 0;
    } else if (hue <= 120) {
        r = ramp(255 - (hue - 60) * kSlope);
        g = 255;
        b = 0;
    } else if (hue <= 180) {
        r = 0;
        g = 255;
        b = ramp((hue - 120) * kSlope);
    } else if (hue <= 240) {
        r = 0;
        g = ramp(255 - (hue - 180) * kSlope);
        b = 255;
    } else if (hue <= 300) {
        r = ramp((hue - 240) * kSlope);
        g = 0;
        b = 255;
    } else {
        r = 255;
        g = 0;
        b = ramp(255 - (hue - 300) * kSlope);
    }
}

} // namespace

int RoundHalfEven(long double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<long double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<long double>(INT_MIN))
        return INT_MIN;
    const long double floor = std::floor(value);
    const long double fraction = value - floor;
    auto result = static_cast<long long>(floor);
    if (fraction > 0.5L || (fraction == 0.5L && result % 2 != 0))
        ++result;
    return static_cast<int>(result);
}

std::string ColorToHexTriplet(TColor color) {
    std::string text;
    for (int channel : {RedOf(color), GreenOf(color), BlueOf(color)}) {
        text += kHexDigits[channel >> 4];
        text += kHexDigits[channel & 0xF];
    }
    return text;
}

bool IsHexColorText(std::string_view text) {
    if (text.size() != 6 && text.size() != 3)
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

TColor HexToColor(std::string_view text) {
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (!IsHexColorText(text))
        return 0;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        if (text.size() == 6)
            channels[i] = HexDigitValue(text[2 * i]) * 16 + HexDigitValue(text[2 * i + 1]);
        else
            channels[i] = HexDigitValue(text[i]) * 17;
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

Hsl RgbToHsl(int red, int green, int blue) {
    const long double r = red / 255.0L;
    const long double g = green / 255.0L;
    const long double b = blue / 255.0L;
    const long double max = std::max({r, g, b});
    const long double min = std::min({r, g, b});
    const long double l = (max + min) / 2;
    if (max == min)
        return Hsl{0, 0, RoundHalfEven(l * 100)};

    const long double d = max - min;
    const long double s = l < 0.5L ? d / (max + min) : d / (2 - max - min);
    long double h;
    if (r == max)
        h = (g - b) / d;
    else if (g == max)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    h = h / 6;
    if (h < 0)
        h += 1;
    return Hsl{RoundHalfEven(h * 360), RoundHalfEven(s * 100), RoundHalfEven(l * 100)};
}

TColor HslToRgb(int hue, int saturation, int lightness) {
    if (hue < 0 || hue >= 360 || saturation < 0 || saturation > 100 || lightness < 0 ||
        lightness > 100)
        return 0;

    long double channels[3];
    PureHue(hue, channels[0], channels[1], channels[2]);

    const long double f = std::abs(saturation - 100) / 100.0L;
    for (long double& c : channels)
        c = RoundHalfEven(c - (c - 128) * f);

    const long double m = (lightness - 50) / 50.0L;
    for (long double& c : channels) {
        if (m > 0)
            c = RoundHalfEven(c + (255 - c) * m);
        else if (m < 0)
            c = RoundHalfEven(c + c * m);
    }
    return MakeColor(static_cast<int>(channels[0]), static_cast<int>(channels[1]),
                     static_cast<int>(channels[2]));
}

Hsv RgbToHsv(int red, int green, int blue) {
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    const int d = max - min;
    const long double s255 = max == 0 ? 0.0L : 255.0L * d / max;

    long double hue = 0;
    if (s255 != 0) {
        long double h;
        if (red == max)
            h = static_cast<long double>(green - blue) / d;
        else if (green == max)
            h = 2 + static_cast<long double>(blue - red) / d;
        else
            h = 4 + static_cast<long double>(red - green) / d;
        hue = h * 60;
        if (hue < 0)
            hue += 360;
    }
    return Hsv{hue, s255 * 100 / 255, max * 100.0L / 255};
}

Cmy RgbToCmy(int red, int green, int blue) {
    return Cmy{1 - red / 255.0L, 1 - green / 255.0L, 1 - blue / 255.0L};
}

Cmyk CmyToCmyk(const Cmy& cmy) {
    long double k = 1;
    if (cmy.cyan < k)
        k = cmy.cyan;
    if (cmy.magenta < k)
        k = cmy.magenta;
    if (cmy.yellow < k)
        k = cmy.yellow;
    if (1 - k == 0)
        return Cmyk{0, 0, 0, 1};
    return Cmyk{(cmy.cyan - k) / (1 - k), (cmy.magenta - k) / (1 - k), (cmy.yellow - k) / (1 - k),
                k};
}

} // namespace twl

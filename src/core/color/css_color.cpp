#include "core/color/css_color.h"

#include "core/color/css_matrices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace twl {

namespace {

using css::Times;
using css::Vector;

Vector LinearSrgb(int red, int green, int blue) {
    return {LinearLight(red), LinearLight(green), LinearLight(blue)};
}

std::string DigitsOf(std::uint64_t scaled, int decimals) {
    std::string digits = std::to_string(scaled);
    if (decimals == 0) {
        return digits;
    }
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    while (digits.back() == '0') {
        digits.pop_back();
    }
    if (digits.back() == '.') {
        digits.pop_back();
    }
    return digits;
}

} // namespace

double LinearLight(int value) {
    const double v = value / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

int EncodedChannel(double linear) {
    const double v = std::clamp(linear, 0.0, 1.0);
    const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(encoded * 255));
}

std::array<double, 3> OkLabToLinearSrgb(const Lab& lab) {
    static const css::Matrix toLms = css::Inverse(css::kLmsToOkLab);
    static const css::Matrix toLinear =
        css::Inverse(css::Product(css::kXyzToLms, css::kLinearSrgbToXyz));
    Vector lms = Times(toLms, {lab.lightness, lab.a, lab.b});
    for (double& v : lms) {
        v = v * v * v;
    }
    return Times(toLinear, lms);
}

Lab SrgbToOkLab(int red, int green, int blue) {
    Vector lms = Times(css::kXyzToLms, Times(css::kLinearSrgbToXyz, LinearSrgb(red, green, blue)));
    for (double& v : lms) {
        v = std::cbrt(v);
    }
    const Vector lab = Times(css::kLmsToOkLab, lms);
    return {lab[0], lab[1], lab[2]};
}

Lab SrgbToCieLab(int red, int green, int blue) {
    const Vector xyz =
        Times(css::kD65ToD50, Times(css::kLinearSrgbToXyz, LinearSrgb(red, green, blue)));
    Vector f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = xyz[i] / css::kD50White[i];
        f[i] = v > css::kLabEpsilon ? std::cbrt(v) : (css::kLabKappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

double ChromaOf(const Lab& lab) {
    return std::hypot(lab.a, lab.b);
}

double HueOf(const Lab& lab) {
    const double degrees = std::atan2(lab.b, lab.a) * 180 / std::acos(-1.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

Hwb SrgbToHwb(int red, int green, int blue) {
    const int high = std::max({red, green, blue});
    const int low = std::min({red, green, blue});
    Hwb hwb;
    hwb.whiteness = low * 100.0 / 255;
    hwb.blackness = (255 - high) * 100.0 / 255;
    const double chroma = high - low;
    if (chroma > 0) {
        double sector = 0;
        if (high == red) {
            sector = (green - blue) / chroma;
            if (sector < 0) {
                sector += 6;
            }
        } else if (high == green) {
            sector = (blue - red) / chroma + 2;
        } else {
            sector = (red - green) / chroma + 4;
        }
        hwb.hue = sector * 60;
    }
    return hwb;
}

std::string CssNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "0";
    }
    const double scaled = std::round(std::fabs(value) * std::pow(10.0, decimals));
    if (scaled >= 1e18) {
        return "0";
    }
    const auto whole = static_cast<std::uint64_t>(scaled);
    const std::string digits = DigitsOf(whole, decimals);
    return whole != 0 && value < 0 ? "-" + digits : digits;
}

std::string CssHue(double degrees, int decimals) {
    const std::string text = CssNumber(degrees, decimals);
    return text == "360" ? "0" : text;
}

} // namespace twl

#include "core/contrast/contrast.h"

#include "core/color/color_convert.h"
#include "core/color/css_color.h"

#include <algorithm>
#include <cmath>

namespace twl {

namespace {

// APCA-W3 0.0.98G-4g.
constexpr double kMainTrc = 2.4;
constexpr double kRedY = 0.2126729, kGreenY = 0.7151522, kBlueY = 0.0721750;
constexpr double kNormBg = 0.56, kNormText = 0.57, kRevText = 0.62, kRevBg = 0.65;
constexpr double kBlackThreshold = 0.022, kBlackClamp = 1.414;
constexpr double kScale = 1.14, kLowOffset = 0.027, kLowClip = 0.1, kDeltaYMin = 0.0005;

double ApcaLuminance(TColor color) {
    const auto channel = [](int value) { return std::pow(value / 255.0, kMainTrc); };
    const double y = kRedY * channel(RedOf(color)) + kGreenY * channel(GreenOf(color)) +
                     kBlueY * channel(BlueOf(color));
    // Near black the screen's flare lifts what the eye sees.
    return y < kBlackThreshold ? y + std::pow(kBlackThreshold - y, kBlackClamp) : y;
}

// "Text: #336699".
std::string HexLine(std::string_view label, TColor color) {
    return std::string(label) + ": " + ColorToHashHex(color) + "\n";
}

// The colour of OKLab lightness, chroma and hue (radians), its chroma reduced until it lies in
// sRGB.
TColor OkLchColor(double lightness, double chroma, double hue) {
    const auto linear = [&](double c) {
        return OkLabToLinearSrgb({lightness, c * std::cos(hue), c * std::sin(hue)});
    };
    const auto inGamut = [](const std::array<double, 3>& rgb) {
        constexpr double kSlack = 1e-7;
        return std::ranges::all_of(rgb, [](double v) { return v >= -kSlack && v <= 1 + kSlack; });
    };
    std::array<double, 3> rgb = linear(chroma);
    if (!inGamut(rgb)) {
        double low = 0, high = chroma;
        for (int i = 0; i < 32; ++i) {
            const double mid = (low + high) / 2;
            (inGamut(linear(mid)) ? low : high) = mid;
        }
        rgb = linear(low);
    }
    return MakeColor(EncodedChannel(rgb[0]), EncodedChannel(rgb[1]), EncodedChannel(rgb[2]));
}

} // namespace

const std::array<ContrastCriterion, 5> kContrastCriteria = {{
    {"AA normal text (4.5:1)", kAaNormalText},
    {"AA large text (3:1)", 300},
    {"AAA normal text (7:1)", kAaaNormalText},
    {"AAA large text (4.5:1)", 450},
    {"Non-text (3:1)", 300},
}};

double RelativeLuminance(TColor color) {
    return 0.2126 * LinearLight(RedOf(color)) + 0.7152 * LinearLight(GreenOf(color)) +
           0.0722 * LinearLight(BlueOf(color));
}

double ContrastRatio(TColor first, TColor second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

int RatioHundredths(double ratio) {
    return static_cast<int>(std::floor(ratio * 100 + 1e-9));
}

std::string RatioText(double ratio) {
    const int hundredths = RatioHundredths(ratio);
    const int cents = hundredths % 100;
    return std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

double ApcaContrast(TColor text, TColor background) {
    const double textY = ApcaLuminance(text);
    const double backY = ApcaLuminance(background);
    if (std::fabs(backY - textY) < kDeltaYMin) {
        return 0;
    }
    if (backY > textY) {
        const double sapc = (std::pow(backY, kNormBg) - std::pow(textY, kNormText)) * kScale;
        return sapc < kLowClip ? 0 : (sapc - kLowOffset) * 100;
    }
    const double sapc = (std::pow(backY, kRevBg) - std::pow(textY, kRevText)) * kScale;
    return sapc > -kLowClip ? 0 : (sapc + kLowOffset) * 100;
}

std::string ApcaText(double lc) {
    const long tenths = std::lround(std::fabs(lc) * 10);
    const std::string digits = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    return lc < 0 && tenths != 0 ? "-" + digits : digits;
}

std::optional<TColor> FixTextColor(TColor text, TColor background, int thresholdHundredths) {
    const auto passes = [&](TColor color) {
        return Passes(ContrastRatio(color, background), thresholdHundredths);
    };
    if (passes(text)) {
        return text;
    }
    const Lab lab = SrgbToOkLab(RedOf(text), GreenOf(text), BlueOf(text));
    const double chroma = ChromaOf(lab);
    const double hue = std::atan2(lab.b, lab.a);
    const auto at = [&](double lightness) { return OkLchColor(lightness, chroma, hue); };

    // Step away from the text's lightness each way to the first passing lightness, then close in
    // on the border between it and the last failing one.
    constexpr int kSteps = 512;
    std::optional<double> best;
    for (const double direction : {-1.0, 1.0}) {
        double failing = lab.lightness;
        for (int step = 1; step <= kSteps; ++step) {
            const double lightness =
                std::clamp(lab.lightness + direction * step / kSteps, 0.0, 1.0);
            if (passes(at(lightness))) {
                double passing = lightness;
                for (int i = 0; i < 40; ++i) {
                    const double mid = (failing + passing) / 2;
                    (passes(at(mid)) ? passing : failing) = mid;
                }
                if (!best ||
                    std::fabs(passing - lab.lightness) < std::fabs(*best - lab.lightness)) {
                    best = passing;
                }
                break;
            }
            failing = lightness;
            if (lightness == 0.0 || lightness == 1.0) {
                break;
            }
        }
    }
    return best ? std::optional<TColor>(at(*best)) : std::nullopt;
}

std::string ContrastReport(TColor text, TColor background) {
    const double ratio = ContrastRatio(text, background);
    std::string report = HexLine("Text", text) + HexLine("Background", background);
    report += "Contrast ratio: " + RatioText(ratio) + ":1\n";
    for (const ContrastCriterion& criterion : kContrastCriteria) {
        report += std::string(criterion.label) + ": " +
                  (Passes(ratio, criterion.hundredths) ? "pass" : "fail") + "\n";
    }
    return report + "APCA Lc: " + ApcaText(ApcaContrast(text, background)) + "\n";
}

} // namespace twl

// Contrast figures against values worked out here in long double from the published formulas:
// WCAG 2's relative luminance and ratio, APCA-W3 0.0.98G-4g, and OKLab's published inverse
// matrices for the fixed text colours.

#include "core/contrast/contrast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace twl {
namespace {

using Real = long double;

TColor Rgb(int r, int g, int b) {
    return MakeColor(r, g, b);
}

Real Luminance(TColor c) {
    const auto lin = [](int v) {
        const Real x = v / 255.0L;
        return x <= 0.04045L ? x / 12.92L : std::pow((x + 0.055L) / 1.055L, 2.4L);
    };
    return 0.2126L * lin(RedOf(c)) + 0.7152L * lin(GreenOf(c)) + 0.0722L * lin(BlueOf(c));
}

Real Ratio(TColor a, TColor b) {
    const Real x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05L) / (std::min(x, y) + 0.05L);
}

Real Apca(TColor text, TColor back) {
    const auto y = [](TColor c) {
        const auto p = [](int v) { return std::pow(v / 255.0L, 2.4L); };
        Real v = 0.2126729L * p(RedOf(c)) + 0.7151522L * p(GreenOf(c)) + 0.0721750L * p(BlueOf(c));
        return v < 0.022L ? v + std::pow(0.022L - v, 1.414L) : v;
    };
    const Real t = y(text), b = y(back);
    if (std::fabs(b - t) < 0.0005L) {
        return 0;
    }
    if (b > t) {
        const Real s = (std::pow(b, 0.56L) - std::pow(t, 0.57L)) * 1.14L;
        return s < 0.1L ? 0 : (s - 0.027L) * 100;
    }
    const Real s = (std::pow(b, 0.65L) - std::pow(t, 0.62L)) * 1.14L;
    return s > -0.1L ? 0 : (s + 0.027L) * 100;
}

// Pairs whose ratio lies a hair either side of 3, 4.5 and 7: shown cut, they fail below.
TEST(ContrastRatio, IsCutToHundredthsAndPassesOnlyFromTheThresholdUp) {
    struct Case {
        TColor a, b;
        const char* shown;
    };
    const Case cases[] = {
        {Rgb(132, 8, 255), Rgb(123, 189, 240), "2.99"}, // 2.99999
        {Rgb(28, 251, 38), Rgb(92, 134, 72), "3.00"},   // 3.00004
        {Rgb(84, 12, 136), Rgb(136, 164, 182), "4.49"}, // 4.49984
        {Rgb(71, 77, 102), Rgb(178, 197, 154), "4.50"}, // 4.50005
        {Rgb(121, 5, 63), Rgb(111, 231, 113), "6.99"},  // 6.99968
        {Rgb(69, 50, 153), Rgb(191, 230, 179), "7.00"}, // 7.00004
        {Rgb(0, 0, 0), Rgb(255, 255, 255), "21.00"},    {Rgb(90, 90, 90), Rgb(90, 90, 90), "1.00"},
    };
    for (const Case& c : cases) {
        const Real exact = Ratio(c.a, c.b);
        const double ratio = ContrastRatio(c.b, c.a); // either order
        EXPECT_NEAR(ratio, static_cast<double>(exact), 1e-12);
        EXPECT_EQ(RatioText(ratio), c.shown) << static_cast<double>(exact);
        for (const int threshold : {300, 450, 700}) {
            EXPECT_EQ(Passes(ratio, threshold), exact * 100 >= threshold - 1e-9L)
                << c.shown << " against " << threshold;
        }
    }
}

TEST(ContrastReport, NamesThePairItsRatioEachCriterionAndLc) {
    EXPECT_EQ(ContrastReport(Rgb(0x33, 0x66, 0x99), Rgb(255, 255, 255)),
              "Text: #336699\n"
              "Background: #FFFFFF\n"
              "Contrast ratio: 5.99:1\n"
              "AA normal text (4.5:1): pass\n"
              "AA large text (3:1): pass\n"
              "AAA normal text (7:1): fail\n"
              "AAA large text (4.5:1): pass\n"
              "Non-text (3:1): pass\n"
              "APCA Lc: 79.8\n");
    // 4.49 fails both 4.5 criteria and passes both 3 ones.
    const std::string report = ContrastReport(Rgb(84, 12, 136), Rgb(136, 164, 182));
    EXPECT_NE(report.find("Contrast ratio: 4.49:1\n"
                          "AA normal text (4.5:1): fail\n"
                          "AA large text (3:1): pass\n"
                          "AAA normal text (7:1): fail\n"
                          "AAA large text (4.5:1): fail\n"
                          "Non-text (3:1): pass\n"),
              std::string::npos)
        << report;
}

TEST(ApcaContrast, FollowsThePublishedFormulaInBothPolarities) {
    const TColor pairs[][2] = {
        {Rgb(136, 136, 136), Rgb(255, 255, 255)}, // 63.056 as APCA publishes
        {Rgb(255, 255, 255), Rgb(136, 136, 136)}, // -68.541
        {Rgb(0, 0, 0), Rgb(170, 170, 170)},       // 58.146
        {Rgb(170, 170, 170), Rgb(0, 0, 0)},       // -56.241
        {Rgb(0x33, 0x66, 0x99), Rgb(255, 255, 255)}, {Rgb(255, 255, 0), Rgb(0, 0, 128)},
        {Rgb(10, 10, 10), Rgb(40, 40, 40)},  // both in the near-black clamp
        {Rgb(30, 20, 10), Rgb(100, 90, 90)}, // text clamped, background not
        {Rgb(120, 120, 120), Rgb(125, 125, 125)},    {Rgb(7, 7, 7), Rgb(7, 7, 7)},
    };
    for (const auto& pair : pairs) {
        const Real exact = Apca(pair[0], pair[1]);
        const double lc = ApcaContrast(pair[0], pair[1]);
        EXPECT_NEAR(lc, static_cast<double>(exact), 1e-9);
        const Real tenths = std::round(std::fabs(exact) * 10);
        const std::string digits = std::to_string(static_cast<long>(tenths) / 10) + "." +
                                   std::to_string(static_cast<long>(tenths) % 10);
        EXPECT_EQ(ApcaText(lc), (exact < 0 && tenths != 0 ? "-" : "") + digits);
    }
    EXPECT_NEAR(ApcaContrast(Rgb(136, 136, 136), Rgb(255, 255, 255)), 63.056469930209, 1e-6);
    EXPECT_NEAR(ApcaContrast(Rgb(170, 170, 170), Rgb(0, 0, 0)), -56.241133368397, 1e-6);
    EXPECT_EQ(ApcaText(-0.04), "0.0");
    EXPECT_EQ(ApcaText(-60.05), "-60.1");
}

// OKLab of 8-bit sRGB and back, with the published matrices.
struct OkLab {
    Real l, a, b;
};

OkLab ToOkLab(TColor c) {
    const auto lin = [](int v) {
        const Real x = v / 255.0L;
        return x <= 0.04045L ? x / 12.92L : std::pow((x + 0.055L) / 1.055L, 2.4L);
    };
    const Real r = lin(RedOf(c)), g = lin(GreenOf(c)), b = lin(BlueOf(c));
    const Real l = std::cbrt(0.4122214708L * r + 0.5363325363L * g + 0.0514459929L * b);
    const Real m = std::cbrt(0.2119034982L * r + 0.6806995451L * g + 0.1073969566L * b);
    const Real s = std::cbrt(0.0883024619L * r + 0.2817188376L * g + 0.6299787005L * b);
    return {0.2104542553L * l + 0.7936177850L * m - 0.0040720468L * s,
            1.9779984951L * l - 2.4285922050L * m + 0.4505937099L * s,
            0.0259040371L * l + 0.7827717662L * m - 0.8086757660L * s};
}

TEST(FixTextColor, GivesThePassingLightnessNearestTheTextsOfItsHue) {
    struct Case {
        TColor text, back;
        int threshold;
    };
    const Case cases[] = {
        {Rgb(0x33, 0x66, 0x99), Rgb(255, 255, 255), 700}, // darker
        {Rgb(255, 0, 0), Rgb(255, 255, 255), 450},        // darker, chroma kept
        {Rgb(80, 80, 200), Rgb(0, 0, 0), 700},            // lighter: chroma must give way
        {Rgb(153, 153, 153), Rgb(255, 255, 255), 450},
        {Rgb(120, 60, 30), Rgb(119, 119, 119), 450}, // only black is far enough
    };
    for (const Case& c : cases) {
        const auto fix = FixTextColor(c.text, c.back, c.threshold);
        ASSERT_TRUE(fix.has_value());
        EXPECT_GE(std::floor(Ratio(*fix, c.back) * 100 + 1e-9L), c.threshold);
        const OkLab from = ToOkLab(c.text), to = ToOkLab(*fix);
        // The same hue where the fix keeps any colour.
        if (std::hypot(to.a, to.b) > 0.03L) {
            EXPECT_NEAR(std::atan2(to.b, to.a), std::atan2(from.b, from.a), 0.05L);
        }
        // Nothing of the hue a little nearer the text's lightness passes: the one channel step
        // towards the text from the fix fails.
        const int step = to.l < from.l ? 1 : -1;
        const TColor nearer =
            Rgb(std::clamp(RedOf(*fix) + step, 0, 255), std::clamp(GreenOf(*fix) + step, 0, 255),
                std::clamp(BlueOf(*fix) + step, 0, 255));
        EXPECT_LT(std::floor(Ratio(nearer, c.back) * 100 + 1e-9L), c.threshold) << std::hex << *fix;
    }
    // A passing text is its own fix.
    EXPECT_EQ(FixTextColor(Rgb(0, 0, 0), Rgb(255, 255, 255), 700), Rgb(0, 0, 0));
    // Neither white (4.48) nor black (4.69) reaches 7 on #777777.
    EXPECT_FALSE(FixTextColor(Rgb(0x77, 0x77, 0x77), Rgb(0x77, 0x77, 0x77), 700).has_value());
    // AA is reached by the lightest grey that is dark enough, not by black.
    EXPECT_EQ(FixTextColor(Rgb(0x77, 0x77, 0x77), Rgb(0x77, 0x77, 0x77), 450), Rgb(6, 6, 6));
}

} // namespace
} // namespace twl

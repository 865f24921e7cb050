// The colour-vision simulations: what every dichromat model must keep (greys, its own results,
// the colours on its plane) and the figures the published sRGB matrices give for the primaries
// (Viénot 1999 and Brettel 1997 as libDaltonLens works them out for sRGB; the cone model differs
// a little, so to within 0.015).

#include "core/contrast/color_vision.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace twl {
namespace {

using Linear = std::array<double, 3>;

constexpr ColorVision kDichromacies[] = {ColorVision::Protanopia, ColorVision::Deuteranopia,
                                         ColorVision::Tritanopia};

void ExpectNear(const Linear& got, const Linear& want, double tolerance) {
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(got[i], want[i], tolerance) << "channel " << i;
    }
}

TEST(ColorVision, GreysStayGreyAndASimulationOfASimulationChangesNothing) {
    for (const ColorVision vision : kDichromacies) {
        for (const int grey : {0, 1, 37, 128, 200, 255}) {
            EXPECT_EQ(SimulateColorVision(MakeColor(grey, grey, grey), vision),
                      MakeColor(grey, grey, grey));
        }
        for (double r = 0; r <= 1; r += 0.125) {
            for (double g = 0; g <= 1; g += 0.125) {
                for (double b = 0; b <= 1; b += 0.125) {
                    const Linear once = SimulateLinear({r, g, b}, vision);
                    ExpectNear(SimulateLinear(once, vision), once, 1e-12);
                }
            }
        }
    }
    EXPECT_EQ(SimulateColorVision(MakeColor(12, 200, 99), ColorVision::Normal),
              MakeColor(12, 200, 99));
}

TEST(ColorVision, DichromatsSeeThePrimariesAsThePublishedMatricesSay) {
    struct Case {
        ColorVision vision;
        Linear in, out;
    };
    const Case cases[] = {
        // Protanopes and deuteranopes see red and green on the plane through white and blue,
        // where red and green are equal; blue and yellow stay as they are.
        {ColorVision::Protanopia, {1, 0, 0}, {0.11238, 0.11238, 0.00401}},
        {ColorVision::Protanopia, {0, 1, 0}, {0.88762, 0.88762, -0.00401}},
        {ColorVision::Protanopia, {0, 0, 1}, {0, 0, 1}},
        {ColorVision::Deuteranopia, {1, 0, 0}, {0.29275, 0.29275, -0.02234}},
        {ColorVision::Deuteranopia, {0, 1, 0}, {0.70725, 0.70725, 0.02234}},
        {ColorVision::Deuteranopia, {1, 1, 0}, {1, 1, 0}},
        // Tritanopes: red on the 485 nm half-plane, green and blue on the 660 nm one.
        {ColorVision::Tritanopia, {1, 0, 0}, {1.01277, -0.01243, 0.07589}},
        {ColorVision::Tritanopia, {0, 1, 0}, {0.18979, 0.81526, 1.12767}},
        {ColorVision::Tritanopia, {0, 0, 1}, {-0.12657, 0.12320, 0.24796}},
        // Achromats see the relative luminance.
        {ColorVision::Achromatopsia, {1, 0, 0}, {0.2126, 0.2126, 0.2126}},
        {ColorVision::Achromatopsia, {0.5, 0.25, 1}, {0.3573, 0.3573, 0.3573}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ColorVisionName(c.vision)));
        ExpectNear(SimulateLinear(c.in, c.vision), c.out, 0.015);
    }
    // Stored numbers outside the five read as normal vision.
    EXPECT_EQ(ColorVisionOf(3), ColorVision::Tritanopia);
    EXPECT_EQ(ColorVisionOf(5), ColorVision::Normal);
    EXPECT_EQ(ColorVisionOf(-1), ColorVision::Normal);
}

} // namespace
} // namespace twl

#include "core/color/color_adjust.h"

#include "core/color/color_convert.h"

#include <gtest/gtest.h>

#include <climits>

namespace twl {
namespace {

TEST(ColorAdjustStep, LightenAndDarkenByFive) {
    const TColor color = MakeColor(200, 100, 50);
    EXPECT_EQ(LightenColor(color, 5), ColorToText(MakeColor(208, 114, 67)));
    EXPECT_EQ(DarkenColor(color, 5), ColorToText(MakeColor(180, 90, 45)));
}

TEST(ColorAdjustStep, HueThatRoundsToAFullTurnStaysRed) {
    const TColor nearlyRed = MakeColor(255, 0, 1);
    const TColor lighter = TextToColor(LightenColor(nearlyRed, 5));
    EXPECT_NE(lighter, 0);
    EXPECT_EQ(RedOf(lighter), 255);
    EXPECT_EQ(GreenOf(lighter), BlueOf(lighter));
    EXPECT_GT(GreenOf(lighter), 0);
    EXPECT_EQ(DarkenColor(nearlyRed, 5), ColorToText(HslToRgb(0, 100, 45)));
    EXPECT_EQ(SaturateColor(nearlyRed, 5), "clRed");
}

TEST(ColorAdjustStep, ClampsAtTheEnds) {
    EXPECT_EQ(LightenColor(MakeColor(250, 250, 250), 5), "clWhite");
    EXPECT_EQ(DarkenColor(MakeColor(5, 5, 5), 5), "clBlack");
    EXPECT_EQ(SaturateColor(MakeColor(255, 0, 0), 5), "clRed");
    EXPECT_EQ(DesaturateColor(MakeColor(255, 0, 0), 100), ColorToText(MakeColor(128, 128, 128)));
    EXPECT_EQ(DesaturateColor(MakeColor(128, 128, 128), 5), ColorToText(MakeColor(128, 128, 128)));
}

TEST(ColorAdjustStep, SaturatingAGreyTintsItRed) {
    // Grey 128: hue 0, saturation 0 -> 5 blends 5% of the way from grey to pure red.
    EXPECT_EQ(SaturateColor(MakeColor(128, 128, 128), 5), ColorToText(HslToRgb(0, 5, 50)));
    const TColor tinted = HslToRgb(0, 5, 50);
    EXPECT_GT(RedOf(tinted), GreenOf(tinted));
    EXPECT_EQ(GreenOf(tinted), BlueOf(tinted));
}

TEST(ColorAdjustStep, HugeStepsDoNotOverflow) {
    const TColor color = MakeColor(200, 100, 50);
    EXPECT_EQ(LightenColor(color, INT_MAX), "clWhite");
    EXPECT_EQ(DarkenColor(color, INT_MAX), "clBlack");
    // Only the side a step moves towards is clamped; overshooting the other end is out of range.
    EXPECT_EQ(DarkenColor(color, INT_MIN), "clBlack");
    EXPECT_EQ(LightenColor(color, INT_MIN), "clBlack");
    EXPECT_NO_THROW(SaturateColor(color, INT_MIN));
    EXPECT_NO_THROW(DesaturateColor(color, INT_MIN));
}

TEST(ColorAdjustLightness, ReplacesLightnessKeepingHueAndSaturation) {
    const TColor color = MakeColor(200, 100, 50);
    EXPECT_EQ(WithLightness(color, 54), MakeColor(208, 114, 67));
    EXPECT_EQ(WithLightness(color, 100), 0xFFFFFF);
    EXPECT_EQ(WithLightness(color, 0), 0x000000);
    EXPECT_EQ(WithLightness(MakeColor(255, 0, 1), 50), MakeColor(255, 0, 0));
    EXPECT_EQ(WithLightness(color, 101), 0);
}

TEST(ColorAdjustContrast, PicksBlackOnLightAndWhiteOnDark) {
    EXPECT_EQ(ContrastTextColor(MakeColor(255, 255, 0)), 0x000000);
    EXPECT_EQ(ContrastTextColor(MakeColor(255, 0, 0)), 0xFFFFFF);
    EXPECT_EQ(ContrastTextColor(MakeColor(0, 0, 255)), 0xFFFFFF);
    EXPECT_EQ(ContrastTextColor(MakeColor(128, 128, 128)), 0x000000);
    EXPECT_EQ(ContrastTextColor(MakeColor(127, 128, 128)), 0xFFFFFF);
}

TEST(ColorAdjustWebSafe, RecognisesMultiplesOfFiftyOne) {
    EXPECT_TRUE(IsWebSafe(MakeColor(0, 51, 102)));
    EXPECT_TRUE(IsWebSafe(MakeColor(153, 204, 255)));
    EXPECT_FALSE(IsWebSafe(MakeColor(0, 51, 100)));
    EXPECT_FALSE(IsWebSafe(MakeColor(1, 0, 0)));
}

TEST(ColorAdjustWebSafe, SnapsEachChannelToTheNearestStep) {
    const int cases[][2] = {{0, 0},     {25, 0},    {26, 51},   {76, 51},   {77, 102},  {127, 102},
                            {128, 153}, {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(SnapToWebSafe(MakeColor(c[0], 0, 0)), MakeColor(c[1], 0, 0)) << c[0];
        EXPECT_EQ(SnapToWebSafe(MakeColor(0, c[0], 0)), MakeColor(0, c[1], 0)) << c[0];
        EXPECT_EQ(SnapToWebSafe(MakeColor(0, 0, c[0])), MakeColor(0, 0, c[1])) << c[0];
    }
    for (int v = 0; v < 256; ++v)
        EXPECT_TRUE(IsWebSafe(SnapToWebSafe(MakeColor(v, 255 - v, v / 2)))) << v;
}

} // namespace
} // namespace twl

#include "core/sampling/color_sampler.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/sampling/magnifier_state.h"

#include <gtest/gtest.h>

#include <climits>

namespace twl {
namespace {

const Rect kDesktop{0, 0, 1920, 1080};

std::uint32_t Rgb(int red, int green, int blue) {
    return (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
           static_cast<std::uint32_t>(blue);
}

// A screen of one colour with a few pixels set apart.
PixelImage FlatScreen(std::uint32_t color, int width = 40, int height = 30) {
    PixelImage screen;
    screen.Resize(width, height);
    std::fill(screen.pixels.begin(), screen.pixels.end(), color);
    return screen;
}

void Set(PixelImage& screen, int x, int y, std::uint32_t color) {
    screen.pixels[static_cast<std::size_t>(y * screen.width + x)] = color;
}

std::optional<TColor> Sample(const PixelImage& screen, Point point, int mode) {
    SourceBlock block;
    ReadSourceBlock(screen, {0, 0}, SamplerRect(point, mode), block);
    return SampleColor(block, point, mode);
}

TEST(ColorSampling, SinglePixelIsTheColourAsRead) {
    PixelImage screen = FlatScreen(Rgb(1, 2, 3));
    Set(screen, 5, 6, Rgb(200, 100, 50) | 0xFF000000u); // a stray alpha byte is dropped
    EXPECT_EQ(Sample(screen, {5, 6}, 0), MakeColor(200, 100, 50));
}

TEST(ColorSampling, MeansAreTruncated) {
    PixelImage screen = FlatScreen(Rgb(10, 20, 30));
    Set(screen, 10, 10, Rgb(11, 20, 30));
    EXPECT_EQ(Sample(screen, {10, 10}, 1), MakeColor(10, 20, 30)); // 10.11 -> 10

    Set(screen, 9, 9, Rgb(18, 28, 38));
    // red 7*10 + 11 + 18 = 99 -> 11; green 7*20 + 20 + 28 = 188 -> 20.9; blue 278 -> 30.9
    EXPECT_EQ(Sample(screen, {10, 10}, 1), MakeColor(11, 20, 30));

    PixelImage wide = FlatScreen(Rgb(0, 0, 0));
    Set(wide, 12, 12, Rgb(24, 49, 255));
    EXPECT_EQ(Sample(wide, {10, 10}, 2), MakeColor(0, 1, 10)); // /25: 0.96, 1.96, 10.2
    EXPECT_EQ(Sample(wide, {10, 10}, 1), MakeColor(0, 0, 0));  // (12, 12) is outside 3x3
}

TEST(ColorSampling, PixelsOutsideTheScreenCountAsWhite) {
    const PixelImage screen = FlatScreen(Rgb(10, 20, 30));
    // Corner 5x5: nine pixels on the screen, sixteen outside.
    EXPECT_EQ(
        Sample(screen, {0, 0}, 2),
        MakeColor((9 * 10 + 16 * 255) / 25, (9 * 20 + 16 * 255) / 25, (9 * 30 + 16 * 255) / 25));
    // Bottom-right 3x3: four on the screen.
    EXPECT_EQ(Sample(screen, {39, 29}, 1),
              MakeColor((4 * 10 + 5 * 255) / 9, (4 * 20 + 5 * 255) / 9, (4 * 30 + 5 * 255) / 9));
    EXPECT_EQ(Sample(screen, {-3, 4}, 0), MakeColor(255, 255, 255));
}

TEST(ColorSampling, OtherModesReadNothing) {
    const PixelImage screen = FlatScreen(Rgb(10, 20, 30));
    for (int mode : {3, 255, -1, INT_MAX})
        EXPECT_EQ(Sample(screen, {5, 5}, mode), std::nullopt) << mode;
}

TEST(SourceBlockReading, MarksWhatLiesBeyondTheScreen) {
    const PixelImage screen = FlatScreen(Rgb(10, 20, 30), 4, 3);
    SourceBlock block;
    ReadSourceBlock(screen, {0, 0}, {-1, 1, 6, 3}, block);
    ASSERT_EQ(block.pixels.size(), 18u);
    EXPECT_EQ(block.At(-1, 1), kOutsidePixel);
    EXPECT_EQ(block.At(0, 1), Rgb(10, 20, 30));
    EXPECT_EQ(block.At(3, 2), Rgb(10, 20, 30));
    EXPECT_EQ(block.At(4, 2), kOutsidePixel);
    EXPECT_EQ(block.At(0, 3), kOutsidePixel);
    EXPECT_EQ(block.At(0, 0), kOutsidePixel); // not in the block at all

    ReadSourceBlock(screen, {0, 0}, {100, 100, 2, 2}, block);
    EXPECT_EQ(block.At(100, 100), kOutsidePixel);
    ReadSourceBlock(screen, {0, 0}, {0, 0, -4, 2}, block);
    EXPECT_TRUE(block.pixels.empty());
}

TEST(SourceBlockReading, ScreenMayStartAwayFromTheOrigin) {
    PixelImage screen = FlatScreen(Rgb(1, 1, 1), 4, 4);
    Set(screen, 0, 0, Rgb(9, 9, 9));
    SourceBlock block;
    ReadSourceBlock(screen, {-10, 5}, {-11, 4, 3, 3}, block);
    EXPECT_EQ(block.At(-10, 5), Rgb(9, 9, 9));
    EXPECT_EQ(block.At(-11, 5), kOutsidePixel);
    EXPECT_EQ(block.At(-9, 6), Rgb(1, 1, 1));
}

struct NudgeCase {
    Point from;
    NudgeDirection direction;
    int amount;
    bool moves;
    Point to;
};

TEST(MagnifierNudge, OnlyAPointAlreadyOnTheEdgeIsHeld) {
    const NudgeCase cases[] = {
        {{3, 50}, NudgeDirection::Left, 1, true, {2, 50}},
        {{2, 50}, NudgeDirection::Left, 5, true, {-3, 50}},
        {{3, 50}, NudgeDirection::Left, 5, true, {-2, 50}},
        {{0, 50}, NudgeDirection::Left, 1, false, {0, 50}},
        {{-3, 50}, NudgeDirection::Left, 5, false, {-3, 50}},
        {{1918, 50}, NudgeDirection::Right, 5, true, {1923, 50}},
        {{1919, 50}, NudgeDirection::Right, 1, false, {1919, 50}},
        {{5, 0}, NudgeDirection::Up, 1, false, {5, 0}},
        {{5, 1}, NudgeDirection::Up, 5, true, {5, -4}},
        {{5, 1079}, NudgeDirection::Down, 1, false, {5, 1079}},
        {{5, 1070}, NudgeDirection::Down, 255, true, {5, 1325}},
        {{5, 5}, NudgeDirection::None, 5, false, {5, 5}},
        {{5, 5}, static_cast<NudgeDirection>(9), 5, false, {5, 5}},
    };
    for (const NudgeCase& nudge : cases) {
        Point point = nudge.from;
        EXPECT_EQ(
            NudgePoint(point, nudge.direction, static_cast<std::uint8_t>(nudge.amount), kDesktop),
            nudge.moves)
            << nudge.from.x << "," << nudge.from.y;
        EXPECT_EQ(point, nudge.to) << nudge.from.x << "," << nudge.from.y;
    }
}

TEST(MagnifierNudge, ShiftLeftAtThreeMovesOneThenFive) {
    Point point{3, 10};
    EXPECT_TRUE(NudgePoint(point, NudgeDirection::Left, 1, kDesktop));
    EXPECT_EQ(point.x, 2);
    EXPECT_TRUE(NudgePoint(point, NudgeDirection::Left, 5, kDesktop));
    EXPECT_EQ(point.x, -3);
}

TEST(MagnifierZoom, StepsStopAtTheEndsAndIgnoreStrangeLevels) {
    EXPECT_EQ(ZoomInFrom(1), 2);
    EXPECT_EQ(ZoomInFrom(3), 4);
    EXPECT_EQ(ZoomInFrom(4), std::nullopt);
    EXPECT_EQ(ZoomInFrom(0), std::nullopt);
    EXPECT_EQ(ZoomInFrom(7), std::nullopt);
    EXPECT_EQ(ZoomOutFrom(4), 3);
    EXPECT_EQ(ZoomOutFrom(2), 1);
    EXPECT_EQ(ZoomOutFrom(1), std::nullopt);
    EXPECT_EQ(ZoomOutFrom(7), std::nullopt);
    EXPECT_EQ(ZoomOutFrom(INT_MIN), std::nullopt);
}

TEST(MagnifierSize, ImageSides) {
    EXPECT_EQ(MagnifierImageSide(0), 145);
    EXPECT_EQ(MagnifierImageSide(1), 289);
    EXPECT_EQ(MagnifierImageSide(2), std::nullopt);
}

} // namespace
} // namespace twl

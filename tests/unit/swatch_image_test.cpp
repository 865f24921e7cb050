#include "core/export/swatch_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace twl {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kGrey = 0xFF808080u;

TEST(SwatchImage, ThreeColoursSitSideBySideWithWhiteGaps) {
    const std::vector<TColor> colors{MakeColor(255, 0, 0), MakeColor(0x12, 0x34, 0x56),
                                     MakeColor(0, 0, 255)};
    const PixelImage image = DrawSwatchImage(colors);
    EXPECT_EQ(image.width, 109);
    EXPECT_EQ(image.height, 50);
    EXPECT_EQ(image.At(36, 20), kWhite);
    EXPECT_EQ(image.At(72, 20), kWhite);
    EXPECT_EQ(image.At(37, 20), kGrey);
    EXPECT_EQ(image.At(38, 20), 0xFF123456u);
    EXPECT_EQ(image.At(20, 20), 0xFFFF0000u);
    EXPECT_EQ(image.At(90, 20), 0xFF0000FFu);
    EXPECT_EQ(image.At(107, 20), kGrey);
    EXPECT_EQ(image.At(108, 20), kWhite);
}

TEST(SwatchImage, SingleSwatchHasItsOutlineFillAndGaps) {
    const TColor color = MakeColor(0xFF, 0x80, 0x00);
    const PixelImage image = DrawSwatchImage(std::vector<TColor>{color});
    ASSERT_EQ(image.width, 37);
    ASSERT_EQ(image.height, 50);
    struct Probe {
        int x, y;
        std::uint32_t pixel;
    };
    const Probe probes[] = {// Outline: columns 1 and 35, rows 1 and 36.
                            {1, 1, kGrey},
                            {1, 18, kGrey},
                            {35, 18, kGrey},
                            {18, 1, kGrey},
                            {18, 36, kGrey},
                            {35, 36, kGrey},
                            {1, 36, kGrey},
                            {35, 1, kGrey},
                            // Fill: columns 2 to 34, rows 2 to 35.
                            {2, 2, 0xFFFF8000u},
                            {34, 35, 0xFFFF8000u},
                            {2, 35, 0xFFFF8000u},
                            {34, 2, 0xFFFF8000u},
                            // White: column 0, row 0, column 36, rows 37 and 38.
                            {0, 0, kWhite},
                            {0, 18, kWhite},
                            {18, 0, kWhite},
                            {36, 18, kWhite},
                            {36, 1, kWhite},
                            {18, 37, kWhite},
                            {1, 38, kWhite},
                            {35, 38, kWhite}};
    for (const Probe& p : probes) {
        EXPECT_EQ(image.At(p.x, p.y), p.pixel) << "at (" << p.x << ", " << p.y << ")";
    }
    // Below the square only the label is drawn, by whoever writes the text.
    for (int y = 37; y < 50; ++y) {
        for (int x = 0; x < 37; ++x) {
            ASSERT_EQ(image.At(x, y), kWhite) << "at (" << x << ", " << y << ")";
        }
    }
}

TEST(SwatchImage, AWhiteColourStillShowsItsOutline) {
    const PixelImage image = DrawSwatchImage(std::vector<TColor>{MakeColor(255, 255, 255)});
    EXPECT_EQ(image.At(1, 10), kGrey);
    EXPECT_EQ(image.At(10, 10), kWhite);
}

TEST(SwatchImage, NoColoursGiveOneWhiteColumn) {
    const PixelImage image = DrawSwatchImage({});
    EXPECT_EQ(image.width, 1);
    EXPECT_EQ(image.height, 50);
    EXPECT_EQ(image.pixels, std::vector<std::uint32_t>(50, kWhite));
}

TEST(SwatchImage, LabelsStartUnderEachSquare) {
    EXPECT_EQ(SwatchLabelOrigin(0), (Point{1, 39}));
    EXPECT_EQ(SwatchLabelOrigin(2), (Point{73, 39}));
}

} // namespace
} // namespace twl

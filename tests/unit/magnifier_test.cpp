#include "core/sampling/eye_dropper_settings.h"
#include "core/sampling/magnifier_drawing.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace twl {
namespace {

constexpr int kNormal = 145;
constexpr int kBig = 289;
const Rect kDesktop{0, 0, 400, 300};

// Never black, white or silver, and different for neighbouring pixels.
std::uint32_t ScreenPixel(int x, int y) {
    return (static_cast<std::uint32_t>(x % 256) << 16) |
           (static_cast<std::uint32_t>(y % 256) << 8) | 0x40u;
}

PixelImage MakeScreen() {
    PixelImage screen;
    screen.Resize(kDesktop.width, kDesktop.height);
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x)
            screen.pixels[static_cast<std::size_t>(y * screen.width + x)] = ScreenPixel(x, y);
    return screen;
}

// Reads what a tick reads around the state's point and draws a square picture.
PixelImage Draw(MagnifierState& state, int side) {
    static const PixelImage screen = MakeScreen();
    SourceBlock block;
    ReadSourceBlock(screen, {0, 0},
                    TickRegion(state.currentPoint, side, side, state.zoomLevel, state.samplingMode),
                    block);
    PixelImage image;
    DrawMagnifiedImage(state, block, kDesktop, side, side, image);
    return image;
}

MagnifierState Plain(Point point, int zoomLevel) {
    MagnifierState state;
    state.currentPoint = point;
    state.zoomLevel = zoomLevel;
    state.showGrid = false;
    state.samplingMode = 7; // no frame
    return state;
}

TEST(EyeDropperSettings, TheMagnifierGoesIntoTheSettingsAndComesBackUnchanged) {
    Settings settings;
    settings.zoomLevel = 3;
    settings.samplingMode = 2;
    settings.magnifierSize = 0;
    settings.showGrid = false;
    const MagnifierState state = MagnifierStateFromSettings(settings);
    EXPECT_EQ(state.zoomLevel, 3);
    EXPECT_EQ(state.samplingMode, 2);
    EXPECT_EQ(state.magnifierSize, 0);
    EXPECT_FALSE(state.showGrid);

    Settings saved;
    StoreEyeDropperState(saved, Point{-40, 75}, MakeColor(1, 2, 3), state);
    EXPECT_EQ(saved.eyeLeft, -40);
    EXPECT_EQ(saved.eyeTop, 75);
    EXPECT_EQ(saved.lastEyeColor, MakeColor(1, 2, 3));
    saved.eyeLeft = settings.eyeLeft;
    saved.eyeTop = settings.eyeTop;
    saved.lastEyeColor = settings.lastEyeColor;
    EXPECT_EQ(saved, settings);
}

TEST(MagnifierGeometry, StepHalfExtentAndCentreForBothSizes) {
    struct Row {
        int side, zoom, step, half, center;
    };
    const Row rows[] = {
        {kNormal, 1, 2, 36, 36}, {kNormal, 2, 4, 18, 18}, {kNormal, 3, 6, 12, 12},
        {kNormal, 4, 8, 9, 9},   {kBig, 1, 2, 72, 72},    {kBig, 2, 4, 36, 36},
        {kBig, 3, 6, 24, 24},    {kBig, 4, 8, 18, 18},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.side << " at zoom " << row.zoom);
        const MagnifierGeometry geometry = ComputeMagnifierGeometry(row.side, row.side, row.zoom);
        EXPECT_EQ(geometry.step, row.step);
        EXPECT_EQ(geometry.halfWidth, row.half);
        EXPECT_EQ(geometry.halfHeight, row.half);
        EXPECT_EQ(geometry.center, row.center);
    }
}

TEST(MagnifierGeometry, HalfExtentsRoundHalvesToEven) {
    EXPECT_EQ(ComputeMagnifierGeometry(150, 150, 1).halfWidth, 38); // 37.5
    EXPECT_EQ(ComputeMagnifierGeometry(146, 146, 1).halfWidth, 36); // 36.5
    EXPECT_EQ(ComputeMagnifierGeometry(20, 36, 2).halfWidth, 2);    // 2.5
    EXPECT_EQ(ComputeMagnifierGeometry(20, 36, 2).halfHeight, 4);   // 4.5
}

TEST(MagnifierGeometry, TickRegionCoversMagnifierAndSample) {
    EXPECT_EQ(TickRegion({50, 60}, kNormal, kNormal, 1, 2), (Rect{14, 24, 72, 72}));
    // A zoom so large that the source is 2 x 2: the 5x5 sample still gets its pixels.
    EXPECT_EQ(TickRegion({50, 60}, kNormal, kNormal, 40, 2), (Rect{48, 58, 5, 5}));
    EXPECT_EQ(TickRegion({50, 60}, kNormal, kNormal, 1000, 9), (Rect{}));
    EXPECT_EQ(TickRegion({50, 60}, kNormal, kNormal, 1000, 0), (Rect{50, 60, 1, 1}));
}

TEST(MagnifierDrawing, ReplicatesEachScreenPixelIntoOneCell) {
    MagnifierState state = Plain({100, 120}, 2);
    const PixelImage image = Draw(state, kNormal);
    ASSERT_EQ(image.width, kNormal);
    ASSERT_EQ(image.height, kNormal);
    for (int y = 0; y < kNormal; ++y)
        for (int x = 0; x < kNormal; ++x) {
            const int column = std::min(x / 4, 35);
            const int row = std::min(y / 4, 35);
            ASSERT_EQ(image.At(x, y), ScreenPixel(82 + column, 102 + row) | 0xFF000000u)
                << x << "," << y;
        }
    // The pointer's pixel is in the centre cell 18.
    EXPECT_EQ(image.At(18 * 4, 18 * 4), ScreenPixel(100, 120) | 0xFF000000u);
}

TEST(MagnifierDrawing, NoGridAtTwiceEvenWhenShown) {
    MagnifierState state = Plain({100, 120}, 1);
    state.showGrid = true;
    const PixelImage image = Draw(state, kBig);
    for (std::uint32_t pixel : image.pixels)
        ASSERT_NE(pixel, kImageBlack);
}

TEST(MagnifierDrawing, GridLinesFallOnEveryStepUpToTheLastCell) {
    struct Row {
        int side, zoom, lines;
    };
    for (const Row& row : {Row{kNormal, 2, 37}, Row{kBig, 2, 73}, Row{kNormal, 4, 19}}) {
        SCOPED_TRACE(testing::Message() << row.side << " at zoom " << row.zoom);
        MagnifierState state = Plain({100, 120}, row.zoom);
        state.showGrid = true;
        const PixelImage image = Draw(state, row.side);
        const int step = 2 * row.zoom;
        int blackRows = 0;
        int blackColumns = 0;
        for (int i = 0; i < row.side; ++i) {
            bool rowBlack = true;
            bool columnBlack = true;
            for (int j = 0; j < row.side; ++j) {
                rowBlack = rowBlack && image.At(j, i) == kImageBlack;
                columnBlack = columnBlack && image.At(i, j) == kImageBlack;
            }
            EXPECT_EQ(rowBlack, i % step == 0) << "row " << i;
            EXPECT_EQ(columnBlack, i % step == 0) << "column " << i;
            blackRows += rowBlack;
            blackColumns += columnBlack;
        }
        EXPECT_EQ(blackRows, row.lines);
        EXPECT_EQ(blackColumns, row.lines);
    }
}

bool ColumnsSilver(const PixelImage& image, int from, int to) {
    for (int y = 0; y < image.height; ++y)
        for (int x = from; x <= to; ++x)
            if (image.At(x, y) != kImageSilver)
                return false;
    return true;
}

bool RowsSilver(const PixelImage& image, int from, int to) {
    for (int y = from; y <= to; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) != kImageSilver)
                return false;
    return true;
}

TEST(MagnifierDrawing, SilverCoversWhatLiesBeyondTheLeftAndTopEdges) {
    MagnifierState left = Plain({0, 150}, 1);
    PixelImage image = Draw(left, kNormal);
    EXPECT_TRUE(ColumnsSilver(image, 0, 71));
    EXPECT_EQ(image.At(72, 72), ScreenPixel(0, 150) | 0xFF000000u);

    MagnifierState top = Plain({200, 0}, 1);
    image = Draw(top, kNormal);
    EXPECT_TRUE(RowsSilver(image, 0, 71));
    EXPECT_EQ(image.At(72, 72), ScreenPixel(200, 0) | 0xFF000000u);

    MagnifierState corner = Plain({0, 0}, 1);
    image = Draw(corner, kNormal);
    EXPECT_TRUE(ColumnsSilver(image, 0, 71));
    EXPECT_TRUE(RowsSilver(image, 0, 71));
    EXPECT_EQ(image.At(72, 72), ScreenPixel(0, 0) | 0xFF000000u);
    EXPECT_EQ(image.At(144, 144), ScreenPixel(35, 35) | 0xFF000000u);
}

TEST(MagnifierDrawing, SilverCoversWhatLiesBeyondTheRightAndBottomEdges) {
    MagnifierState right = Plain({399, 150}, 2);
    PixelImage image = Draw(right, kNormal);
    EXPECT_TRUE(ColumnsSilver(image, 77, 144));
    EXPECT_EQ(image.At(75, 10), ScreenPixel(399, 134) | 0xFF000000u);

    MagnifierState bottom = Plain({200, 299}, 2);
    image = Draw(bottom, kNormal);
    EXPECT_TRUE(RowsSilver(image, 77, 144));
    EXPECT_EQ(image.At(10, 75), ScreenPixel(184, 299) | 0xFF000000u);

    // With the grid the lines are drawn over the silver.
    right.showGrid = true;
    image = Draw(right, kNormal);
    EXPECT_EQ(image.At(80, 10), kImageBlack);
    EXPECT_EQ(image.At(81, 10), kImageSilver);
    EXPECT_EQ(image.At(143, 143), kImageSilver);
}

TEST(MagnifierDrawing, PixelsPastTheEdgeNotCoveredBySilverFillsAreSilverToo) {
    MagnifierState state = Plain({3, 150}, 1);
    ASSERT_TRUE(NudgePoint(state.currentPoint, NudgeDirection::Left, 5, kDesktop));
    ASSERT_EQ(state.currentPoint.x, -2);
    const PixelImage image = Draw(state, kNormal);
    EXPECT_TRUE(ColumnsSilver(image, 0, 75)); // 0..71 filled, 72..75 show x = -2 and -1
    EXPECT_EQ(image.At(76, 72), ScreenPixel(0, 150) | 0xFF000000u);
}

struct FrameCase {
    int side, zoom, mode, blackFirst, blackLast;
};

TEST(MagnifierDrawing, SampleFrameIsBlackOutsideWhiteInside) {
    const FrameCase cases[] = {
        {kNormal, 4, 2, 54, 98}, // c = 9, A = 56, B = 96
        {kNormal, 4, 1, 62, 90}, // A = 64, B = 88
        {kNormal, 4, 0, 70, 82}, // A = 72, B = 80
        {kBig, 1, 1, 140, 150},  // c = 72, A = 142, B = 148
        {kBig, 2, 2, 134, 158},  // c = 36, A = 136, B = 156
    };
    for (const FrameCase& frame : cases) {
        SCOPED_TRACE(testing::Message()
                     << frame.side << " zoom " << frame.zoom << " mode " << frame.mode);
        MagnifierState state = Plain({100, 120}, frame.zoom);
        state.samplingMode = static_cast<std::uint8_t>(frame.mode);
        const PixelImage image = Draw(state, frame.side);
        const int b0 = frame.blackFirst;
        const int b1 = frame.blackLast;
        for (int i = b0; i <= b1; ++i) {
            EXPECT_EQ(image.At(i, b0), kImageBlack);
            EXPECT_EQ(image.At(i, b1), kImageBlack);
            EXPECT_EQ(image.At(b0, i), kImageBlack);
            EXPECT_EQ(image.At(b1, i), kImageBlack);
        }
        for (int i = b0 + 1; i <= b1 - 1; ++i) {
            EXPECT_EQ(image.At(i, b0 + 1), kImageWhite);
            EXPECT_EQ(image.At(i, b1 - 1), kImageWhite);
            EXPECT_EQ(image.At(b0 + 1, i), kImageWhite);
            EXPECT_EQ(image.At(b1 - 1, i), kImageWhite);
        }
        // Just outside and just inside the frame the picture shows.
        EXPECT_NE(image.At(b0 - 1, b0 - 1), kImageBlack);
        EXPECT_NE(image.At(b1 + 1, b1 + 1), kImageBlack);
        EXPECT_NE(image.At(b0 + 2, b0 + 2), kImageWhite);
        EXPECT_NE(image.At(b0 + 2, b0 + 2), kImageBlack);
    }
}

TEST(MagnifierDrawing, NoFrameForAModeThatDoesNotSample) {
    MagnifierState state = Plain({100, 120}, 4);
    state.samplingMode = 3;
    const PixelImage image = Draw(state, kNormal);
    for (std::uint32_t pixel : image.pixels) {
        ASSERT_NE(pixel, kImageBlack);
        ASSERT_NE(pixel, kImageWhite);
    }
}

TEST(MagnifierDrawing, ZoomOfZeroOrLessIsRepairedToOne) {
    for (int zoom : {0, -1, INT_MIN}) {
        MagnifierState state = Plain({100, 120}, zoom);
        state.showGrid = true;
        const PixelImage image = Draw(state, kNormal);
        EXPECT_EQ(state.zoomLevel, 1);
        EXPECT_EQ(image.At(72, 72), ScreenPixel(100, 120) | 0xFF000000u);
        EXPECT_NE(image.At(0, 0), kImageBlack); // 2x: no grid
    }
}

TEST(MagnifierDrawing, AbsurdZoomsAndSizesDoNotFail) {
    for (int zoom : {5, 100, 1000, INT_MAX}) {
        MagnifierState state = Plain({100, 120}, zoom);
        state.showGrid = true;
        state.samplingMode = 2;
        const PixelImage image = Draw(state, kBig);
        EXPECT_EQ(state.zoomLevel, zoom);
        EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(kBig * kBig));
    }
    MagnifierState state = Plain({100, 120}, 2);
    PixelImage image;
    DrawMagnifiedImage(state, SourceBlock{}, kDesktop, 0, -5, image);
    EXPECT_TRUE(image.pixels.empty());
    DrawMagnifiedImage(state, SourceBlock{}, kDesktop, 3, 40, image);
    EXPECT_EQ(image.At(1, 1), kImageSilver); // nothing read: shown as outside the screen
}

TEST(MagnifierDrawing, BufferIsReusedWhileTheSizeStays) {
    MagnifierState state = Plain({100, 120}, 2);
    SourceBlock block;
    PixelImage image;
    DrawMagnifiedImage(state, block, kDesktop, kBig, kBig, image);
    const std::uint32_t* first = image.pixels.data();
    state.currentPoint = {150, 150};
    DrawMagnifiedImage(state, block, kDesktop, kBig, kBig, image);
    EXPECT_EQ(image.pixels.data(), first);
    DrawMagnifiedImage(state, block, kDesktop, kNormal, kNormal, image);
    EXPECT_EQ(image.width, kNormal);
    EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(kNormal * kNormal));
}

TEST(MagnifierDrawing, IntoAWiderBufferTheSamePictureAndNothingBesideIt) {
    // A window's backing image: the picture at column 3 of rows 300 pixels long.
    for (const int zoom : {1, 3}) {
        MagnifierState state{zoom, 2, 1, true, {5, 150}};
        MagnifierState copy = state;
        const PixelImage expected = Draw(copy, kNormal);
        static const PixelImage screen = MakeScreen();
        SourceBlock block;
        ReadSourceBlock(screen, {0, 0}, TickRegion(state.currentPoint, kNormal, kNormal, zoom, 2),
                        block);
        constexpr int kStride = 300;
        std::vector<std::uint32_t> backing(static_cast<std::size_t>(kStride * kNormal), 0x12u);
        DrawMagnifiedImage(state, block, kDesktop,
                           PixelView{backing.data() + 3, kNormal, kNormal, kStride});
        int wrong = 0;
        for (int y = 0; y < kNormal; ++y) {
            for (int x = 0; x < kStride; ++x) {
                const std::uint32_t want =
                    x >= 3 && x < 3 + kNormal ? expected.At(x - 3, y) : 0x12u;
                wrong += backing[static_cast<std::size_t>(y * kStride + x)] != want;
            }
        }
        EXPECT_EQ(wrong, 0) << "zoom " << zoom;
    }
}

// The picture as its rules define it, one pixel at a time: the frame over the grid over the
// silver beyond the edges over the enlarged screen.
std::uint32_t RulePixel(const MagnifierState& state, const MagnifierGeometry& geometry,
                        const SourceBlock& block, int width, int height, std::int64_t x,
                        std::int64_t y) {
    const std::int64_t step = geometry.step;
    if (const auto radius = SamplingRadius(state.samplingMode)) {
        const std::int64_t a = (geometry.center - *radius) * step;
        const std::int64_t b = (geometry.center + *radius + 1) * step;
        const auto onOutline = [&](std::int64_t first, std::int64_t end) {
            return x >= first && x < end && y >= first && y < end &&
                   (x == first || x == end - 1 || y == first || y == end - 1);
        };
        if (onOutline(a - 1, b + 2))
            return kImageWhite;
        if (onOutline(a - 2, b + 3))
            return kImageBlack;
    }
    if (state.showGrid && state.zoomLevel != 1) {
        const std::int64_t lastLine = (height / step) * step;
        if ((y % step == 0 && y <= lastLine) ||
            (x % step == 0 && x <= std::min<std::int64_t>(lastLine, width - 1)))
            return kImageBlack;
    }
    const Point point = state.currentPoint;
    if ((point.x <= kDesktop.left && x < width / 2) ||
        (point.y <= kDesktop.top && y < height / 2) ||
        (point.x >= kDesktop.left + kDesktop.width - 1 && x >= width / 2 + step + 1) ||
        (point.y >= kDesktop.top + kDesktop.height - 1 && y >= height / 2 + step + 1))
        return kImageSilver;
    const Rect source = MagnifierSourceRect(point, geometry);
    if (source.Empty())
        return kImageSilver;
    const std::uint32_t pixel =
        block.At(source.left + std::min<std::int64_t>(x / step, source.width - 1),
                 source.top + std::min<std::int64_t>(y / step, source.height - 1));
    return pixel == kOutsidePixel ? kImageSilver : pixel | kOpaque;
}

TEST(MagnifierDrawing, EveryPixelFollowsTheRulesAtEveryZoomModeGridEdgeAndSize) {
    static const PixelImage screen = MakeScreen();
    const Point points[] = {{200, 150}, {0, 150}, {200, 0},   {399, 150}, {200, 299},
                            {399, 299}, {-3, -4}, {405, 310}, {1, 298}};
    const struct { int width, height; } sizes[] = {{kNormal, kNormal}, {150, 101}, {9, 40}, {1, 1}};
    for (const int zoom : {1, 2, 3, 4, 6}) {
        for (const int mode : {0, 2, 7}) {
            for (const bool grid : {false, true}) {
                for (const auto size : sizes) {
                    for (const Point point : points) {
                        // The whole tick region read, or only a part of it (the rest is silver).
                        for (const bool partial : {false, true}) {
                            MagnifierState state{zoom, static_cast<std::uint8_t>(mode), 1, grid,
                                                 point};
                            Rect region = TickRegion(point, size.width, size.height, zoom, mode);
                            if (partial)
                                region = {region.left + 3, region.top + 2, region.width / 2,
                                          region.height - 3};
                            SourceBlock block;
                            ReadSourceBlock(screen, {0, 0}, region, block);
                            PixelImage image;
                            DrawMagnifiedImage(state, block, kDesktop, size.width, size.height,
                                               image);
                            const MagnifierGeometry geometry =
                                ComputeMagnifierGeometry(size.width, size.height, state.zoomLevel);
                            int wrong = 0;
                            for (int y = 0; y < image.height; ++y)
                                for (int x = 0; x < image.width; ++x)
                                    wrong +=
                                        image.At(x, y) != RulePixel(state, geometry, block,
                                                                    size.width, size.height, x, y);
                            EXPECT_EQ(wrong, 0)
                                << "zoom " << zoom << " mode " << mode << " grid " << grid << " "
                                << size.width << "x" << size.height << " at " << point.x << ","
                                << point.y << (partial ? " partial" : "");
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace twl

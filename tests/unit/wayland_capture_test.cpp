// What a Wayland desktop hands the program: a captured output's picture mapped back onto the
// desktop's logical pixels (scale, transform, upside-down rows, the output's edges), the portal's
// request path and answers, and which display the windows use.

#include "core/sampling/captured_picture.h"
#include "core/sampling/portal_answer.h"
#include "core/startup/display_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace twl {
namespace {

TEST(CapturedPicture, ALogicalPixelIsThePicturesPixelAtItsTopLeftCorner) {
    // An output at (100, 50), 40 x 20 logical pixels; its picture is that times the scale.
    const struct {
        int width, height;
        Point logical, pixel;
    } cases[] = {
        {40, 20, {100, 50}, {0, 0}},   {40, 20, {139, 69}, {39, 19}}, // scale 1, both corners
        {80, 40, {101, 51}, {2, 2}},   {80, 40, {139, 69}, {78, 38}}, // scale 2
        {60, 30, {101, 51}, {1, 1}},   {60, 30, {102, 53}, {3, 4}}, // scale 1.5: 1.5 -> 1, 4.5 -> 4
        {60, 30, {139, 69}, {58, 28}},
    };
    for (const auto& c : cases) {
        CapturedPicture picture;
        picture.region = {100, 50, 40, 20};
        picture.width = c.width;
        picture.height = c.height;
        EXPECT_EQ(PicturePixelFor(picture, c.logical), c.pixel)
            << c.width << " wide at " << c.logical.x << "," << c.logical.y;
    }
    CapturedPicture picture;
    picture.region = {100, 50, 40, 20};
    picture.width = 40;
    picture.height = 20;
    for (const Point outside : {Point{99, 50}, Point{140, 50}, Point{100, 70}, Point{100, 49}}) {
        EXPECT_EQ(PicturePixelFor(picture, outside), std::nullopt);
    }
    picture.width = 0;
    EXPECT_EQ(PicturePixelFor(picture, {100, 50}), std::nullopt);
}

TEST(CapturedPicture, TransformsAndUpsideDownRowsAreTurnedBack) {
    // A 4 x 2 logical region; turned by 90 or 270 degrees its picture is 2 wide and 4 high.
    // (column, row) of the picture for the logical pixels (0, 0) and (3, 1), worked by hand.
    const struct {
        OutputTransform transform;
        bool yInverted;
        Point topLeft, bottomRight;
    } cases[] = {
        {OutputTransform::Normal, false, {0, 0}, {3, 1}},
        {OutputTransform::Normal, true, {0, 1}, {3, 0}},
        {OutputTransform::Rotated90, false, {1, 0}, {0, 3}},
        {OutputTransform::Rotated180, false, {3, 1}, {0, 0}},
        {OutputTransform::Rotated270, false, {0, 3}, {1, 0}},
        {OutputTransform::Flipped, false, {3, 0}, {0, 1}},
        {OutputTransform::Flipped90, false, {0, 0}, {1, 3}},
        {OutputTransform::Flipped180, false, {0, 1}, {3, 0}},
        {OutputTransform::Flipped270, false, {1, 3}, {0, 0}},
    };
    for (const auto& c : cases) {
        CapturedPicture picture;
        picture.region = {0, 0, 4, 2};
        const bool sideways = (static_cast<int>(c.transform) & 1) != 0;
        picture.width = sideways ? 2 : 4;
        picture.height = sideways ? 4 : 2;
        picture.transform = c.transform;
        picture.yInverted = c.yInverted;
        EXPECT_EQ(PicturePixelFor(picture, {0, 0}), c.topLeft) << static_cast<int>(c.transform);
        EXPECT_EQ(PicturePixelFor(picture, {3, 1}), c.bottomRight) << static_cast<int>(c.transform);
    }
}

TEST(CapturedPicture, ThePicturesPixelsFillOnlyWhatItShows) {
    // Scale 2, rows 12 bytes apart (one pixel of padding), each pixel 0xXXRRGGBB in memory order.
    std::vector<std::uint32_t> memory(3 * 4);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 2 * 2; ++column) {
            if (column < 2 + 1) {
                memory[static_cast<std::size_t>(row * 3 + std::min(column, 2))] =
                    0xAA000000u | static_cast<std::uint32_t>(row << 8 | column);
            }
        }
    }
    CapturedPicture picture;
    picture.region = {10, 10, 1, 2};
    picture.width = 2;
    picture.height = 4;
    picture.stride = 12;
    picture.bytes = reinterpret_cast<const std::uint8_t*>(memory.data());
    SourceBlock block;
    ResetSourceBlock(block, {9, 10, 2, 3});
    CopyCapturedPicture(picture, block);
    EXPECT_EQ(block.At(9, 10), kOutsidePixel);
    EXPECT_EQ(block.At(10, 10), 0x000000u);
    EXPECT_EQ(block.At(10, 11), 0x000200u); // the picture's row 2, its top byte dropped
    EXPECT_EQ(block.At(10, 12), kOutsidePixel);
    // Red and blue change places in the BGR layouts.
    memory[0] = 0x00112233u;
    picture.format = kShmXbgr8888;
    CopyCapturedPicture(picture, block);
    EXPECT_EQ(block.At(10, 10), 0x332211u);
    // At a scale of 1, upright, upside down or not, the rows land where they belong.
    for (const bool inverted : {false, true}) {
        CapturedPicture flat;
        flat.region = {10, 10, 3, 4};
        flat.width = 3;
        flat.height = 4;
        flat.stride = 12;
        flat.yInverted = inverted;
        flat.bytes = reinterpret_cast<const std::uint8_t*>(memory.data());
        ResetSourceBlock(block, {11, 9, 3, 6});
        CopyCapturedPicture(flat, block);
        EXPECT_EQ(block.At(11, 9), kOutsidePixel);
        EXPECT_EQ(block.At(13, 10), kOutsidePixel);
        EXPECT_EQ(block.At(11, 10), (memory[inverted ? 10 : 1] & 0x00FFFFFFu)) << inverted;
        EXPECT_EQ(block.At(12, 13), (memory[inverted ? 2 : 11] & 0x00FFFFFFu)) << inverted;
    }
    picture.format = 0x36314752; // RGB565: not read at all
    ResetSourceBlock(block, {10, 10, 1, 1});
    CopyCapturedPicture(picture, block);
    EXPECT_EQ(block.At(10, 10), kOutsidePixel);
}

TEST(PortalAnswer, TheRequestPathAndTheAnswers) {
    EXPECT_EQ(PortalRequestPath(":1.42", "tintwell7_1"),
              "/org/freedesktop/portal/desktop/request/1_42/tintwell7_1");
    const ScreenshotAnswer done = ReadScreenshotAnswer(0, "file:///tmp/Screen%20shot%2021.png");
    EXPECT_EQ(done.file, "/tmp/Screen shot 21.png");
    const struct {
        std::uint32_t response;
        std::optional<std::string> uri;
    } refused[] = {
        {1, "file:///tmp/a.png"},         {2, "file:///tmp/a.png"},    {0, std::nullopt},
        {0, "https://example.org/a.png"}, {0, "file://relative.png"},  {0, "file:///tmp/a%2"},
        {0, "file:///tmp/a%zz.png"},      {0, "file:///tmp/a%00.png"}, {0, "file://"},
    };
    for (const auto& answer : refused) {
        const ScreenshotAnswer result = ReadScreenshotAnswer(answer.response, answer.uri);
        EXPECT_EQ(result.file, std::nullopt) << answer.uri.value_or("(none)");
        EXPECT_FALSE(result.problem.empty());
    }
    EXPECT_EQ(ReadScreenshotAnswer(1, std::nullopt).problem, "the screenshot was cancelled");
}

TEST(DisplayChoice, WindowsGoToXWaylandOnAWaylandDesktop) {
    EXPECT_EQ(ChooseDisplay(true, true, false), DisplayChoice::UseXWayland);
    EXPECT_EQ(ChooseDisplay(true, false, false), DisplayChoice::NeedsXWayland);
    EXPECT_EQ(ChooseDisplay(false, true, false), DisplayChoice::AsIs);
    EXPECT_EQ(ChooseDisplay(true, true, true), DisplayChoice::AsIs);
    EXPECT_EQ(ChooseDisplay(true, false, true), DisplayChoice::AsIs);
}

} // namespace
} // namespace twl

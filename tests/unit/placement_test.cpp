#include "core/placement/placement_rules.h"

#include <gtest/gtest.h>

#include <optional>

namespace twl {
namespace {

constexpr int kQuickPaletteWidth = 300; // the zones meet at 900
constexpr int kEyeDropperWidth = 220;
constexpr int kPropertiesWidth = 150;

BarPlacement Bar(int left, int top = 100, int desktopWidth = 1920) {
    return {left, top, 42, kQuickPaletteWidth, desktopWidth};
}

TEST(PlacementSnapOff, NoRuleMovesItsWindow) {
    const EyeDropperState eyeDropper{true, true, 140, 300};
    EXPECT_FALSE(PlaceEyeDropper(false, Bar(200), kEyeDropperWidth).Moves());
    EXPECT_FALSE(PlaceQuickPalette(false, Bar(200), eyeDropper).Moves());
    EXPECT_FALSE(PlaceColorProperties(false, Bar(200), 3, kPropertiesWidth).Moves());
    EXPECT_FALSE(PlaceTestLayouts(false, Bar(200), 400).Moves());
}

TEST(PlacementEyeDropper, RightOfABarInTheLeftZoneLeftOtherwise) {
    struct Case {
        int barLeft, left;
    };
    const Case cases[] = {
        {0, 42}, {200, 242}, {899, 941}, {900, 900 - kEyeDropperWidth}, {1800, 1580},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.barLeft);
        const WindowPosition position =
            PlaceEyeDropper(true, Bar(c.barLeft, 100), kEyeDropperWidth);
        EXPECT_EQ(position.left, c.left);
        EXPECT_EQ(position.top, 140);
    }
}

TEST(PlacementQuickPalette, UsesItsOwnWidthOnTheLeft) {
    EyeDropperState closed;
    EXPECT_EQ(PlaceQuickPalette(true, Bar(0), closed).left, 42);
    EXPECT_EQ(PlaceQuickPalette(true, Bar(200), closed).left, 242);
    EXPECT_EQ(PlaceQuickPalette(true, Bar(1800), closed).left, 1800 - kQuickPaletteWidth);
}

TEST(PlacementQuickPalette, OpensOnePixelUnderAShowingAutoPositionedEyeDropper) {
    struct Case {
        bool showing, autoPositioned;
        int top;
    };
    const Case cases[] = {
        {true, true, 140 + 300 + 1},
        {false, true, 140},
        {true, false, 140},
        {false, false, 140},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.showing << c.autoPositioned);
        const EyeDropperState eyeDropper{c.showing, c.autoPositioned, 140, 300};
        EXPECT_EQ(PlaceQuickPalette(true, Bar(200, 100), eyeDropper).top, c.top);
    }
}

TEST(PlacementSideRule, ColorPropertiesAndTestLayoutsPickTheSideThatFits) {
    struct Case {
        const char* what;
        int barLeft, desktopWidth;
        std::optional<int> left;
    };
    const Case cases[] = {
        {"left zone, room on the left", 200, 1920, 50},
        {"left zone, no room on the left", 0, 1920, 42},
        {"left zone, just no room", 149, 1920, 191},
        {"left zone, bar at the window's width", 150, 1920, std::nullopt},
        {"on the zone border", 900, 1920, std::nullopt},
        {"right zone, fits on the right", 1000, 1920, 1042},
        {"right zone, would pass the desktop", 1800, 1920, 1650},
        {"right zone, right edge on the desktop's", 1728, 1920, std::nullopt},
        {"right zone, one pixel of room", 1727, 1920, 1769},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const BarPlacement bar = Bar(c.barLeft, 100, c.desktopWidth);
        const WindowPosition properties = PlaceColorProperties(true, bar, 1, kPropertiesWidth);
        EXPECT_EQ(properties.left, c.left);
        EXPECT_TRUE(properties.Moves()); // the top follows the slot even when the left stays
        const WindowPosition layouts = PlaceTestLayouts(true, bar, kPropertiesWidth);
        EXPECT_EQ(layouts.left, c.left);
        EXPECT_EQ(layouts.top, 140);
    }
}

TEST(PlacementColorProperties, TopLinesUpWithTheSelectedSlot) {
    EXPECT_EQ(PlaceColorProperties(true, Bar(200, 100), 1, kPropertiesWidth).top, 156);
    EXPECT_EQ(PlaceColorProperties(true, Bar(200, 100), 10, kPropertiesWidth).top, 354);
    EXPECT_EQ(PlaceColorProperties(true, Bar(200, 0), 20, kPropertiesWidth).top, 474);
}

} // namespace
} // namespace twl

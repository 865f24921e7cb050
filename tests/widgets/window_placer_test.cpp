// The tool windows dock beside the real bar when their Auto Position flag is on.

#include "core/palette/palette_list.h"
#include "core/settings/settings.h"
#include "ui/bar/window_placer.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace twl {
namespace {

class WindowPlacerTest : public ::testing::Test {
protected:
    WindowPlacerTest() : placer_(bar_, settings_, palette_) {
        bar_.resize(42, 329);
        eye_.resize(169, 234);
        properties_.resize(150, 200);
        quick_.resize(300, 279);
        test_.resize(400, 300);
        placer_.SetEyeDropper(&eye_);
        placer_.SetColorProperties(&properties_);
        placer_.SetQuickPalette(&quick_);
        placer_.SetTestLayouts(&test_);
    }

    Settings settings_;
    Palette palette_;
    QWidget bar_, eye_, properties_, quick_, test_;
    WindowPlacer placer_;
};

TEST_F(WindowPlacerTest, ABarInTheLeftZoneGetsTheToolsOnItsRightUnlessTheyFitLeft) {
    bar_.move(200, 100); // Q = 900
    placer_.PlaceAll();
    EXPECT_EQ(eye_.pos(), QPoint(242, 140));
    EXPECT_EQ(properties_.pos(), QPoint(50, 156));
    EXPECT_EQ(test_.pos(), QPoint(242, 140));  // 400 wide: no room on the left
    EXPECT_EQ(quick_.pos(), QPoint(242, 140)); // the Eye Dropper is hidden

    bar_.move(0, 0);
    placer_.PlaceAll();
    EXPECT_EQ(eye_.x(), 42);
    EXPECT_EQ(properties_.x(), 42);
}

TEST_F(WindowPlacerTest, TheQuickPaletteOpensUnderAShowingEyeDropper) {
    bar_.move(200, 100);
    eye_.show();
    placer_.PlaceEyeDropper();
    placer_.PlaceQuickPalette();
    EXPECT_EQ(quick_.pos(), QPoint(242, 140 + 234 + 1));
}

TEST_F(WindowPlacerTest, ColorPropertiesLinesUpWithTheSelectedSlot) {
    bar_.move(200, 100);
    palette_.Select(10, 0);
    placer_.PlaceColorProperties();
    EXPECT_EQ(properties_.y(), 100 + 254);
}

TEST_F(WindowPlacerTest, AWindowWithAutoPositionOffStaysWhereItIs) {
    settings_.snapEyeDropper = false;
    settings_.snapColorProp = false;
    eye_.move(7, 8);
    properties_.move(9, 10);
    bar_.move(200, 100);
    placer_.PlaceAll();
    EXPECT_EQ(eye_.pos(), QPoint(7, 8));
    EXPECT_EQ(properties_.pos(), QPoint(9, 10));
}

} // namespace
} // namespace twl

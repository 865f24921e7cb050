#include "core/base/screen_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace twl {
namespace {

TEST(ScreenScaleTest, OneMonitorAtEachFactor) {
    struct Case {
        double factor;
        Rect physical;
        Rect logical;
        Point logicalPoint, physicalPoint; // both ways
        Point physicalOnly, logicalOfIt;   // physical to logical alone
    };
    const Case cases[] = {
        {1.0, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {395, 209}, {395, 209}, {1279, 0}, {1279, 0}},
        {2.0,
         {0, 0, 1920, 1080},
         {0, 0, 960, 540},
         {395, 209},
         {790, 418},
         {1919, 1079},
         {959, 539}},
        // 1279 / 1.5 = 852.7; 853 * 1.5 = 1279.5, rounded away from the corner.
        {1.5, {0, 0, 1279, 1023}, {0, 0, 853, 682}, {853, 1}, {1280, 2}, {1278, 1022}, {852, 681}},
        // An odd size: 1279 / 2 = 639.5 makes 640 logical columns.
        {2.0, {0, 0, 1279, 1023}, {0, 0, 640, 512}, {3, 3}, {6, 6}, {1278, 1022}, {639, 511}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factor);
        const std::vector<MonitorScale> monitors{{c.physical, c.factor}};
        EXPECT_EQ(monitors[0].Logical(), c.logical);
        EXPECT_EQ(LogicalDesktop(monitors), c.logical);
        EXPECT_EQ(ToPhysical(monitors, c.logicalPoint), c.physicalPoint);
        EXPECT_EQ(ToLogical(monitors, c.physicalPoint), c.logicalPoint);
        EXPECT_EQ(ToLogical(monitors, c.physicalOnly), c.logicalOfIt);
    }
}

TEST(ScreenScaleTest, TwoMonitorsKeepTheirCornersAndFactors) {
    // 1920 x 1080 at 1 on the left, 1280 x 1024 at 2 on the right.
    const std::vector<MonitorScale> monitors{{{0, 0, 1920, 1080}, 1.0},
                                             {{1920, 0, 1280, 1024}, 2.0}};
    EXPECT_EQ(PhysicalDesktop(monitors), (Rect{0, 0, 3200, 1080}));
    EXPECT_EQ(LogicalDesktop(monitors), (Rect{0, 0, 2560, 1080}));
    EXPECT_EQ(ToPhysical(monitors, Point{1919, 500}), (Point{1919, 500}));
    EXPECT_EQ(ToPhysical(monitors, Point{1920, 500}), (Point{1920, 1000}));
    EXPECT_EQ(ToPhysical(monitors, Point{2000, 10}), (Point{2080, 20}));
    EXPECT_EQ(ToLogical(monitors, Point{2080, 20}), (Point{2000, 10}));
    EXPECT_EQ(ToLogical(monitors, Point{3199, 1023}), (Point{2559, 511}));
    // A window on the second monitor covers twice its size in pixels.
    EXPECT_EQ(ToPhysical(monitors, Rect{2000, 10, 42, 87}), (Rect{2080, 20, 84, 174}));
    // Beyond every monitor a point is taken by the nearest one and keeps its distance.
    EXPECT_EQ(ToLogical(monitors, Point{3300, 10}), (Point{2610, 5}));
    EXPECT_EQ(ToPhysical(monitors, Point{-10, 1200}), (Point{-10, 1200}));
}

TEST(ScreenScaleTest, WithoutMonitorsNothingChanges) {
    EXPECT_EQ(ToPhysical({}, Point{-5, 7}), (Point{-5, 7}));
    EXPECT_EQ(ToLogical({}, Point{-5, 7}), (Point{-5, 7}));
    EXPECT_EQ(ToPhysical({}, Rect{1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
}

} // namespace
} // namespace twl

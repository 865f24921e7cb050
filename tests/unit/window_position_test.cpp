#include "core/placement/window_position.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

// Two 1920x1080 displays side by side, the primary on the left.
constexpr ScreenInfo kScreen{0, 0, 3840, 1080, 1080};

TEST(WindowPositionTest, StoredPositionIsAppliedAndOnlyTopIsClamped) {
    const Point builtIn{100, 200};
    EXPECT_EQ(ApplyStoredPosition(builtIn, std::nullopt, std::nullopt, kScreen), builtIn);
    EXPECT_EQ(ApplyStoredPosition(builtIn, 300, -300, kScreen), (Point{-300, 300}));
    EXPECT_EQ(ApplyStoredPosition(builtIn, 1080, std::nullopt, kScreen), (Point{100, 1080}));
    EXPECT_EQ(ApplyStoredPosition(builtIn, 5000, 9000, kScreen), (Point{9000, 540}));
    EXPECT_EQ(ApplyStoredPosition(builtIn, -50, std::nullopt, kScreen), (Point{100, -50}));
    // Halving rounds toward zero.
    EXPECT_EQ(ApplyStoredPosition(builtIn, 2000, std::nullopt, ScreenInfo{0, 0, 800, 601, 601}).y,
              300);
}

TEST(WindowPositionTest, QuickReferenceCentresOnMissingValues) {
    // Top centres on the primary display, left on the whole desktop.
    EXPECT_EQ(QuickReferencePosition(std::nullopt, std::nullopt, 401, 301, kScreen),
              (Point{1920 - 200, 540 - 150}));
    EXPECT_EQ(QuickReferencePosition(5000, 5000, 400, 300, kScreen), (Point{1920, 540}));
    EXPECT_EQ(QuickReferencePosition(10, -20, 400, 300, kScreen), (Point{-20, 10}));
    EXPECT_EQ(QuickReferencePosition(std::nullopt, std::nullopt, 1000, 900,
                                     ScreenInfo{0, 0, 801, 601, 601}),
              (Point{400 - 500, 300 - 450}));
}

} // namespace
} // namespace twl

namespace twl {
namespace {

TEST(WindowPositionTest, AWindowOffEveryMonitorComesBackOntoTheNearest) {
    const Rect one[] = {{0, 0, 1920, 1080}};
    // 1920 x 1080 on the left, 1280 x 1024 on the right: a gap below the right one.
    const Rect two[] = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct Case {
        Rect window;
        std::span<const Rect> monitors;
        Point expected;
    };
    const Case cases[] = {
        {{3000, 209, 42, 87}, one, {1878, 209}},   // the right monitor was unplugged
        {{3000, 209, 42, 87}, two, {3000, 209}},   // it is there
        {{1900, 1050, 42, 87}, two, {1900, 1050}}, // partly shown: left alone
        {{2000, 1050, 42, 87}, two, {2000, 937}},  // in the gap, nearest the right monitor
        {{3300, 1100, 42, 87}, two, {3158, 937}},  // beyond the corner
        {{-500, -500, 42, 87}, two, {0, 0}},       // above and left
        {{5000, 10, 2000, 100}, one, {0, 10}},     // wider than the monitor: its left edge
        {{5000, 10, 42, 87}, {}, {5000, 10}},      // no monitors known
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeepOnSomeMonitor(c.window, c.monitors), c.expected)
            << c.window.left << ", " << c.window.top;
    }
}

// A docked window partly off the bar's monitor moves the least way onto it: the Eye Dropper of
// 313 x 378 docked at (2042, 140) on a scaled monitor of 640 x 512 at (1920, 0).
TEST(KeepWithin, MovesTheLeastWayOntoTheBarsMonitor) {
    const Rect monitor{1920, 0, 640, 512};
    EXPECT_EQ(KeepWithin({2042, 140, 313, 378}, monitor), (Point{2042, 134}));
    EXPECT_EQ(KeepWithin({2400, 140, 313, 378}, monitor), (Point{2247, 134}));
    EXPECT_EQ(KeepWithin({1800, -20, 313, 378}, monitor), (Point{1920, 0}));
    EXPECT_EQ(KeepWithin({2000, 100, 300, 300}, monitor), (Point{2000, 100})); // fits: stays
    EXPECT_EQ(KeepWithin({2000, 100, 700, 600}, monitor), (Point{1920, 0}));   // too big
    const Rect monitors[] = {{0, 0, 1920, 1080}, monitor};
    EXPECT_EQ(MonitorHolding({1890, 10, 42, 400}, monitors), monitors[0]);
    EXPECT_EQ(MonitorHolding({1910, 10, 42, 400}, monitors), monitor);
    EXPECT_EQ(MonitorHolding({5000, 10, 42, 400}, monitors), monitors[0]);
    EXPECT_FALSE(MonitorHolding({0, 0, 1, 1}, {}).has_value());
}

} // namespace
} // namespace twl

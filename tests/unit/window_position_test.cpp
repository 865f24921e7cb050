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

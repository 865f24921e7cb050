// Two monitors side by side, the right one scaled by 2: the run that loads two_screens.json.
// The right screen is given there in scaled units (640 x 512 at a ratio of 2: 1280 x 1024 pixels).
// Under the usual one screen these tests are skipped.

#include "platform/monitors.h"
#include "program_on_fakes.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QGuiApplication>

namespace twl {
namespace {

class TwoScreensTest : public ProgramOnFakes {
protected:
    void SetUp() override {
        if (QGuiApplication::screens().size() != 2) {
            GTEST_SKIP() << "runs with two screens only";
        }
    }
};

TEST_F(TwoScreensTest, TheMonitorsKeepTheirCornersInBothUnits) {
    const std::vector<MonitorScale> monitors = CurrentMonitors();
    ASSERT_EQ(monitors.size(), 2u);
    EXPECT_EQ(monitors[1].physical, (Rect{1920, 0, 1280, 1024}));
    EXPECT_EQ(monitors[1].factor, 2.0);
    EXPECT_EQ(MonitorAreas()[1], (Rect{1920, 0, 640, 512}));
}

TEST_F(TwoScreensTest, TheEyeDropperIsLeftOutWhereItCoversTheScaledMonitor) {
    screen_.Fill(3200, 1080, 0x336699);
    StartProgram();
    EyeDropperWindow& eye = program_->EyeDropper();
    eye.ShowEyeDropper();
    eye.move(2000, 100); // on the right monitor: 626 x 756 of its pixels from (2080, 200)
    // Under the window in the monitor's pixels, though beyond its rectangle in scaled units.
    screen_.SetPixel({2600, 900}, 0xFF0000);
    eye.Sampler().State().samplingMode = 0;
    eye.Sampler().State().currentPoint = {2600, 900};
    eye.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_NE(eye.Sampler().SampledColor(), MakeColor(255, 0, 0));
    // Beside it the screen is read.
    screen_.SetPixel({2800, 900}, 0xFF0000);
    eye.Sampler().State().currentPoint = {2800, 900};
    eye.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_EQ(eye.Sampler().SampledColor(), MakeColor(255, 0, 0));
}

} // namespace
} // namespace twl

// Two monitors side by side, the right one scaled by 2: the run that loads two_screens.json.
// The right screen is given there in scaled units (640 x 512 at a ratio of 2: 1280 x 1024 pixels).
// Under the usual one screen these tests are skipped.

#include "platform/monitors.h"
#include "program_on_fakes.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/quick_palette/quick_palette_window.h"
#include "ui/quick_reference/quick_reference_window.h"
#include "ui/test_layouts/test_layouts_window.h"

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

// Places stored while another monitor was plugged in: beyond the right monitor, and in the corner
// the two leave uncovered, below the right one and right of the left one.
TEST_F(TwoScreensTest, ToolWindowsStoredOffEveryMonitorComeBackOntoOne) {
    const QRect monitors[] = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 640, 512)};
    for (const auto& [left, top] : {std::pair{2700, 100}, std::pair{2000, 700}}) {
        std::vector<std::string> lines;
        for (const char* name : {"Eye", "Prop", "Qui", "Test", "QRef"}) {
            lines.push_back(std::string(name) + "Top=" + std::to_string(top));
            lines.push_back(std::string(name) + "Left=" + std::to_string(left));
        }
        program_.reset();
        WriteSettings(lines);
        StartProgram();
        for (const ToolWindow* window : std::initializer_list<const ToolWindow*>{
                 &program_->EyeDropper(), &program_->ColorProperties(), &program_->QuickPalette(),
                 &program_->TestLayouts(), &program_->QuickReference()}) {
            const QRect area = window->geometry();
            EXPECT_TRUE(monitors[0].contains(area) || monitors[1].contains(area))
                << window->objectName().toStdString() << " stored at " << left << ", " << top
                << " is at " << area.x() << ", " << area.y();
            EXPECT_EQ(area.y(), top) << window->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace twl

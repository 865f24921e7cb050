// Which of the program's own windows a pick sees: the Eye Dropper never, the bar in every pick
// but the drag from its own button.

#include "find_child.h"
#include "input_events.h"
#include "program_on_fakes.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_column.h"
#include "ui/bar/palette_controller.h"
#include "ui/common/pressable_label.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QApplication>

namespace twl {
namespace {

constexpr std::uint32_t kDesktop = 0x336699, kUnderBar = 0x00FF00, kUnderEye = 0xFF0000;

TColor ToColor(std::uint32_t rgb) {
    return MakeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                     static_cast<int>(rgb & 0xFF));
}

class PickFlowTest : public ProgramOnFakes {
protected:
    void SetUp() override {
        WriteSettings({"sampling=0"});
        StartProgram();
        Eye().ShowEyeDropper();
        Eye().move(900, 600);
        // The fake screen does not show the windows: a pixel under each stands for it.
        barPoint_ = Centre(program_->Bar());
        eyePoint_ = Centre(Eye());
        screen_.SetPixel(barPoint_, kUnderBar);
        screen_.SetPixel(eyePoint_, kUnderEye);
    }
    static Point Centre(const QWidget& window) {
        const QPoint centre = window.frameGeometry().center();
        return {centre.x(), centre.y()};
    }
    EyeDropperWindow& Eye() { return program_->EyeDropper(); }
    // The pointer rests at point for one tick of the pick.
    TColor TickAt(Point point) {
        screen_.SetCursorPos(point);
        Eye().Sampler().Tick();
        return Eye().Sampler().SampledColor();
    }
    TColor NudgedTo(Point point) {
        Eye().Sampler().State().currentPoint = point;
        Eye().RenderMagnifier(NudgeDirection::None, 0);
        return Eye().Sampler().SampledColor();
    }
    TColor Newest() { return program_->Palette().NewestColor().value_or(-1); }

    Point barPoint_, eyePoint_;
    const Point desktopPoint_{700, 100};
};

TEST_F(PickFlowTest, APickOnThePictureAndTheNudgesSeeTheBarButNotTheEyeDropper) {
    EXPECT_EQ(NudgedTo(barPoint_), ToColor(kUnderBar));
    EXPECT_EQ(NudgedTo(desktopPoint_), ToColor(kDesktop));
    EXPECT_EQ(NudgedTo(eyePoint_), ToColor(kDesktop));

    QWidget* picture = Child(Eye(), "EyeIMG");
    Mouse(picture, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(TickAt(eyePoint_), ToColor(kDesktop));
    EXPECT_EQ(TickAt(barPoint_), ToColor(kUnderBar));
    Mouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(Newest(), ToColor(kUnderBar));
}

TEST_F(PickFlowTest, ADragFromTheBarsButtonLeavesTheBarOutUntilItsRelease) {
    PressableLabel* button = program_->Palette().Column().EyeDropperButton();
    Mouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
    // The Eye Dropper has moved beside the bar.
    eyePoint_ = Centre(Eye());
    screen_.SetPixel(eyePoint_, kUnderEye);
    EXPECT_EQ(TickAt(desktopPoint_), ToColor(kDesktop));
    EXPECT_EQ(TickAt(barPoint_), ToColor(kDesktop));
    EXPECT_EQ(TickAt(eyePoint_), ToColor(kDesktop));
    Mouse(button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(Newest(), ToColor(kDesktop));
    EXPECT_EQ(NudgedTo(barPoint_), ToColor(kUnderBar));
}

QWidget* ShownOverlay() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("ScreenPickOverlay") && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Where the pointer is not the program's (Wayland), the bar's button still drags live when the
// screen is read afresh each tick; over a still picture it opens the overlay instead.
TEST_F(PickFlowTest, OnWaylandTheBarsButtonDragsLiveOnlyWhereTheScreenIsReadEachTick) {
    screen_.pointerIsOurs = false;
    PressableLabel* button = program_->Palette().Column().EyeDropperButton();
    Mouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(ShownOverlay(), nullptr);
    EXPECT_EQ(TickAt(desktopPoint_), ToColor(kDesktop));
    Mouse(button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(Newest(), ToColor(kDesktop));

    screen_.followsDrags = false;
    Mouse(button, QEvent::MouseButtonPress, Qt::LeftButton);
    QWidget* overlay = ShownOverlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_FALSE(Eye().Picking());
    Key(overlay, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_EQ(ShownOverlay(), nullptr);
}

} // namespace
} // namespace twl

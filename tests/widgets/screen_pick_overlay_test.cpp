// The screen pick overlay on an in-memory screen: one still picture for the whole pick, a view on
// every monitor, the arrow keys moving the pointer by one or ten pixels, and the ways a pick
// ends: Enter or a click picks the pixel under the pointer, Esc or a right press cancels.

#include "app/bar_script_target.h"
#include "core/formats/color_formats.h"
#include "fake_screen.h"
#include "input_events.h"
#include "ui/screen_pick/screen_pick_overlay.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <optional>

namespace twl {
namespace {

// A screen whose pixel (x, y) is 0x00XXYY00, so every pixel tells where it is.
FakeScreen PositionScreen(int width, int height) {
    FakeScreen screen(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            screen.SetPixel({x, y}, static_cast<std::uint32_t>((x << 16) | (y << 8)));
        }
    }
    return screen;
}

// The colour the fake screen's pixel at (x, y) stands for.
TColor ColorAt(int x, int y) {
    return MakeColor(x, y, 0);
}

QList<QWidget*> Views() {
    QList<QWidget*> views;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("ScreenPickOverlay") && widget->isVisible()) {
            views << widget;
        }
    }
    return views;
}

class ScreenPickOverlayTest : public ::testing::Test {
protected:
    void Open() {
        MagnifierState magnifier;
        magnifier.samplingMode = 0;
        overlay_ = MakeScreenPickOverlay(screen_, magnifier, formats_, "RGB");
        QObject::connect(overlay_.get(), &ScreenPickOverlay::picked,
                         [this](TColor color) { picked_ = color; });
        QObject::connect(overlay_.get(), &ScreenPickOverlay::cancelled, [this] { ++cancels_; });
        overlay_->Open();
    }
    QWidget* View() const { return Views().value(0); }

    FakeScreen screen_ = PositionScreen(200, 150);
    FormatList formats_{DefaultColorValueFormats()};
    std::unique_ptr<ScreenPickOverlay> overlay_;
    std::optional<TColor> picked_;
    int cancels_ = 0;
};

TEST_F(ScreenPickOverlayTest, KeysMoveThePointerAndEnterPicksThePixelUnderIt) {
    screen_.cursor = {40, 30};
    Open();
    ASSERT_EQ(Views().size(), QGuiApplication::screens().size());
    EXPECT_EQ(overlay_->ValueText(), "RGB(40,30,0)");
    Key(View(), QEvent::KeyPress, Qt::Key_Right);
    Key(View(), QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    Key(View(), QEvent::KeyPress, Qt::Key_Up);
    EXPECT_EQ(screen_.cursor, (Point{41, 39}));
    EXPECT_EQ(overlay_->ValueText(), "RGB(41,39,0)");
    Key(View(), QEvent::KeyPress, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(screen_.cursor, (Point{31, 39}));
    // The picture is the one read as the overlay opened, whatever the screen shows now.
    screen_.SetPixel({31, 39}, 0xFFFFFF);
    Key(View(), QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(picked_, ColorAt(31, 39));
    EXPECT_EQ(screen_.reads, 1);
    EXPECT_EQ(cancels_, 0);
    QApplication::processEvents();
    EXPECT_TRUE(Views().isEmpty());
    EXPECT_FALSE(overlay_->IsOpen());
}

TEST_F(ScreenPickOverlayTest, APointerMovedByKeysStopsAtTheDesktopsEdge) {
    screen_.cursor = {195, 2};
    Open();
    Key(View(), QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    Key(View(), QEvent::KeyPress, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(screen_.cursor, (Point{199, 0}));
}

TEST_F(ScreenPickOverlayTest, AClickPicksAndEscOrARightPressCancels) {
    screen_.cursor = {12, 7};
    Open();
    Mouse(View(), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(picked_, std::nullopt);
    screen_.cursor = {13, 8}; // where the pointer is when the button comes up
    Mouse(View(), QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(picked_, ColorAt(13, 8));

    picked_.reset();
    Open();
    Key(View(), QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_EQ(cancels_, 1);
    QApplication::processEvents();
    Open();
    // A release without its press on the overlay (the click that opened it) picks nothing.
    Mouse(View(), QEvent::MouseButtonRelease, Qt::LeftButton);
    Mouse(View(), QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(cancels_, 2);
    EXPECT_EQ(picked_, std::nullopt);
}

} // namespace
} // namespace twl

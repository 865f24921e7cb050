// The Quick Color Palette on an in-memory screen, then inside the whole program.

#include "core/quick_palette/quick_palette_pictures.h"
#include "core/settings/settings.h"
#include "fake_screen.h"
#include "find_child.h"
#include "input_events.h"
#include "program_on_fakes.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/palette_controller.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/common/filled_box.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/quick_palette/quick_palette_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace twl {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGrid = 0x080808;

class QuickPaletteTest : public ::testing::Test {
protected:
    QuickPaletteTest() {
        info_.desktopWidth = 1280;
        info_.desktopHeight = 1024;
    }
    QuickPaletteWindow& Window() {
        if (!window_) {
            window_ = std::make_unique<QuickPaletteWindow>(
                settings_, screen_,
                std::vector<std::string>{"#FF0000=red", "#FFFF00=yellow", "#0000FF=blue"}, info_);
            // The colours the window asks the palette to add.
            QObject::connect(window_.get(), &QuickPaletteWindow::colorPicked,
                             [this](TColor color) { picked_.push_back(color); });
        }
        return *window_;
    }
    // The pointer on a screen pixel of that colour.
    void PointAt(std::uint32_t color) {
        screen_.cursor = Point{100, 100};
        screen_.SetPixel(screen_.cursor, color);
    }
    QString ColorLine() { return Child<QLabel>(Window(), "QuiColLBL")->text(); }
    QColor Swatch() { return Child<FilledBox>(Window(), "QuiCol")->Fill(); }

    Settings settings_{};
    ScreenInfo info_;
    FakeScreen screen_{400, 400, 0x000000};
    std::unique_ptr<QuickPaletteWindow> window_;
    std::vector<TColor> picked_;
};

TEST_F(QuickPaletteTest, PointerShowsTheScreenColourAndALeftClickAddsIt) {
    Window();
    for (const char* picture : {"plt1IMG", "plt2IMG"}) {
        SCOPED_TRACE(picture);
        PointAt(0xFF8000);
        Mouse(Child(Window(), picture), QEvent::MouseMove);
        EXPECT_EQ(ColorLine(), QStringLiteral("RGB(255,128,0) | #ff8000 "));
        EXPECT_EQ(Swatch(), QColor(255, 128, 0));
        PointAt(kRed);
        Mouse(Child(Window(), picture), QEvent::MouseButtonPress, Qt::LeftButton);
        ASSERT_FALSE(picked_.empty());
        EXPECT_EQ(picked_.back(), MakeColor(255, 0, 0));
        picked_.clear();
    }
}

TEST_F(QuickPaletteTest, GridColourOverTheWebSafePictureChangesAndAddsNothing) {
    Window();
    QWidget* webSafe = Child(Window(), "plt2IMG");
    PointAt(kGrid);
    Mouse(webSafe, QEvent::MouseMove);
    Mouse(webSafe, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(ColorLine(), QStringLiteral("Move mouse over a color."));
    EXPECT_EQ(Swatch(), QColor(0, 255, 0));
    EXPECT_TRUE(picked_.empty());
    // The spectrum has no grid: the same colour counts there.
    Mouse(Child(Window(), "plt1IMG"), QEvent::MouseMove);
    EXPECT_EQ(ColorLine(), QStringLiteral("RGB(8,8,8) | #080808 "));
}

TEST_F(QuickPaletteTest, WebSafePictureOnScreenGivesItsCellsButNotItsGrid) {
    // The screen shows the web-safe picture with its top-left corner at 0, 0.
    screen_.image = WebSafePicture();
    const struct {
        Point at;
        const char* line; // nullptr: the colour line keeps its first text
    } points[] = {
        {{9, 30}, nullptr},                   // a vertical grid line
        {{40, 18}, nullptr},                  // a horizontal grid line
        {{12, 4}, nullptr},                   // the cell at column 1, row 0
        {{4, 58}, "RGB(255,0,0) | #ff0000 "}, // column 0, row 6
        {{9 * 13 + 3, 9 * 2 + 3}, "RGB(102,0,102) | #660066 "},
    };
    for (const auto& point : points) {
        SCOPED_TRACE(testing::Message() << point.at.x << "," << point.at.y);
        // A fresh window each time: nothing shown before.
        window_.reset();
        picked_.clear();
        screen_.cursor = point.at;
        Mouse(Child(Window(), "plt2IMG"), QEvent::MouseMove);
        Mouse(Child(Window(), "plt2IMG"), QEvent::MouseButtonPress, Qt::LeftButton);
        EXPECT_EQ(ColorLine(), point.line ? QString::fromLatin1(point.line)
                                          : QStringLiteral("Move mouse over a color."));
        EXPECT_EQ(picked_.size(), point.line ? 1u : 0u);
    }
}

// The names always fit the list: the first switch to named colours shows no horizontal bar.
TEST_F(QuickPaletteTest, TheNamedColoursListNeverScrollsSideways) {
    Window().ShowWindow();
    Window().Swap();
    QApplication::processEvents();
    auto* list = Child<QListWidget>(Window(), "NamCoLB");
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(QuickPaletteTest, OnlyTheLeftButtonAdds) {
    Window();
    PointAt(kRed);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        Mouse(Child(Window(), "plt1IMG"), QEvent::MouseButtonPress, button);
        Mouse(Child(Window(), "plt2IMG"), QEvent::MouseButtonPress, button);
    }
    EXPECT_TRUE(picked_.empty());
}

TEST_F(QuickPaletteTest, CtrlEnterOnReleaseAddsTheSelectedRowAndEnterAloneDoesNot) {
    Window().SetQuickPaletteMode(QuickPaletteMode::NamedColors);
    Window();
    auto* list = Child<QListWidget>(Window(), "NamCoLB");
    Key(list, QEvent::KeyRelease, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(picked_.empty()) << "no row selected";
    list->setCurrentRow(1);
    Key(list, QEvent::KeyPress, Qt::Key_Return);
    Key(list, QEvent::KeyRelease, Qt::Key_Return);
    Key(list, QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(picked_.empty());
    Key(list, QEvent::KeyRelease, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(picked_, std::vector<TColor>{MakeColor(255, 255, 0)});
}

TEST_F(QuickPaletteTest, FilterNarrowsTheListAndColoursTheBox) {
    auto* list = Child<QListWidget>(Window(), "NamCoLB");
    auto* filter = Child<QLineEdit>(Window(), "filterEDT");
    filter->setText(QStringLiteral("  "));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(filter->palette().color(QPalette::Base), QColor(255, 102, 102));
    filter->setText(QStringLiteral("YEL"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("#FFFF00=yellow"));
    EXPECT_EQ(filter->palette().color(QPalette::Base), QColor(255, 255, 255));
    filter->clear();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("#0000FF=blue"));
}

TEST_F(QuickPaletteTest, ModesSwapPanelsTitleAndMenu) {
    QuickPaletteWindow& window = Window();
    EXPECT_EQ(window.Mode(), QuickPaletteMode::Palette);
    Key(&window, QEvent::KeyPress, Qt::Key_F5);
    EXPECT_EQ(window.Mode(), QuickPaletteMode::NamedColors);
    EXPECT_EQ(Child<QLabel>(window, "QuiTitleLBL")->text(), QStringLiteral("Named Colors"));
    EXPECT_TRUE(Child(window, "NAMCOPNL")->isEnabled());
    EXPECT_TRUE(Child(window, "QCPPNL")->isHidden());
    EXPECT_TRUE(window.Menus().Item("AddColortoPalette1")->isVisible());
    EXPECT_EQ(window.Menus().Item("Close1")->text(), QStringLiteral("Close Named Colors"));
    // F5 from inside the list swaps back: the window sees the key first.
    Key(Child(window, "NamCoLB"), QEvent::KeyPress, Qt::Key_F5);
    EXPECT_EQ(window.Mode(), QuickPaletteMode::Palette);
    EXPECT_FALSE(Child(window, "NAMCOPNL")->isEnabled());
    EXPECT_FALSE(window.Menus().Item("AddColortoPalette1")->isVisible());
    EXPECT_EQ(window.Menus().Item("Close1")->text(), QStringLiteral("Close Quick Color Palette"));
}

TEST_F(QuickPaletteTest, KeysReachTheirCommands) {
    QuickPaletteWindow& window = Window();
    QStringList heard;
    const auto hear = [&heard](const char* what) { return [&heard, what] { heard << what; }; };
    QObject::connect(&window, &QuickPaletteWindow::optionsRequested, hear("options"));
    QObject::connect(&window, &QuickPaletteWindow::eyeDropperRequested, hear("eye"));
    QObject::connect(&window, &QuickPaletteWindow::testLayoutsRequested, hear("layouts"));
    QObject::connect(&window, &QuickPaletteWindow::colorPropertiesRequested, hear("properties"));
    QObject::connect(&window, &QuickPaletteWindow::helpRequested,
                     [&heard](const QString& page) { heard << page; });
    for (int key : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F6, Qt::Key_F7, Qt::Key_F1}) {
        Key(&window, QEvent::KeyPress, key);
    }
    window.SetQuickPaletteMode(QuickPaletteMode::NamedColors);
    Key(&window, QEvent::KeyPress, Qt::Key_F1);
    EXPECT_EQ(heard,
              (QStringList{"options", "eye", "layouts", "properties", "quipal.htm", "namco.htm"}));
    window.ShowWindow();
    Key(&window, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(QuickPaletteTest, StoredTopBelowTheDesktopBecomesHalfItsHeight) {
    settings_.quiTop = 5000;
    settings_.quiLeft = 300;
    settings_.snapQuickPal = true;
    EXPECT_EQ(Window().pos(), QPoint(300, 512));
    EXPECT_TRUE(Window().Menus().Item("Snap1")->isChecked());
}

class QuickPaletteInProgram : public ProgramOnFakes {};

TEST_F(QuickPaletteInProgram, BarCommandsShowTheWindowInTheirModeAndClicksAddToThePalette) {
    StartProgram();
    QuickPaletteWindow& window = program_->QuickPalette();
    program_->Actions().Item(QStringLiteral("NamedColors2"))->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Mode(), QuickPaletteMode::NamedColors);
    window.hide();
    program_->Actions().Item(QStringLiteral("QuickColorPalette1"))->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Mode(), QuickPaletteMode::Palette);

    screen_.cursor = Point{10, 10};
    screen_.SetPixel(screen_.cursor, 0x00FF00);
    Mouse(Child(window, "plt2IMG"), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(program_->Palette().Model().LineColor(1), MakeColor(0, 255, 0));
}

TEST_F(QuickPaletteInProgram, F5InTheEyeDropperAndColorPropertiesOpensIt) {
    StartProgram();
    QWidget* windows[] = {&program_->EyeDropper(), &program_->ColorProperties()};
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        program_->QuickPalette().hide();
        Key(window, QEvent::KeyPress, Qt::Key_F5);
        EXPECT_TRUE(program_->QuickPalette().isVisible());
    }
}

} // namespace
} // namespace twl

// The Eye Dropper window on an in-memory screen: pick gestures, keys, menus, the value lines,
// the web-safe warning, the comparison and saving the picture.

#include "core/formats/color_formats.h"
#include "core/formats/format_list.h"
#include "core/settings/settings.h"
#include "fake_screen.h"
#include "fake_services.h"
#include "find_child.h"
#include "temp_folder.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QDeadlineTimer>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>
#include <gtest/gtest.h>

#include <fstream>

namespace twl {
namespace {

class EyeDropperTest : public ::testing::Test {
protected:
    EyeDropperTest() : formats_(DefaultColorValueFormats()) {
        settings_.magnifierSize = 0;
        settings_.zoomLevel = 2;
        settings_.samplingMode = 0;
        // A grey screen with one coloured pixel at (100, 50).
        screen_.Fill(800, 600, 0x808080);
        screen_.SetPixel({100, 50}, 0x336699);
    }
    EyeDropperWindow& Window() {
        if (!window_) {
            window_ = std::make_unique<EyeDropperWindow>(settings_, formats_, screen_, clipboard_,
                                                         dialogs_);
            QObject::connect(window_.get(), &EyeDropperWindow::colorPicked,
                             [this](TColor color) { added_.push_back(color); });
        }
        return *window_;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QString text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&Window(), &press);
    }
    void Mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    std::uint32_t ImagePixel(int x, int y) { return Window().Sampler().Image().At(x, y); }
    // Lets the pick's timer run until `done` (a few seconds at most, for a slow machine).
    template <typename F> void TicksUntil(F done) {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
    }
    // Counts the paint events a widget gets.
    struct PaintCounter : QObject {
        PaintCounter(QWidget& widget, int& count) : count_(count) {
            widget.installEventFilter(this);
        }
        bool eventFilter(QObject*, QEvent* event) override {
            count_ += event->type() == QEvent::Paint;
            return false;
        }
        int& count_;
    };

    Settings settings_;
    FormatList formats_;
    FakeScreen screen_;
    FakeClipboard clipboard_;
    FakeDialogs dialogs_;
    std::vector<TColor> added_;
    std::unique_ptr<EyeDropperWindow> window_;
};

TEST_F(EyeDropperTest, StartsFromTheStoredColourAndFormats) {
    settings_.lastEyeColor = MakeColor(51, 102, 153);
    EyeDropperWindow& window = Window();
    EXPECT_EQ(Child<QLabel>(window, "EyeRGBLBL")->text(), "RGB(51,102,153)");
    EXPECT_EQ(Child<QLabel>(window, "EyeHSLLBL")->text(), "HSL(210,50,40)");
    EXPECT_EQ(Child<QLabel>(window, "EyeHEXLBL")->text(),
              "#336699"); // "Hex with #" names "HEX with #"
    EXPECT_EQ(window.size(), QSize(169, 234));
}

TEST_F(EyeDropperTest, ShowingSizesTheWindowAndSamplesAtTheLastPoint) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    EXPECT_EQ(window.size(), QSize(169, 234));
    EXPECT_EQ(Child(window, "EyeIMG")->size(), QSize(145, 145));
    // The first picture is drawn around (0, 0): its left and top halves are silver.
    EXPECT_EQ(ImagePixel(10, 10), kImageSilver);
    window.SetMagnifierSize(1);
    EXPECT_EQ(window.size(), QSize(313, 378));
    EXPECT_EQ(Child(window, "EyePNL")->geometry(), QRect(10, 27, 293, 293));
    EXPECT_EQ(Child(window, "EyeIMG")->size(), QSize(289, 289));
    EXPECT_EQ(Child<QLabel>(window, "EyeRGBLBL")->y(), 183 + 144);
    EXPECT_TRUE(window.Menus().Item("Big1")->isChecked());
    EXPECT_FALSE(window.Menus().Item("Normal1")->isChecked());
}

TEST_F(EyeDropperTest, APressAndReleaseOnThePictureAddsTheColourAtTheShownPoint) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    window.move(300, 200);
    window.Sampler().State().currentPoint = {100, 50};
    window.RenderMagnifier(NudgeDirection::None, 0);
    Mouse(Child(window, "EyeIMG"), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(screen_.CursorPos(), (Point{100, 50})); // the pointer jumps there
    EXPECT_TRUE(window.Picking());
    Mouse(Child(window, "EyeIMG"), QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(window.Picking());
    EXPECT_EQ(added_, std::vector<TColor>{MakeColor(0x33, 0x66, 0x99)});
    EXPECT_EQ(screen_.CursorPos(), (Point{300 + 88, 200 + 105}));
}

TEST_F(EyeDropperTest, CtrlEnterAddsTheColourSampledAtTheFirstShowing) {
    screen_.SetPixel({0, 0}, 0x112233);
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(added_, std::vector<TColor>{MakeColor(0x11, 0x22, 0x33)});
    Key(Qt::Key_Return); // without Ctrl nothing is added
    EXPECT_EQ(added_.size(), 1u);
}

TEST_F(EyeDropperTest, TheGridFollowsCtrlGAndItsItemOneStepAtATime) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    QAction* item = window.Menus().Item("ShowGrid1");
    ASSERT_TRUE(window.Sampler().State().showGrid);
    item->trigger();
    EXPECT_FALSE(window.Sampler().State().showGrid);
    EXPECT_FALSE(item->isChecked());
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(window.Sampler().State().showGrid);
    EXPECT_TRUE(item->isChecked());
    // G alone, or with more than Ctrl, is not the grid's key.
    Key(Qt::Key_G);
    Key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window.Sampler().State().showGrid);
}

TEST_F(EyeDropperTest, ShiftF10DropsTheWindowMenuFromTheMenuButton) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    window.move(200, 150);
    Key(Qt::Key_F10); // without Shift nothing opens
    EXPECT_FALSE(window.Menus().WindowMenu()->isVisible());
    Key(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = window.Menus().WindowMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), Child(window, "EyeMenuBTN")->mapToGlobal(QPoint(0, 0)));
    menu->hide();
}

TEST_F(EyeDropperTest, ArrowsNudgeThePointAndShiftAddsFiveMore) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    window.Sampler().State().currentPoint = {3, 40};
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(window.Sampler().State().currentPoint, (Point{-3, 40}));
    window.Sampler().State().currentPoint = {0, 40};
    Key(Qt::Key_Left);
    EXPECT_EQ(window.Sampler().State().currentPoint, (Point{0, 40}));
    Key(Qt::Key_Down);
    EXPECT_EQ(window.Sampler().State().currentPoint, (Point{0, 41}));
    EXPECT_EQ(screen_.cursorMoves, 0); // nudges never move the pointer
}

TEST_F(EyeDropperTest, ZoomStepsByPlusMinusAndTheWheelWithinTwoToEight) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    Key(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    EXPECT_EQ(window.Sampler().State().zoomLevel, 3);
    EXPECT_TRUE(window.Menus().Item("N6x1")->isChecked());
    EXPECT_TRUE(window.Menus().Item("N6x2")->isChecked());
    Key(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    const int readsAt8x = screen_.reads;
    Key(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    EXPECT_EQ(window.Sampler().State().zoomLevel, 4);
    EXPECT_EQ(screen_.reads, readsAt8x); // nothing redrawn
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &wheel);
    EXPECT_EQ(window.Sampler().State().zoomLevel, 3);
    QWheelEvent bigger(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &bigger);
    EXPECT_EQ(window.Sampler().State().magnifierSize, 1);
    EXPECT_EQ(window.Sampler().State().zoomLevel, 3);
}

TEST_F(EyeDropperTest, ChangingTheSamplingModeSamplesAgainAtTheSamePoint) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    window.Sampler().State().currentPoint = {100, 50};
    window.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_EQ(window.Sampler().SampledColor(), MakeColor(0x33, 0x66, 0x99));
    Key(Qt::Key_2, Qt::ControlModifier); // 3x3
    EXPECT_EQ(window.Sampler().State().samplingMode, 1);
    // (8 × 128 + 51) / 9 = 119, (8 × 128 + 102) / 9 = 125, (8 × 128 + 153) / 9 = 130
    EXPECT_EQ(window.Sampler().SampledColor(), MakeColor(119, 125, 130));
    EXPECT_TRUE(window.Menus().Item("N3x31")->isChecked());
    EXPECT_TRUE(window.Menus().Item("N3x32")->isChecked());
}

TEST_F(EyeDropperTest, TheComparisonShowsOnlyInBigSizeAndMarksEqualColours) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    const QRect visible = window.rect();
    EXPECT_FALSE(visible.intersects(Child(window, "ComparePNL")->geometry())); // Normal: outside
    window.SetMagnifierSize(1);
    EXPECT_TRUE(window.rect().contains(Child(window, "ComparePNL")->geometry()));

    screen_.Fill(800, 600, 0xFFFFFF);
    window.SetNewestColor(MakeColor(255, 255, 255));
    window.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_TRUE(Child(window, "CompareLBL")->isVisibleTo(&window));
    EXPECT_EQ(Child(window, "CompareLBL")->palette().color(QPalette::WindowText),
              QColor(Qt::black));
    window.SetNewestColor(MakeColor(0, 0, 0));
    window.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_FALSE(Child(window, "CompareLBL")->isVisibleTo(&window));
}

TEST_F(EyeDropperTest, TheWebSafeWarningFollowsTheColourAndItsOption) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    window.Sampler().State().currentPoint = {100, 50};
    window.RenderMagnifier(NudgeDirection::None, 0); // #336699 is web safe
    EXPECT_FALSE(Child(window, "PropWSIMG")->isVisibleTo(&window));
    window.Sampler().State().currentPoint = {200, 50}; // grey 128 is not
    window.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_TRUE(Child(window, "PropWSIMG")->isVisibleTo(&window));
    window.Menus().Item("ShowWebSafeInfo1")->trigger();
    EXPECT_FALSE(Child(window, "PropWSIMG")->isVisibleTo(&window));
    EXPECT_FALSE(settings_.eyeShowWebSafeInfo);
    window.Menus().Item("ShowWebSafeInfo1")->trigger();
    EXPECT_TRUE(Child(window, "PropWSIMG")->isVisibleTo(&window));
    EXPECT_TRUE(window.Menus().Item("ShowWebSafeInfo1")->isChecked());
}

TEST_F(EyeDropperTest, ClickingAValueLineCopiesItsCaption) {
    settings_.lastEyeColor = MakeColor(51, 102, 153);
    EyeDropperWindow& window = Window();
    Mouse(Child<QLabel>(window, "EyeHEXLBL"), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(clipboard_.text, "#336699");
}

TEST_F(EyeDropperTest, SavingFollowsTheMenuItemNotTheTypedExtension) {
    TempFolder folder;
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    const std::string path = (folder.Path() / "picture.bmp").string();
    dialogs_.saveAnswer = path;
    window.Menus().Item("GraphicsInterchangeFormat1")->trigger();
    ASSERT_EQ(dialogs_.saveDialogs.size(), 1u);
    EXPECT_EQ(dialogs_.saveDialogs[0].filters,
              "Bitmap Image|*.bmp|PNG Image|*.png|GIF Image|*.gif");
    EXPECT_EQ(dialogs_.saveDialogs[0].filterIndex, 3);
    std::ifstream in(path, std::ios::binary);
    std::string head(6, '\0');
    in.read(head.data(), 6);
    EXPECT_EQ(head, "GIF89a");

    dialogs_.saveAnswer = (folder.Path() / "missing" / "x.png").string();
    window.Menus().Item("PortableNetworkGraphics1")->trigger();
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Sorry! Cannot save image!"});
    dialogs_.saveAnswer.reset(); // cancelled: nothing happens
    window.Menus().Item("WindowsBitmap1")->trigger();
    EXPECT_EQ(dialogs_.messages.size(), 1u);
}

TEST_F(EyeDropperTest, MenusCarryTheirCaptionsInOrder) {
    EyeDropperWindow& window = Window();
    QStringList picture;
    for (QAction* action : window.Menus().PictureMenu()->actions()) {
        picture << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(picture,
              (QStringList{"&2x", "&4x", "&6x", "&8x", "-", "&Single Pixel", "3x3", "5x5"}));
    QStringList main;
    for (QAction* action : window.Menus().WindowMenu()->actions()) {
        main << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(main,
              (QStringList{"Zoom", "Sampling", "Magnifier Size", "-", "Add Color to Palette", "-",
                           "Show Grid", "Show Web Safe Info", "Auto Position", "-", "Save Image as",
                           "Copy Image", "-", "More Options...", "Close Eye Dropper"}));
    EXPECT_TRUE(window.Menus().Item("N4x1")->isChecked()); // zoom 2 is 4x
    EXPECT_TRUE(window.Menus().Item("Snap1")->isChecked());
    window.Menus().Item("Snap1")->trigger();
    EXPECT_FALSE(settings_.snapEyeDropper);
}

TEST_F(EyeDropperTest, TheProgramsOwnWindowsAreLeftOutOfThePicture) {
    EyeDropperWindow& window = Window();
    window.Sampler().SetOwnWindows([](std::vector<Rect>& own) { own.push_back({90, 40, 30, 30}); });
    window.ShowEyeDropper();
    window.Sampler().State().currentPoint = {200, 50};
    window.RenderMagnifier(NudgeDirection::None, 0);
    const TColor before = window.Sampler().SampledColor();
    // Over the window the colour is kept, not read from the window itself.
    window.Sampler().State().currentPoint = {100, 50};
    window.RenderMagnifier(NudgeDirection::None, 0);
    EXPECT_EQ(window.Sampler().SampledColor(), before);
    // The hotkey reads the screen as it is.
    screen_.SetCursorPos({100, 50});
    window.SampleColorAt({0, 0}, true);
    EXPECT_EQ(window.Sampler().SampledColor(), MakeColor(0x33, 0x66, 0x99));
}

TEST_F(EyeDropperTest, TheBoldTitleIsDrawnWithStemsTwoPixelsWide) {
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    const QLabel* title = Child<QLabel>(window, "EyeTitleLBL");
    if (QFontInfo(title->font()).family() != "Tahoma") {
        GTEST_SKIP() << "the shipped Tahoma is not installed";
    }
    // The silver text on the dark title picture: every horizontal run of ink is a stem or a bar.
    const QImage picture = window.grab(title->geometry()).toImage();
    int runs = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width();) {
            int end = x;
            while (end < picture.width() && qGray(picture.pixel(end, y)) > 150) {
                ++end;
            }
            if (end > x) {
                EXPECT_GE(end - x, 2) << "ink at (" << x << ", " << y << ")";
                ++runs;
            }
            x = end + 1;
        }
    }
    EXPECT_GT(runs, 30); // the whole caption is there
}

TEST_F(EyeDropperTest, CloseAndSettingsRoundTrip) {
    EyeDropperWindow& window = Window();
    int quickPlaced = 0;
    QObject::connect(&window, &EyeDropperWindow::quickPaletteDockRequested, [&] { ++quickPlaced; });
    window.ShowEyeDropper();
    window.move(40, 60);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(quickPlaced, 1);
    Settings saved;
    window.CollectSettings(saved);
    EXPECT_EQ(saved.eyeLeft, 40);
    EXPECT_EQ(saved.eyeTop, 60);
    EXPECT_EQ(saved.zoomLevel, 2);
    EXPECT_EQ(saved.magnifierSize, 0);
}

TEST_F(EyeDropperTest, AStillOrSlightlyMovedPointerCostsOneReadAFarMoveTwo) {
    EyeSampler& sampler = Window().Sampler();
    sampler.SetImageSide(145);
    screen_.SetCursorPos({300, 300});
    sampler.Tick();
    const struct {
        Point pointer;
        int reads;
    } steps[] = {{{300, 300}, 1}, {{103, 50}, 2}, {{100, 50}, 1}, {{100, 58}, 1}, {{100, 67}, 2}};
    for (const auto& step : steps) {
        screen_.SetCursorPos(step.pointer);
        const int before = screen_.reads;
        sampler.Tick();
        EXPECT_EQ(screen_.reads - before, step.reads) << step.pointer.x << "," << step.pointer.y;
        EXPECT_EQ(sampler.State().currentPoint, step.pointer);
    }
    // Back at (100, 50) the coloured pixel was sampled and sits in the picture's middle cell.
    screen_.SetCursorPos({100, 50});
    sampler.Tick();
    EXPECT_EQ(sampler.SampledColor(), MakeColor(0x33, 0x66, 0x99));
    EXPECT_EQ(ImagePixel(73, 73), kOpaque | 0x336699u);
}

TEST_F(EyeDropperTest, ThePictureIsPaintedIntoTheWindowsBackingImageAsTheSamplerDrawsIt) {
    EyeDropperWindow& window = Window();
    settings_.showGrid = true;
    window.ShowEyeDropper();
    window.Sampler().State().currentPoint = {100, 50};
    window.RenderMagnifier(NudgeDirection::None, 0);
    QWidget* magnifier = Child(window, "EyeIMG");
    QApplication::processEvents(); // the window is exposed and painted once
    magnifier->repaint();
    auto* backing = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
    ASSERT_NE(backing, nullptr);
    ASSERT_EQ(backing->size(), window.size());
    const QPoint at = magnifier->mapTo(&window, QPoint(0, 0));
    const PixelImage& image = window.Sampler().Image();
    ASSERT_EQ(image.width, 145);
    int differing = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            differing += (backing->pixel(at.x() + x, at.y() + y) | kOpaque) != image.At(x, y);
        }
    }
    EXPECT_EQ(differing, 0);
    // A grab paints elsewhere and gets the same picture through the sampler's copy.
    EXPECT_EQ(magnifier->grab().toImage().pixel(73, 73) | kOpaque, image.At(73, 73));
}

TEST_F(EyeDropperTest, APicksPicturesGoStraightToTheWindowAndAnExposureRepaintsTheLast) {
    FakeWindowPainter painter;
    screen_.painter = &painter;
    EyeDropperWindow& window = Window();
    window.ShowEyeDropper();
    QWidget* magnifier = Child(window, "EyeIMG");
    QApplication::processEvents(); // the window is exposed and painted once
    int paints = 0;
    PaintCounter counter(*magnifier, paints);
    screen_.SetCursorPos({100, 50});
    Mouse(magnifier, QEvent::MouseButtonPress, Qt::LeftButton);
    screen_.SetCursorPos({100, 50});
    TicksUntil([&] { return painter.puts > 0; });
    QApplication::processEvents();
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(painter.putWindow, window.winId());
    const QPoint at = magnifier->mapTo(&window, QPoint(0, 0));
    EXPECT_EQ(painter.putAt, (Point{at.x(), at.y()}));
    const PixelImage& image = window.Sampler().Image();
    EXPECT_EQ(painter.shown.pixels, image.pixels);
    EXPECT_EQ(painter.shown.At(73, 73), kOpaque | 0x336699u);

    // Uncovered, the window shows Qt's copy of it unless the picture is painted there again.
    QExposeEvent exposure(QRegion(window.rect()));
    QApplication::sendEvent(window.windowHandle(), &exposure);
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);

    // A put refused: the picture goes through Qt's painting.
    painter.refusePuts = true;
    const int puts = painter.puts;
    screen_.SetCursorPos({101, 50});
    TicksUntil([&] { return paints > 1; });
    EXPECT_GT(paints, 1);
    EXPECT_EQ(painter.puts, puts);
    Mouse(magnifier, QEvent::MouseButtonRelease, Qt::LeftButton);
}

} // namespace
} // namespace twl

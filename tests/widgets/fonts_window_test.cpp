// The fonts preview: its font list, the preview's order and item heights, the samples, the size
// slider, its menu, and its key on the bar.

#include "find_child.h"
#include "input_events.h"
#include "program_on_fakes.h"
#include "ui/bar/main_bar.h"
#include "ui/fonts/fonts_window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <gtest/gtest.h>

namespace twl {
namespace {

class FontsWindowTest : public ::testing::Test {
protected:
    void Show() {
        window_.ShowWindow();
        ASSERT_GE(FontList()->count(), 12) << "too few fonts installed for these tests";
    }
    QListWidget* FontList() { return Child<QListWidget>(window_, "ListBox1"); }
    QListWidget* Preview() { return Child<QListWidget>(window_, "ListBox2"); }
    QSlider* Slider() { return Child<QSlider>(window_, "sizeTB1"); }
    QString Text(const char* label) { return Child<QLabel>(window_, label)->text(); }
    void Select(std::initializer_list<int> rows) {
        for (int row : rows) {
            FontList()->item(row)->setSelected(true);
        }
    }
    QStringList Shown() {
        QStringList names;
        for (int row = 0; row < Preview()->count(); ++row) {
            names.push_back(Preview()->item(row)->text());
        }
        return names;
    }
    // The height of the font's text plus 24, measured here on its own.
    static int ExpectedHeight(const QString& name, int size) {
        QFont font = name == "Default" ? QApplication::font() : QFont(name);
        font.setPointSize(size);
        return QFontMetrics(font).height() + 24;
    }
    int TopRow() { return Preview()->indexAt(QPoint(0, 0)).row(); }

    TempFolder folder_;
    FontsWindow window_{folder_.Path() / "fonttextsamples.txt"};
};

TEST_F(FontsWindowTest, FontsAreListedOnlyWhenTheWindowFirstShows) {
    EXPECT_EQ(FontList()->count(), 0);
    Show();
    EXPECT_EQ(FontList()->item(0)->text(), "Default");
    for (int row = 2; row < FontList()->count(); ++row) {
        EXPECT_LE(FontList()->item(row - 1)->text().compare(FontList()->item(row)->text(),
                                                            Qt::CaseInsensitive),
                  0);
    }
    window_.CloseFonts();
    const int count = FontList()->count();
    window_.ShowWindow();
    EXPECT_EQ(FontList()->count(), count);
}

TEST_F(FontsWindowTest, ThePreviewListsTheSelectedFontsInTheFontListsOrder) {
    Show();
    Select({3, 0, 2});
    EXPECT_EQ(Shown(),
              (QStringList{"Default", FontList()->item(2)->text(), FontList()->item(3)->text()}));
    FontList()->clearSelection();
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(FontsWindowTest, EachItemIsItsFontsTextHeightPlus24AtEverySize) {
    Show();
    Select({0, 1});
    for (int size : {16, 128}) {
        Slider()->setValue(size);
        EXPECT_EQ(window_.PreviewSize(), size);
        EXPECT_EQ(Text("sizeLBL"), QString::number(size));
        for (int row : {0, 1}) {
            const QListWidgetItem* item = Preview()->item(row);
            EXPECT_EQ(Preview()->visualItemRect(item).height(), ExpectedHeight(item->text(), size))
                << item->text().toStdString() << " at " << size;
        }
    }
}

TEST_F(FontsWindowTest, ItemsAreWhiteWithASilverLineTwoPixelsAboveTheirEnd) {
    Show();
    Select({1});
    const QRect item = Preview()->visualItemRect(Preview()->item(0));
    const QImage shot = Preview()->viewport()->grab().toImage();
    const int right = item.right() - 1;
    EXPECT_EQ(shot.pixelColor(right, item.bottom() - 1), QColor(192, 192, 192));
    EXPECT_EQ(shot.pixelColor(right, item.bottom()), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(right, item.bottom() - 2), QColor(Qt::white));
}

TEST_F(FontsWindowTest, SamplesStepBothWaysAndTheScrollPositionStays) {
    Show();
    EXPECT_EQ(Text("textLBL"), "........");
    for (int row = 0; row < 12; ++row) {
        FontList()->item(row)->setSelected(true);
    }
    Slider()->setValue(40); // items tall enough to scroll
    Preview()->scrollToItem(Preview()->item(3), QAbstractItemView::PositionAtTop);
    ASSERT_EQ(TopRow(), 3);
    Mouse(Child(window_, "TextPrevBTN"), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(Text("textLBL"), "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz");
    EXPECT_EQ(TopRow(), 3);
    Mouse(Child(window_, "TextNextBTN"), QEvent::MouseButtonPress, Qt::LeftButton);
    Mouse(Child(window_, "TextNextBTN"), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(Text("textLBL"), "The quick brown fox jumps over the lazy dog.");
    Slider()->setValue(60);
    EXPECT_EQ(TopRow(), 3);
}

TEST_F(FontsWindowTest, TheSizeSliderShowsOnAClickAndHidesAgain) {
    Show();
    EXPECT_EQ(Slider()->minimum(), 4);
    EXPECT_EQ(Slider()->maximum(), 128);
    EXPECT_EQ(Slider()->value(), 16);
    EXPECT_TRUE(Slider()->isHidden());
    EXPECT_FALSE(Slider()->isEnabled());
    QWidget* size = Child(window_, "sizeLBL");
    const auto expectShown = [&](bool shown, const char* after) {
        EXPECT_EQ(!Slider()->isHidden(), shown) << after;
        EXPECT_EQ(Slider()->isEnabled(), shown) << after;
    };
    Mouse(size, QEvent::MouseButtonPress, Qt::LeftButton);
    expectShown(true, "a click on the size");
    Mouse(size, QEvent::MouseButtonPress, Qt::LeftButton);
    expectShown(false, "a second click");
    Mouse(size, QEvent::MouseButtonPress, Qt::LeftButton);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(Slider(), &focusOut);
    expectShown(false, "the slider lost the focus");
    Mouse(size, QEvent::MouseButtonPress, Qt::LeftButton);
    Mouse(&window_, QEvent::MouseButtonPress, Qt::LeftButton);
    expectShown(false, "a click on the background");
}

TEST_F(FontsWindowTest, MaximizeTogglesTheAnchorsStretchThePreviewAndCloseFontsHides) {
    Show();
    window_.Menus().Item("Maximize1")->trigger();
    EXPECT_TRUE(window_.isMaximized());
    window_.Menus().Item("Maximize1")->trigger();
    EXPECT_FALSE(window_.isMaximized());
    window_.resize(600, 700);
    EXPECT_EQ(Preview()->geometry(), QRect(168, 32, 600 - 181, 700 - 70));
    EXPECT_EQ(FontList()->geometry(), QRect(8, 32, 153, 700 - 70));
    EXPECT_EQ(Slider()->geometry().bottomRight(), QPoint(600 - 30, 700 - 34));
    window_.Menus().Item("CloseFonts1")->trigger();
    EXPECT_FALSE(window_.isVisible());
    window_.ShowWindow();
    Key(&window_, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
}

class FontsInProgramTest : public ProgramOnFakes {};

TEST_F(FontsInProgramTest, CtrlFOnTheBarShowsTheWindowAndTheSamplesAreWrittenAtExit) {
    StartProgram();
    FontsWindow& fonts = program_->Fonts();
    EXPECT_EQ(fonts.windowTitle(), "RudazA");
    EXPECT_FALSE(fonts.FontsListed());
    Key(&program_->Bar(), QEvent::KeyPress, Qt::Key_F);
    EXPECT_FALSE(fonts.isVisible());
    Key(&program_->Bar(), QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(fonts.isVisible());
    program_->Exit();
    EXPECT_EQ(ReadTextLines(UserFolder() / "fonttextsamples.txt"), SampleTexts::DefaultSamples());
}

} // namespace
} // namespace twl

// The Contrast window inside the whole program: F8 and the menus show it beside the bar, its
// colours follow the palette until set by hand, and its report, fixes and simulations.

#include "core/contrast/contrast.h"
#include "core/settings/settings.h"
#include "find_child.h"
#include "program_on_fakes.h"
#include "slot_drag.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_column.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/slot_swatch.h"
#include "ui/contrast/contrast_sample.h"
#include "ui/contrast/contrast_swatch.h"
#include "ui/contrast/contrast_window.h"
#include "ui/test_layouts/layout_area_view.h"
#include "ui/test_layouts/test_layouts_window.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace twl {
namespace {

constexpr TColor kBlue = 0x996633; // #336699
constexpr TColor kWhite = 0xFFFFFF;

class ContrastWindowTest : public ProgramOnFakes {
protected:
    void Start(const std::vector<std::string>& settings = {},
               const std::vector<std::string>& palette = {"$00996633", "clWhite", "clRed"}) {
        WritePalette(palette);
        WriteSettings(settings);
        StartProgram();
    }
    ContrastWindow& Window() { return program_->Contrast(); }
    QString Text(const char* name) { return Child<QLabel>(Window(), name)->text(); }
    void Key(QWidget& target, int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&target, &event);
    }
    void Press(const char* name) {
        QWidget* button = Child(Window(), name);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3),
                          button->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &press);
    }
    void DropColor(const char* swatch, QColor color) {
        QMimeData data;
        data.setColorData(color);
        QWidget* target = Child(Window(), swatch);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
};

TEST_F(ContrastWindowTest, F8ShowsThePaletteTopPairBesideTheBarAndCtrlCCopiesItsReport) {
    Start();
    Key(program_->Bar(), Qt::Key_F8);
    ASSERT_TRUE(Window().isVisible());
    EXPECT_EQ(Window().windowTitle(), "Contrast");
    EXPECT_EQ(Window().size(), QSize(ContrastWindow::kWidth, ContrastWindow::kHeight));
    EXPECT_EQ(Window().y(), program_->Bar().y() + 40);
    EXPECT_EQ(Child<QLineEdit>(Window(), "ContrastTextEDT")->text(), "#336699");
    EXPECT_EQ(Child<QLineEdit>(Window(), "ContrastBackEDT")->text(), "#FFFFFF");
    const auto* sample = Child<ContrastSample>(Window(), "ContrastSamplePNL");
    EXPECT_EQ(sample->TextColor(), kBlue);
    EXPECT_EQ(sample->BackgroundColor(), kWhite);
    EXPECT_EQ(Text("ConRatioLBL"), "5.99:1");
    EXPECT_EQ(Text("ConAANormalLBL"), "pass");
    EXPECT_EQ(Text("ConAAANormalLBL"), "fail");
    EXPECT_EQ(Text("ConAAALargeLBL"), "pass");
    EXPECT_EQ(Text("ConApcaLBL"), "79.8");
    EXPECT_FALSE(Child(Window(), "ContrastSimSamplePNL")->isVisible());

    Key(Window(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard_.text, "Text: #336699\nBackground: #FFFFFF\nContrast ratio: 5.99:1\n"
                               "AA normal text (4.5:1): pass\nAA large text (3:1): pass\n"
                               "AAA normal text (7:1): fail\nAAA large text (4.5:1): pass\n"
                               "Non-text (3:1): pass\nAPCA Lc: 79.8\n");

    // The menus' item and F8 in another tool window show it as well.
    Window().hide();
    program_->Actions().Item(QStringLiteral("ContrastChecker2"))->trigger();
    EXPECT_TRUE(Window().isVisible());
    Window().hide();
    Key(program_->TestLayouts(), Qt::Key_F8);
    EXPECT_TRUE(Window().isVisible());
    Key(Window(), Qt::Key_Escape);
    EXPECT_FALSE(Window().isVisible());
    Key(Window(), Qt::Key_F1);
    ASSERT_FALSE(shell_.opened.empty());
    EXPECT_TRUE(shell_.opened.back().ends_with("help/contrast.htm")) << shell_.opened.back();
}

TEST_F(ContrastWindowTest, ItFollowsThePaletteUntilAColourIsSetAndFollowsAgainWhenAsked) {
    Start({}, {"$00996633"});
    EXPECT_EQ(Window().BackgroundColor(), kWhite); // one slot: white behind
    program_->Palette().AddColorToPalette(0x123456);
    EXPECT_EQ(Window().TextColor(), 0x123456);
    EXPECT_EQ(Window().BackgroundColor(), kBlue);

    Press("ContrastSwapBTN");
    EXPECT_EQ(Window().TextColor(), kBlue);
    EXPECT_EQ(Window().BackgroundColor(), 0x123456);
    EXPECT_FALSE(Window().FollowsPalette());
    program_->Palette().AddColorToPalette(0x00FF00);
    EXPECT_EQ(Window().TextColor(), kBlue);

    DropColor("ContrastBackSWT", QColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(Window().BackgroundColor(), 0xEFCDAB);
    auto* hex = Child<QLineEdit>(Window(), "ContrastTextEDT");
    hex->setText("#FFF");
    emit hex->editingFinished();
    EXPECT_EQ(Window().TextColor(), kWhite);
    hex->setText("nonsense");
    emit hex->editingFinished();
    EXPECT_EQ(hex->text(), "#FFFFFF");

    // The colours set by hand are kept; following the palette stores none.
    Settings collected;
    Window().CollectSettings(collected);
    EXPECT_EQ(collected.contrastText, kWhite);
    EXPECT_EQ(collected.contrastBack, 0xEFCDAB);
    Window().Menus().Item("FollowPalette1")->trigger();
    EXPECT_TRUE(Window().Menus().Item("FollowPalette1")->isChecked());
    EXPECT_EQ(Window().TextColor(), 0x00FF00);
    Window().CollectSettings(collected);
    EXPECT_FALSE(collected.contrastText.has_value());
}

TEST_F(ContrastWindowTest, ABarSlotDroppedOnTheBackgroundSwatchGivesItsColour) {
    Start();
    QWidget* target = Child(Window(), "ContrastBackSWT");
    DragSlotOnto(program_->Palette().Column().Swatch(3), target);
    EXPECT_EQ(Window().BackgroundColor(), 0x0000FF);
    EXPECT_EQ(Window().TextColor(), kBlue);
}

TEST_F(ContrastWindowTest, StoredColoursAndPlaceComeBack) {
    Start(
        {"ContrastText=clYellow", "ContrastBack=$00800000", "ContrastTop=300", "ContrastLeft=200"});
    EXPECT_FALSE(Window().FollowsPalette());
    EXPECT_EQ(Window().TextColor(), 0x00FFFF);
    EXPECT_EQ(Window().BackgroundColor(), 0x800000);
    emit program_->Actions().contrastRequested();
    EXPECT_EQ(Window().pos(), QPoint(200, 300));
}

TEST_F(ContrastWindowTest, TheFixIsAThirdSwatchThatAddsToThePalette) {
    Start({}, {"$00999999", "clWhite"});
    EXPECT_FALSE(Child(Window(), "ContrastFixSWT")->isVisible());
    Press("ContrastFixAAABTN");
    const auto fix = Window().FixedColor();
    ASSERT_TRUE(fix.has_value());
    EXPECT_EQ(*fix, 0x595959);
    EXPECT_EQ(Child<ContrastSwatch>(Window(), "ContrastFixSWT")->Color(), 0x595959);
    EXPECT_EQ(Text("ContrastFixLBL"), "#595959 passes AAA at 7.00:1");
    Press("ContrastFixSWT");
    EXPECT_EQ(program_->Palette().Model().PaletteList().front(), "$00595959");
    // The palette changed: the window follows it, and the fix of the old pair goes.
    EXPECT_FALSE(Window().FixedColor().has_value());

    Window().SetColor(ContrastWindow::kBackground, 0x777777);
    Window().SetColor(ContrastWindow::kText, 0x777777);
    Press("ContrastFixAAABTN");
    EXPECT_FALSE(Window().FixedColor().has_value());
    EXPECT_EQ(Text("ContrastFixLBL"), "No text colour of this hue passes AAA here.");
}

TEST_F(ContrastWindowTest, OneSimulationForBothWindowsShowsBesideTheRealPairAndIsKept) {
    Start({"TestAutoColor=1"});
    Window().Menus().Item("Protanopia1")->trigger();
    EXPECT_EQ(program_->CurrentSettings().colorVision, 1);
    EXPECT_FALSE(Child(Window(), "ContrastSimSamplePNL")->isHidden());
    EXPECT_EQ(Text("ContrastSimLBL"), "Protanopia");
    const auto* seen = Child<ContrastSample>(Window(), "ContrastSimSamplePNL");
    EXPECT_EQ(seen->TextColor(), SimulateColorVision(kBlue, ColorVision::Protanopia));
    EXPECT_EQ(Text("ConSimRatioLBL"), QString::fromStdString(RatioText(ContrastRatio(
                                          seen->TextColor(), seen->BackgroundColor()))) +
                                          ":1");

    // Test Layouts ticks the same vision, draws through it and says so.
    TestLayoutsWindow& layouts = program_->TestLayouts();
    EXPECT_TRUE(layouts.Menus().Item("Protanopia1")->isChecked());
    EXPECT_FALSE(layouts.Menus().Item("NormalVision1")->isChecked());
    EXPECT_TRUE(layouts.LayoutName().endsWith(QStringLiteral(" \u00B7 Protan")))
        << layouts.LayoutName().toStdString();
    EXPECT_EQ(Child<LayoutAreaView>(layouts, "S3")->Color(),
              SimulateColorVision(0x0000FF, ColorVision::Protanopia));
    layouts.Menus().Item("CopyImage1")->trigger();
    const TColor seenRed = SimulateColorVision(0x0000FF, ColorVision::Protanopia);
    EXPECT_EQ(clipboard_.image.At(0, 60), 0xFF000000u |
                                              static_cast<unsigned>(RedOf(seenRed)) << 16 |
                                              static_cast<unsigned>(GreenOf(seenRed)) << 8 |
                                              static_cast<unsigned>(BlueOf(seenRed)));
    layouts.Menus().Item("NormalVision1")->trigger();
    EXPECT_TRUE(Window().Menus().Item("NormalVision1")->isChecked());
    EXPECT_TRUE(Child(Window(), "ContrastSimSamplePNL")->isHidden());
    EXPECT_EQ(Child<LayoutAreaView>(layouts, "S3")->Color(), 0x0000FF);
}

} // namespace
} // namespace twl

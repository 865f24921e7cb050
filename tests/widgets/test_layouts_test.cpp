// The Test Layouts window inside the whole program: its layouts, colours, drops, menu and keys.

#include "core/base/text_file.h"
#include "core/settings/settings.h"
#include "find_child.h"
#include "program_on_fakes.h"
#include "slot_drag.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/slot_swatch.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/test_layouts/layout_area_view.h"
#include "ui/test_layouts/test_layouts_window.h"

#include <QApplication>
#include <QDrag>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <gtest/gtest.h>

#include <functional>

namespace twl {
namespace {

const std::vector<std::string> kPalette{"$000000FF", "$0000FF00", "$00FF0000",
                                        "$0000FFFF", "$00FF00FF", "$00808080"};
const TColor kSlotColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};

class TestLayoutsTest : public ProgramOnFakes {
protected:
    void Start(const std::vector<std::string>& settings = {}) {
        WritePalette(kPalette);
        WriteSettings(settings);
        StartProgram();
    }
    void WriteLayout(const std::string& name, const std::vector<std::string>& lines) {
        std::filesystem::create_directories(UserFolder() / "TLs");
        ASSERT_TRUE(WriteTextLines(UserFolder() / "TLs" / name, lines));
    }
    TestLayoutsWindow& Window() { return program_->TestLayouts(); }
    LayoutAreaView* Area(const char* name) { return Child<LayoutAreaView>(Window(), name); }
    std::vector<TColor> AreaColors() {
        std::vector<TColor> colors;
        for (const char* name : {"S1", "S2", "S3", "S4", "S5"}) {
            colors.push_back(Area(name)->Color());
        }
        return colors;
    }
    void Press(const char* name) {
        QWidget* button = Child(Window(), name);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3),
                          button->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &press);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&Window(), &event);
    }
};

TEST_F(TestLayoutsTest, TheBuiltInLayoutShowsTheFirstFiveColours) {
    Start({"LastTL=missing.tl"});
    EXPECT_EQ(Child<QLabel>(Window(), "TestNameLBL")->text(), "5 Colors (Horizontal)");
    EXPECT_EQ(AreaColors(), std::vector<TColor>(std::begin(kSlotColors), std::end(kSlotColors)));
    EXPECT_EQ(Area("S1")->geometry(), QRect(0, 0, 144, 29));
    EXPECT_EQ(Area("S5")->geometry(), QRect(0, 116, 144, 28));
    EXPECT_EQ(Child(Window(), "TestPNL")->geometry(), QRect(10, 27, 144, 144));
}

TEST_F(TestLayoutsTest, AutoColorOffKeepsTheAreasAndSwitchingItOnRecoloursAll) {
    Start({"TestAutoColor=0"});
    program_->Palette().AddColorToPalette(0x123456);
    EXPECT_EQ(AreaColors(), std::vector<TColor>(std::begin(kSlotColors), std::end(kSlotColors)));
    Window().Menus().Item("AutoColor1")->trigger();
    EXPECT_TRUE(program_->CurrentSettings().testAutoColor);
    EXPECT_EQ(AreaColors(),
              (std::vector<TColor>{0x123456, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF}));
    program_->Palette().AddColorToPalette(0x654321);
    EXPECT_EQ(Area("S1")->Color(), 0x654321);
}

TEST_F(TestLayoutsTest, DroppingSlotThreeOnS2RecoloursS2Only) {
    Start({"TestAutoColor=0"});
    LayoutAreaView* target = Area("S2");
    DragSlotOnto(program_->Palette().Column().Swatch(3), target);
    EXPECT_EQ(AreaColors(),
              (std::vector<TColor>{0x0000FF, 0xFF0000, 0xFF0000, 0x00FFFF, 0xFF00FF}));
}

TEST_F(TestLayoutsTest, AColourFromAnotherProgramRecoloursTheArea) {
    Start();
    QMimeData data;
    data.setColorData(QColor(0x12, 0x34, 0x56));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Area("S4"), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Area("S4"), &drop);
    EXPECT_EQ(Area("S4")->Color(), 0x563412);
    EXPECT_EQ(Area("S3")->Color(), 0xFF0000);
}

TEST_F(TestLayoutsTest, TheLastLayoutLoadsAndTheButtonsStepWithWrapAround) {
    WriteLayout("a.tl", {"name=First", "s1.visible=1", "s1.left=10", "s1.width=20"});
    WriteLayout("b.tl", {"title=Second", "s1.visible=1", "s2.visible=0"});
    Start({"LastTL=b.tl"});
    EXPECT_EQ(Window().LayoutName(), "Second");
    // Area 1 keeps the built-in geometry: the file gives none.
    EXPECT_EQ(Area("S1")->geometry(), QRect(0, 0, 144, 29));
    EXPECT_FALSE(Area("S2")->isVisibleTo(&Window()));
    const auto& list = Window().LayoutFileList();
    ASSERT_EQ(list.size(), 2u);
    const int second = Window().CurrentLayoutIndex();
    EXPECT_EQ(list[static_cast<std::size_t>(second)], "b.tl");
    Press("TestNextBTN");
    EXPECT_EQ(Window().CurrentLayoutIndex(), 1 - second);
    Press("TestNextBTN");
    EXPECT_EQ(Window().CurrentLayoutIndex(), second);
    Press("TestPrevBTN");
    Press("TestPrevBTN");
    EXPECT_EQ(Window().CurrentLayoutIndex(), second);
    EXPECT_EQ(program_->CurrentSettings().lastTestLayout, "b.tl");
}

TEST_F(TestLayoutsTest, ABadGeometryValueGoesToTheErrorReport) {
    WriteLayout("bad.tl", {"name=Bad", "s1.height=12", "s1.left=oops"});
    Start({"LastTL=bad.tl"});
    EXPECT_EQ(dialogs_.errors, std::vector<std::string>{"'oops' is not a valid integer value."});
    EXPECT_EQ(Window().LayoutName(), "Bad");
    EXPECT_EQ(Window().Layout().areas[0].height, 12);
}

TEST_F(TestLayoutsTest, CopyImageOffersTheRenderedPreview) {
    Start();
    Window().Menus().Item("CopyImage1")->trigger();
    ASSERT_EQ(clipboard_.image.width, 144);
    ASSERT_EQ(clipboard_.image.height, 144);
    EXPECT_EQ(clipboard_.image.At(0, 28), 0xFFFF0000u);
    EXPECT_EQ(clipboard_.image.At(143, 29), 0xFF00FF00u);
}

TEST_F(TestLayoutsTest, SaveItemsUseTheirOwnFormatAndReportAFailure) {
    Start();
    struct Case {
        const char* item;
        int filter;
        const char* magic;
    };
    const Case cases[] = {{"PortableNetworkGraphicsFilepng1", 2, "\x89PNG"},
                          {"WindowsBitmapFilebmp1", 1, "BM"},
                          {"GraphicsInterchangeFormatgif1", 3, "GIF8"}};
    for (const Case& c : cases) {
        const std::string path = (home_.Path() / "picture.img").string();
        dialogs_.saveAnswer = path;
        Window().Menus().Item(c.item)->trigger();
        ASSERT_FALSE(dialogs_.saveDialogs.empty());
        EXPECT_EQ(dialogs_.saveDialogs.back().filterIndex, c.filter) << c.item;
        EXPECT_EQ(dialogs_.saveDialogs.back().fileName, "") << c.item;
        EXPECT_TRUE(ReadWholeFile(path).value_or("").starts_with(c.magic)) << c.item;
    }
    dialogs_.saveAnswer = (home_.Path() / "no/such/folder/x.png").string();
    Window().Menus().Item("PortableNetworkGraphicsFilepng1")->trigger();
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Sorry! Cannot save file!"});
}

TEST_F(TestLayoutsTest, KeysReachTheirCommands) {
    Start();
    using Signal = void (TestLayoutsWindow::*)();
    struct Case {
        int key;
        Signal signal;
    };
    const Case cases[] = {{Qt::Key_F3, &TestLayoutsWindow::optionsRequested},
                          {Qt::Key_F4, &TestLayoutsWindow::eyeDropperRequested},
                          {Qt::Key_F5, &TestLayoutsWindow::quickPaletteRequested},
                          {Qt::Key_F6, &TestLayoutsWindow::testLayoutsRequested},
                          {Qt::Key_F7, &TestLayoutsWindow::colorPropertiesRequested}};
    for (const Case& c : cases) {
        int heard = 0;
        const auto connection = QObject::connect(&Window(), c.signal, [&heard] { ++heard; });
        Key(c.key);
        QObject::disconnect(connection);
        EXPECT_EQ(heard, 1) << c.key;
    }
    Key(Qt::Key_F1);
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_TRUE(shell_.opened[0].ends_with("help/test.htm")) << shell_.opened[0];
    Window().ShowWindow();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Window().isVisible());
    Window().ShowWindow();
    Window().Menus().Item("Close1")->trigger();
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(TestLayoutsTest, TheTestLayoutsCommandsShowTheWindowBesideTheBar) {
    Start({"snapTest=1"});
    const std::function<void()> commands[] = {
        [this] { emit program_->Actions().testLayoutsRequested(); },
        [this] { emit program_->EyeDropper().testLayoutsRequested(); },
        [this] { emit program_->ColorProperties().testLayoutsRequested(); },
        [this] { emit Window().testLayoutsRequested(); }};
    for (const auto& command : commands) {
        Window().hide();
        Window().move(900, 900);
        command();
        EXPECT_TRUE(Window().isVisible());
        EXPECT_EQ(Window().y(), program_->Bar().y() + 40);
    }
}

// With Auto Position off nothing docks it: its first showing centres the 165 x 200 window.
TEST_F(TestLayoutsTest, TheFirstShowingWithoutAutoPositionCentresTheWindow) {
    Start({"snapTest=0"});
    emit program_->Actions().testLayoutsRequested();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Window().pos(),
              QPoint(screen.left() + (screen.width() - TestLayoutsWindow::kWidth) / 2,
                     screen.top() + (screen.height() - TestLayoutsWindow::kHeight) / 2));
}

TEST_F(TestLayoutsTest, TheStoredPlaceAndOptionsAreReadAndCollected) {
    Start({"TestTop=120", "TestLeft=300", "snapTest=1", "TestAutoColor=1"});
    EXPECT_EQ(Window().pos(), QPoint(300, 120));
    EXPECT_TRUE(Window().Menus().Item("Snap1")->isChecked());
    EXPECT_TRUE(Window().Menus().Item("AutoColor1")->isChecked());
    Window().Menus().Item("Snap1")->trigger();
    EXPECT_FALSE(program_->CurrentSettings().snapTest);
    Window().move(40, 50);
    Settings collected;
    Window().CollectSettings(collected);
    EXPECT_EQ(collected.testTop, 50);
    EXPECT_EQ(collected.testLeft, 40);
}

} // namespace
} // namespace twl

// The main bar's menus, keys, hotkey, Hide and Show, Stay on Top and the colour dialog, with
// the whole program started on in-memory services.

#include "app/program.h"
#include "core/base/text_file.h"
#include "find_child.h"
#include "program_on_fakes.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/pick_flow.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace twl {
namespace {

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

class BarActionsTest : public ProgramOnFakes {
protected:
    void Start(const std::vector<std::string>& settings = {}) {
        if (!settings.empty()) {
            WriteSettings(settings);
        }
        StartProgram();
    }
    BarActions& Actions() { return program_->Actions(); }
    QAction* Item(const char* name) { return Actions().Item(QString::fromLatin1(name)); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&program_->Bar(), &press);
    }
    std::vector<std::string> Palette() { return program_->Palette().Model().PaletteList(); }
};

TEST_F(BarActionsTest, MenusListTheirItemsInOrder) {
    Start();
    EXPECT_EQ(
        Captions(Actions().MainMenu()),
        (QStringList{"Eye Dropper", "&Quick Color Palette", "Named Colors", "Test Layouts",
                     "Windows Color &Dialog...", "HTML Quick Reference", "Co&ntrast Checker", "-",
                     "&Paste Color", "&Copy Palette as", "Save Palette as", "Open Pa&lette...", "-",
                     "&Options", "H&elp", "-", "&Hide TWL", "E&xit"}));
    EXPECT_EQ(Captions(Actions().TrayMenu()), (QStringList{"&Show TWL",
                                                           "-",
                                                           "Eye Dropper",
                                                           "&Quick Color Palette",
                                                           "Named Colors",
                                                           "Test Layouts",
                                                           "Windows Color &Dialog...",
                                                           "HTML Quick Reference",
                                                           "Co&ntrast Checker",
                                                           "-",
                                                           "&Paste Color",
                                                           "&Copy Palette as",
                                                           "Save Palette as",
                                                           "Open Pa&lette...",
                                                           "-",
                                                           "Stay on Top",
                                                           "&Options...",
                                                           "H&elp...",
                                                           "&About...",
                                                           "-",
                                                           "E&xit"}));
    EXPECT_EQ(Actions().TrayMenu()->defaultAction(), Item("ShowTWL1"));
    EXPECT_TRUE(Item("ShowTWL1")->font().bold());
    EXPECT_EQ(Captions(Actions().SlotMenu()),
              (QStringList{"&HEX", "HE&X with #", "Color S&watch", "&RGB", "H&SL", "&Delphi Hex",
                           "V&B Hex", "V&C++ Hex", "&ActionScript Hex", "-", "Make Web Safe",
                           "Remove from Palette"}));
    EXPECT_EQ(Captions(Item("Options1")->menu()),
              (QStringList{"Stay on Top", "Auto Copy", "-", "More Options..."}));
    EXPECT_EQ(Captions(Item("Help2")->menu()),
              (QStringList{"&Help Documents...", "How to...", "-", "Quick Tips", "Online Resources",
                           "-", "&About..."}));
    EXPECT_EQ(
        Captions(Item("VTontheWeb1")->menu()),
        (QStringList{"VT Home Page (tintwell.example.org)", "&Check for New Version", "&Support",
                     "Report Problem", "-", "Color Resources", "Online Color Scheme Generator"}));
    for (const char* copy : {"CopyPaletteas1", "CopyPaletteas2"}) {
        EXPECT_EQ(Captions(Item(copy)->menu()),
                  (QStringList{"Color Swatches", "&HEX", "HE&X with #", "&RGB",
                               "CSS Custom Properties", "JSON"}));
    }
    for (const char* save : {"SavePaletteas1", "SavePaletteas2"}) {
        EXPECT_EQ(Captions(Item(save)->menu()),
                  (QStringList{"Color Swatches", "VT Orlin Color List...", "GIMP Palette (.gpl)...",
                               "Adobe Swatch Exchange (.ase)...",
                               "Photoshop Swatches with Names (.aco)...",
                               "CSS Custom Properties (.css)...", "JSON (.json)..."}));
    }
    EXPECT_EQ(Captions(Item("ColorSwatches1")->menu()),
              (QStringList{"Portable Network Graphics File (.png)", "Windows Bitmap File (.bmp)",
                           "Graphics Interchange Format (.gif)", "Photoshop Swatches (.aco)"}));
}

TEST_F(BarActionsTest, EveryPaletteExportItemAsksForItsOwnExport) {
    Start();
    QStringList asked;
    QObject::connect(&Actions(), &BarActions::paletteExportRequested,
                     [&](const QString& item) { asked << item; });
    const QStringList items{"CopyAllasBitmap1",
                            "CopyAllasBitmap2",
                            "HEX1",
                            "HEXwith1",
                            "RGB1",
                            "HEX3",
                            "HEXwith3",
                            "RGB3",
                            "PortableNetworkGraphicsFile1",
                            "PortableNetworkGraphicsFile2",
                            "WindowsBitmapFile1",
                            "WindowsBitmapFilebmp1",
                            "GraphicsInterchangeFormat1",
                            "GraphicsInterchangeFormatgif1",
                            "PhotoShopSwatches1",
                            "PhotoShopSwatches2",
                            "VTOrlinColorList1",
                            "VTOrlinColorList2"};
    for (const QString& item : items) {
        Actions().Item(item)->trigger();
    }
    EXPECT_EQ(asked, items);
    // The tray's copy items sit in the tray's menu.
    EXPECT_EQ(Item("HEX3")->parent(), &Actions());
    EXPECT_TRUE(Item("CopyPaletteas2")->menu()->actions().contains(Item("HEX3")));
    EXPECT_THROW(Actions().Item(QStringLiteral("HEX4")), UnknownMenuItem);
}

TEST_F(BarActionsTest, KeysReachTheirCommandsAndF10OpensTheMenuAtTheTitle) {
    Start();
    int pastes = 0, options = 0, properties = 0;
    QObject::connect(&Actions(), &BarActions::pasteColorRequested, [&] { ++pastes; });
    QObject::connect(&Actions(), &BarActions::optionsRequested, [&] { ++options; });
    QObject::connect(&Actions(), &BarActions::colorPropertiesRequested, [&] { ++properties; });
    Key(Qt::Key_V);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_F3);
    Key(Qt::Key_F7, Qt::ShiftModifier); // other modifiers do not matter on the bar
    EXPECT_EQ(pastes, 1);
    EXPECT_EQ(options, 1);
    EXPECT_EQ(properties, 1);

    program_->Bar().move(300, 200);
    Key(Qt::Key_F10);
    EXPECT_TRUE(Actions().MainMenu()->isVisible());
    EXPECT_EQ(Actions().MainMenu()->pos(), QPoint(304, 206));
    Actions().MainMenu()->hide();
}

// Each key of the bar's table reaches its own command, once, and no other.
TEST_F(BarActionsTest, EveryKeyOfTheBarReachesItsOwnCommandOnce) {
    Start();
    using Signal = void (BarActions::*)();
    const Signal commands[] = {
        &BarActions::eyeDropperRequested,     &BarActions::quickPaletteRequested,
        &BarActions::testLayoutsRequested,    &BarActions::contrastRequested,
        &BarActions::pasteColorRequested,     &BarActions::optionsRequested,
        &BarActions::autoCopyNewestRequested, &BarActions::colorPropertiesRequested,
        &BarActions::fontsRequested};
    std::vector<int> heard(std::size(commands), 0);
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        QObject::connect(&Actions(), commands[i], [&heard, i] { ++heard[i]; });
    }
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int command; // index in commands
    };
    const Case cases[] = {
        {Qt::Key_F4, {}, 0},
        {Qt::Key_F5, {}, 1},
        {Qt::Key_F6, {}, 2},
        {Qt::Key_F8, {}, 3},
        {Qt::Key_V, Qt::ControlModifier, 4},
        {Qt::Key_F3, {}, 5},
        {Qt::Key_C, Qt::ControlModifier, 6},
        {Qt::Key_F7, {}, 7},
        {Qt::Key_F, Qt::ControlModifier, 8},
    };
    for (const Case& c : cases) {
        std::vector<int> expected = heard;
        ++expected[static_cast<std::size_t>(c.command)];
        Key(c.key, c.modifiers);
        EXPECT_EQ(heard, expected) << "key " << std::hex << c.key;
    }
    Key(Qt::Key_F1);
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_TRUE(shell_.opened[0].ends_with("help/index.htm"));
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::KeyboardModifiers{}},
          std::pair{Qt::Key_W, Qt::KeyboardModifiers{Qt::ControlModifier}}}) {
        program_->Bar().show();
        Key(key, modifiers);
        EXPECT_FALSE(program_->Bar().isVisible()) << key;
    }
    EXPECT_EQ(heard, std::vector<int>(std::size(commands), 1));
    EXPECT_EQ(shell_.opened.size(), 1u);
}

TEST_F(BarActionsTest, PasteColorPutsTheFirstLineOnTopWithoutACopy) {
    Start({"captureandcopy=1"});
    clipboard_.text = "#FF0000\r\n#00FF00\n#0000FF";
    const int sets = clipboard_.sets;
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Palette().size(), 15u);
    EXPECT_EQ(Palette()[0], "clRed");
    EXPECT_EQ(Palette()[1], "clLime");
    EXPECT_EQ(Palette()[2], "clBlue");
    EXPECT_EQ(program_->Bar().height(), 15 * 22 + 65);
    EXPECT_EQ(clipboard_.sets, sets);

    // A bad number stops the paste at its line, keeping the colours of the lines below it.
    clipboard_.text = "#123456\nRGB(1,2,x)\n#00FFFF";
    Item("PasteColor2")->trigger();
    EXPECT_EQ(Palette()[0], "clAqua");
    EXPECT_EQ(Palette()[1], "clRed");
    EXPECT_EQ(dialogs_.errors, std::vector<std::string>{"'x' is not a valid integer value."});
}

// CSS colour text is read only with "PasteCSS" on; the program's own forms stay as they were.
TEST_F(BarActionsTest, PasteReadsCssColourTextOnlyWithPasteCssOn) {
    Start({"PasteCSS=0"});
    clipboard_.text = "rgb(51 102 153)";
    const std::size_t before = Palette().size();
    Item("PasteColor2")->trigger();
    EXPECT_EQ(Palette().size(), before);

    program_.reset();
    Start({"PasteCSS=1"});
    clipboard_.text = "rgb(51 102 153)\n--accent: hwb(0 0% 0%);";
    Item("PasteColor2")->trigger();
    EXPECT_EQ(Palette()[0], "$00996633");
    EXPECT_EQ(Palette()[1], "clRed");
}

TEST_F(BarActionsTest, StayOnTopFromEitherMenuTicksBoth) {
    Start();
    Item("StayonTop2")->trigger();
    EXPECT_TRUE(program_->CurrentSettings().stayOnTop);
    EXPECT_TRUE(Item("StayonTop1")->isChecked());
    EXPECT_TRUE(Item("StayonTop2")->isChecked());
    EXPECT_TRUE(program_->Bar().windowFlags() & Qt::WindowStaysOnTopHint);
    Item("StayonTop1")->trigger();
    EXPECT_FALSE(Item("StayonTop2")->isChecked());
    EXPECT_FALSE(program_->Bar().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(BarActionsTest, AutoCopyItemFollowsAndSetsTheSetting) {
    Start({"captureandcopy=0"});
    EXPECT_FALSE(Item("AutoCopy1")->isChecked());
    Item("AutoCopy1")->trigger();
    EXPECT_TRUE(program_->CurrentSettings().autoCopy);
    EXPECT_TRUE(Item("AutoCopy1")->isChecked());
}

TEST_F(BarActionsTest, F4OpensTheEyeDropperButNotWithAlt) {
    Start();
    Key(Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(program_->EyeDropper().isVisible());
    Key(Qt::Key_F4);
    EXPECT_TRUE(program_->EyeDropper().isVisible());
}

TEST_F(BarActionsTest, ShowBringsBackOnlyTheToolWindowsThatWereOpen) {
    Start();
    program_->EyeDropperCommand();
    Key(Qt::Key_Escape); // Hide
    EXPECT_FALSE(program_->Bar().isVisible());
    EXPECT_FALSE(program_->EyeDropper().isVisible());
    Item("ShowTWL1")->trigger();
    EXPECT_TRUE(program_->Bar().isVisible());
    EXPECT_TRUE(program_->EyeDropper().isVisible());
    program_->EyeDropper().CloseEyeDropper();
    Key(Qt::Key_W, Qt::ControlModifier); // Hide
    Actions().Show();
    EXPECT_FALSE(program_->EyeDropper().isVisible());
}

TEST_F(BarActionsTest, SlotMenuCopiesTheSlotUnderThePointerAndActsOnIt) {
    Start();
    SlotSwatch* slot3 = program_->Palette().Column().Swatch(3);
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), slot3->mapToGlobal(QPointF(4, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(slot3, &move);
    Item("HEX2")->trigger();
    EXPECT_EQ(clipboard_.text, "8000FF"); // the default slot 3
    Item("ActionScriptHex2")->trigger();
    EXPECT_EQ(clipboard_.text, "0x8000FF");
    Item("MakeWebsafe2")->trigger();
    EXPECT_EQ(Palette()[2], "$00FF0099"); // (128, 0, 255) snaps to (153, 0, 255)
    Item("Removefrompalette1")->trigger();
    EXPECT_EQ(Palette().size(), 11u);
    EXPECT_EQ(Palette()[2], "clBlue");
}

TEST_F(BarActionsTest, TheHotkeyAddsAndCopiesOnlyAsTheSettingsSay) {
    Start({"captureandcopy=1", "ACopyonHotkey=1", "copyas=HEX with #", "sampling=0"});
    ASSERT_TRUE(hotkey_.registered.has_value());
    EXPECT_EQ(*hotkey_.registered, (Hotkey{kModWin, "Q"}));
    screen_.SetPixel({500, 400}, 0xAA5500);
    screen_.SetCursorPos({500, 400});
    hotkey_.Press();
    EXPECT_EQ(Palette().front(), "$000055AA");
    EXPECT_EQ(program_->Bar().height(), 13 * 22 + 65); // the bar grew with the new slot
    EXPECT_EQ(program_->Palette().SlotColor(1), MakeColor(0xAA, 0x55, 0x00));
    EXPECT_EQ(clipboard_.text, "#AA5500");
    EXPECT_EQ(Child<QLabel>(program_->EyeDropper(), "EyeHEXLBL")->text(), "#AA5500");

    program_->CurrentSettings().autoCopyOnHotkey = false;
    clipboard_.text.clear();
    hotkey_.Press();
    EXPECT_EQ(Palette().size(), 14u);
    EXPECT_EQ(clipboard_.text, "");

    program_->CurrentSettings().autoCopy = false;
    hotkey_.Press();
    EXPECT_EQ(Palette().size(), 14u);
}

TEST_F(BarActionsTest, TheHotkeyShowsAHiddenBarButNotItsToolWindows) {
    Start({"captureandcopy=0"});
    program_->EyeDropperCommand();
    Actions().Hide();
    hotkey_.Press();
    EXPECT_TRUE(program_->Bar().isVisible());
    EXPECT_FALSE(program_->EyeDropper().isVisible());
    EXPECT_EQ(Palette().size(), 12u);
}

TEST_F(BarActionsTest, AHotkeyHeldByAnotherProgramIsNotRegistered) {
    hotkey_.heldElsewhere = true;
    Start({"hotkey=Ctrl+Shift+Z"});
    EXPECT_FALSE(hotkey_.registered.has_value());
    hotkey_.heldElsewhere = false;
    EXPECT_TRUE(program_->Picks().RegisterHotkey());
    EXPECT_EQ(*hotkey_.registered, (Hotkey{kModCtrl | kModShift, "Z"}));
}

TEST_F(BarActionsTest, TheColourDialogAddsTheChosenColourAndRemembersIt) {
    Start();
    dialogs_.colorAnswer.reset();
    Item("WindowsColorDialog1")->trigger();
    EXPECT_EQ(Palette().size(), 12u);
    dialogs_.colorAnswer = MakeColor(1, 2, 3);
    Item("WindowsColorDialog2")->trigger();
    EXPECT_EQ(Palette().front(), "$00030201");
    Item("WindowsColorDialog1")->trigger();
    EXPECT_EQ(dialogs_.colorDialogStarts, (std::vector<TColor>{0, 0, MakeColor(1, 2, 3)}));
}

TEST_F(BarActionsTest, HelpAndWebItemsOpenTheirPages) {
    Start();
    Key(Qt::Key_F1);
    Item("KeyboardShortcuts1")->trigger();
    Item("ReportProblem1")->trigger();
    EXPECT_EQ(shell_.opened,
              (std::vector<std::string>{"/opt/twl/help/index.htm", "/opt/twl/help/keyboard.htm",
                                        "https://tintwell.example.org/support/bugreport.htm"}));
}

TEST_F(BarActionsTest, CtrlCCopiesNothingWhileAutoCopyIsOff) {
    Start({"captureandcopy=0"});
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard_.sets, 0);
}

} // namespace
} // namespace twl

// The Color Properties window beside a real palette, then inside the whole program.

#include "app/program.h"
#include "core/base/text_file.h"
#include "core/formats/color_formats.h"
#include "core/formats/format_list.h"
#include "core/settings/settings.h"
#include "fake_screen.h"
#include "fake_services.h"
#include "find_child.h"
#include "input_events.h"
#include "program_on_fakes.h"
#include "temp_folder.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <gtest/gtest.h>

#include <algorithm>

namespace twl {
namespace {

class ColorPropertiesTest : public ::testing::Test {
protected:
    ColorPropertiesTest() : formats_(DefaultColorValueFormats()), palette_(&bar_, dialogs_) {
        screen_.desktopWidth = 1280;
        screen_.desktopHeight = 1024;
    }
    ColorPropertiesWindow& Window() {
        if (!window_) {
            window_ = std::make_unique<ColorPropertiesWindow>(settings_, formats_, palette_,
                                                              clipboard_, screen_);
            // As the program wires it: the palette shows each changed slot here.
            QObject::connect(&palette_, &PaletteController::showColorProperties, window_.get(),
                             &ColorPropertiesWindow::ShowColorProperties);
        }
        return *window_;
    }
    // The colour becomes slot 1, the selected slot, and the window shows it.
    void SelectColor(TColor color) {
        palette_.AddColorToPalette(color, PaletteController::AutoCopy::Skip);
        Window().ShowColorProperties(color);
    }
    std::optional<TColor> SelectedSlotColor() const {
        return palette_.Model().LineColor(palette_.SelectedSlot());
    }
    QLineEdit* OpenHexEditor() {
        Mouse(Child(Window(), "PropHEXLBL"), QEvent::MouseButtonPress, Qt::RightButton);
        Mouse(Child(Window(), "PropHEXLBL"), QEvent::MouseButtonRelease, Qt::RightButton);
        return Child<QLineEdit>(Window(), "PropHEXEDT");
    }
    bool Shows(const char* name) { return Child(Window(), name)->isVisibleTo(&Window()); }

    Settings settings_;
    FormatList formats_;
    FakeDialogs dialogs_;
    FakeClipboard clipboard_;
    ScreenInfo screen_;
    QWidget bar_;
    PaletteController palette_;
    std::unique_ptr<ColorPropertiesWindow> window_;
};

TEST_F(ColorPropertiesTest, ComponentsSitWhereTheyBelongWithAndWithoutVariations) {
    const std::pair<const char*, QRect> places[] = {{"PropColPNL", {11, 14, 40, 40}},
                                                    {"PropCol", {2, 2, 37, 37}},
                                                    {"PropWSIMG", {22, 22, 15, 15}},
                                                    {"PropMenuBTN", {154, 6, 13, 9}},
                                                    {"V1PNL", {11, 61, 18, 18}},
                                                    {"V7PNL", {143, 61, 18, 18}},
                                                    {"V4", {2, 2, 15, 15}}};
    for (const bool variations : {false, true}) {
        settings_.showVariations = variations;
        window_.reset();
        EXPECT_EQ(Window().size(), QSize(173, variations ? 87 : 66));
        for (const auto& [name, place] : places) {
            EXPECT_EQ(Child(Window(), name)->geometry(), place) << name;
        }
        EXPECT_EQ(Child(Window(), "PropHEXLBL")->pos(), QPoint(58, 41));
        EXPECT_EQ(Shows("V3PNL"), variations);
        EXPECT_FALSE(Shows("PropWSIMG"));
        EXPECT_FALSE(Shows("PropHEXEDT"));
    }
    // One click on the item turns the strip the other way, once.
    Window().Menus().Item("ShowVariations1")->trigger();
    EXPECT_EQ(Window().height(), 66);
    EXPECT_FALSE(Shows("V3PNL"));
    EXPECT_FALSE(settings_.showVariations);
}

TEST_F(ColorPropertiesTest, ValueLinesShowTheirFormatsAndAClickCopiesTheCaption) {
    settings_.colPropFormat2 = "No such format";
    Window().ShowColorProperties(MakeColor(51, 102, 153));
    const std::pair<const char*, const char*> lines[] = {
        {"PropRGBLBL", "RGB(51,102,153)"}, {"PropHSLLBL", ""}, {"PropHEXLBL", "#336699"}};
    for (const auto& [name, text] : lines) {
        EXPECT_EQ(Child<QLabel>(Window(), name)->text(), text);
        clipboard_.text = "before";
        Mouse(Child(Window(), name), QEvent::MouseButtonPress, Qt::LeftButton);
        EXPECT_EQ(clipboard_.text, text) << name;
    }
}

// The value lines are silver on black, their hints dark on the hint's cream.
TEST_F(ColorPropertiesTest, TheValueLinesHintsAreDarkTextOnTheHintBackground) {
    Window().ShowColorProperties(MakeColor(51, 102, 153));
    Window().show();
    for (const char* name : {"PropRGBLBL", "PropHEXLBL"}) {
        QWidget* label = Child(Window(), name);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(192, 192, 192)) << name;
        QToolTip::showText(label->mapToGlobal(QPoint(2, 2)), label->toolTip(), label);
        QWidget* tip = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("QTipLabel") && widget->isVisible()) {
                tip = widget;
            }
        }
        ASSERT_NE(tip, nullptr) << name;
        EXPECT_LT(tip->palette().color(QPalette::ToolTipText).lightness(), 100) << name;
        EXPECT_LT(tip->palette().color(QPalette::WindowText).lightness(), 100) << name;
        QToolTip::hideText();
    }
}

TEST_F(ColorPropertiesTest, TheVariationMenuCopiesTheSwatchLastHovered) {
    // Each format tagged with its own name, so an item wired to another one shows.
    for (const char* name : {"HEX", "Hex with #", "RGB", "HSL", "Delphi Hex", "VB Hex", "VC++ Hex",
                             "Actionscript Hex"}) {
        formats_.SetTemplate(name, std::string(name) + ":{rh}{gh}{bh}");
    }
    Window().ShowWindow();
    Window().move(100, 100);
    Window().ShowColorProperties(MakeColor(255, 0, 0));
    Mouse(Child(Window(), "V5"), QEvent::MouseMove);
    Mouse(Child(Window(), "V3"), QEvent::MouseMove);
    Mouse(Child(Window(), "V3"), QEvent::MouseButtonPress, Qt::RightButton);
    QMenu* menu = Window().Menus().VariationMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(100 + 55 + 2 + 8, 100 + 61 + 2 + 8));
    menu->hide();

    Window().ShowColorProperties(MakeColor(0, 0, 255)); // V3 was (255, 51, 51) when hovered
    const std::pair<const char*, const char*> items[] = {{"HEX4", "HEX"},
                                                         {"HEXwith4", "Hex with #"},
                                                         {"RGB4", "RGB"},
                                                         {"HSL4", "HSL"},
                                                         {"DelphiHex4", "Delphi Hex"},
                                                         {"VBHex4", "VB Hex"},
                                                         {"VCHex4", "VC++ Hex"},
                                                         {"ActionScriptHex4", "Actionscript Hex"}};
    for (const auto& [item, format] : items) {
        Window().Menus().Item(item)->trigger();
        EXPECT_EQ(clipboard_.text, std::string(format) + ":FF3333") << item;
    }
    std::vector<TColor> swatches;
    QObject::connect(&Window(), &ColorPropertiesWindow::colorSwatchRequested,
                     [&](TColor color) { swatches.push_back(color); });
    Window().Menus().Item("ColorSwatch4")->trigger();
    EXPECT_EQ(swatches, std::vector<TColor>{MakeColor(255, 51, 51)});
}

TEST_F(ColorPropertiesTest, TheHexEditorChecksEveryChangeAndAppliesWhenTheEditEnds) {
    enum End { Enter, PressOnSwatch, FocusLost };
    const TColor start = MakeColor(30, 80, 200);
    const struct {
        const char* typed;
        End end;
        bool valid;
        TColor slot;
    } cases[] = {{"#1a2B3c", Enter, true, 0x003C2B1A},
                 {"abc", PressOnSwatch, true, MakeColor(0xAA, 0xBB, 0xCC)},
                 {"F0A", FocusLost, true, MakeColor(0xFF, 0x00, 0xAA)},
                 {"12345", Enter, false, start},
                 {"##123456", FocusLost, false, start}};
    Window().ShowWindow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SelectColor(start);
        QLineEdit* editor = OpenHexEditor();
        EXPECT_TRUE(editor->isEnabled() && editor->isVisibleTo(&Window()));
        EXPECT_EQ(editor->text(), "1E50C8");
        editor->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(editor->palette().color(QPalette::Base),
                  c.valid ? QApplication::palette(editor).color(QPalette::Base)
                          : QColor(255, 102, 102));
        if (c.end == Enter) {
            Key(editor, QEvent::KeyRelease, Qt::Key_Return);
        } else if (c.end == PressOnSwatch) {
            Mouse(Child(Window(), "PropCol"), QEvent::MouseButtonPress, Qt::LeftButton);
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
            QApplication::sendEvent(editor, &out);
        }
        EXPECT_FALSE(editor->isEnabled() || editor->isVisibleTo(&Window()));
        EXPECT_EQ(SelectedSlotColor(), c.slot);
        EXPECT_EQ(Window().ShownColor(), c.slot);
    }
}

TEST_F(ColorPropertiesTest, AdjustmentsMoveOneStepOfFiveAndClamp) {
    const struct {
        const char* item;
        TColor from, to;
    } cases[] = {
        {"Lighten1", MakeColor(128, 128, 128), MakeColor(141, 141, 141)},    // 50 → 55
        {"Darken1", MakeColor(128, 128, 128), MakeColor(115, 115, 115)},     // 50 → 45
        {"Lighten1", MakeColor(255, 240, 240), MakeColor(255, 255, 255)},    // 97 → 100
        {"Darken1", MakeColor(8, 0, 0), MakeColor(0, 0, 0)},                 // 2 → 0
        {"Saturate1", MakeColor(153, 102, 102), MakeColor(160, 96, 96)},     // 20 → 25
        {"Saturate1", MakeColor(250, 5, 5), MakeColor(255, 0, 0)},           // 96 → 100
        {"Desaturate1", MakeColor(130, 125, 125), MakeColor(128, 128, 128)}, // 2 → 0
    };
    int changes = 0;
    QObject::connect(&palette_, &PaletteController::paletteChanged, [&] { ++changes; });
    for (const auto& c : cases) {
        SelectColor(c.from);
        changes = 0;
        Window().Menus().Item(c.item)->trigger();
        EXPECT_EQ(SelectedSlotColor(), c.to) << c.item;
        EXPECT_EQ(Window().ShownColor(), c.to) << c.item;
        EXPECT_EQ(changes, 1) << c.item;
    }
}

TEST_F(ColorPropertiesTest, TheWebSafeWarningSnapsTheSlotsOwnColourAndFollowsItsOption) {
    palette_.AddColorToPalette(MakeColor(30, 80, 200), PaletteController::AutoCopy::Skip);
    Window().ShowColorProperties(MakeColor(1, 1, 1)); // another colour than the slot's
    EXPECT_TRUE(Shows("PropWSIMG"));
    Mouse(Child(Window(), "PropWSIMG"), QEvent::MouseButtonPress, Qt::RightButton);
    Mouse(Child(Window(), "PropWSIMG"), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(SelectedSlotColor(), MakeColor(51, 102, 204));
    EXPECT_EQ(Window().ShownColor(), MakeColor(51, 102, 204));
    EXPECT_FALSE(Shows("PropWSIMG"));

    // Off, the warning stays hidden; on again, it shows for the colour at once.
    Window().Menus().Item("ShowWebSafeInfo1")->trigger();
    Window().ShowColorProperties(MakeColor(2, 2, 2));
    EXPECT_FALSE(Shows("PropWSIMG"));
    EXPECT_FALSE(settings_.colPropShowWebSafeInfo);
    Window().Menus().Item("ShowWebSafeInfo1")->trigger();
    EXPECT_TRUE(Shows("PropWSIMG"));
}

TEST_F(ColorPropertiesTest, EachKeyReachesItsOwnCommand) {
    using W = ColorPropertiesWindow;
    QStringList heard;
    const std::pair<void (W::*)(), const char*> commands[] = {{&W::optionsRequested, "F3"},
                                                              {&W::eyeDropperRequested, "F4"},
                                                              {&W::quickPaletteRequested, "F5"},
                                                              {&W::testLayoutsRequested, "F6"},
                                                              {&W::colorPropertiesRequested, "F7"}};
    for (const auto& [signal, name] : commands) {
        QObject::connect(&Window(), signal, [&heard, name = name] { heard << name; });
    }
    QObject::connect(&Window(), &W::helpRequested, [&](const QString& page) { heard << page; });
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QStringList expected;
    } cases[] = {
        {Qt::Key_F1, Qt::ShiftModifier, {"colprop.htm"}},
        {Qt::Key_Escape, {}, {"closed"}},
        {Qt::Key_F3, {}, {"F3"}},
        {Qt::Key_F4, Qt::ControlModifier, {"F4"}},
        {Qt::Key_F5, {}, {"F5"}},
        {Qt::Key_F6, {}, {"F6"}},
        {Qt::Key_F7, {}, {"F7"}},
        {Qt::Key_F10, Qt::ShiftModifier, {"menu"}},
        {Qt::Key_F10, {}, {}},
        {Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier, {}},
    };
    for (const auto& c : cases) {
        Window().ShowWindow();
        Window().move(200, 150);
        heard.clear();
        Key(&Window(), QEvent::KeyPress, c.key, c.modifiers);
        if (!Window().isVisible()) {
            heard << "closed";
        }
        if (QMenu* menu = Window().Menus().WindowMenu(); menu->isVisible()) {
            heard << "menu";
            EXPECT_EQ(menu->pos(), Child(Window(), "PropMenuBTN")->mapToGlobal(QPoint(0, 0)));
            menu->hide();
        }
        EXPECT_EQ(heard, c.expected) << QKeySequence(c.key | c.modifiers).toString().toStdString();
    }
}

TEST_F(ColorPropertiesTest, StoredPositionAndFlagsAreReadAtCreationAndThePositionCollected) {
    settings_.propTop = 5000; // below the screen: half its height
    settings_.propLeft = -30; // taken as it is
    settings_.snapColorProp = false;
    settings_.colPropShowWebSafeInfo = false;
    settings_.showVariations = false;
    EXPECT_EQ(Window().pos(), QPoint(-30, 512));
    for (const char* item : {"Snap1", "ShowWebSafeInfo1", "ShowVariations1"}) {
        EXPECT_FALSE(Window().Menus().Item(item)->isChecked()) << item;
    }
    EXPECT_EQ(Window().height(), 66);
    Window().move(40, 1000);
    Settings collected;
    Window().CollectSettings(collected);
    EXPECT_EQ(collected.propTop, 1000);
    EXPECT_EQ(collected.propLeft, 40);
}

// The window inside the whole program on in-memory services.
class ColorPropertiesProgramTest : public ProgramOnFakes {
protected:
    void SetUp() override { StartProgram(); }
    ColorPropertiesWindow& Window() { return program_->ColorProperties(); }
    QWidget* Slot(int slot) { return program_->Palette().Column().Swatch(slot); }
    const std::vector<std::string>& Lines() { return program_->Palette().Model().PaletteList(); }
};

TEST_F(ColorPropertiesProgramTest, ALeftPressOnASlotShowsItsColourBesideTheSlot) {
    EXPECT_FALSE(Window().isVisible());
    Mouse(Slot(3), QEvent::MouseMove);
    Mouse(Slot(3), QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Child<QLabel>(Window(), "PropRGBLBL")->text(), "RGB(128,0,255)");
    EXPECT_EQ(Window().pos(), QPoint(395 - 173, 209 + 100)); // left of the bar, level with slot 3

    // The variations' swatch item puts a swatch picture of the hovered one on the clipboard.
    Mouse(Child(Window(), "V7"), QEvent::MouseMove);
    Window().Menus().Item("ColorSwatch4")->trigger();
    EXPECT_EQ(clipboard_.image.width, 37);
    EXPECT_EQ(clipboard_.image.height, 50);
    // A variation released with any button goes into the palette.
    Mouse(Child(Window(), "V7"), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(Lines().size(), 13u);
    EXPECT_EQ(program_->Palette().SlotColor(1), MakeColor(51, 0, 102)); // lightness 20
    // Pointing at another slot ends a HEX edit on the slot it began with.
    Mouse(Slot(2), QEvent::MouseMove);
    QLineEdit* editor = Child<QLineEdit>(Window(), "PropHEXEDT");
    Mouse(Child(Window(), "PropHEXLBL"), QEvent::MouseButtonRelease, Qt::RightButton);
    editor->setText(QStringLiteral("123456"));
    Mouse(Slot(5), QEvent::MouseMove);
    EXPECT_FALSE(editor->isEnabled());
    EXPECT_EQ(Lines()[1], "$00563412");
}

TEST_F(ColorPropertiesProgramTest, F7FromEachWindowShowsItAndHideRemembersIt) {
    for (QWidget* source :
         {static_cast<QWidget*>(&program_->Bar()), static_cast<QWidget*>(&program_->EyeDropper()),
          static_cast<QWidget*>(&Window())}) {
        Window().hide();
        Key(source, QEvent::KeyPress, Qt::Key_F7);
        EXPECT_TRUE(Window().isVisible()) << source->objectName().toStdString();
        EXPECT_EQ(Window().y(), 209 + 56); // beside slot 1, the selected one
    }
    program_->Actions().Hide();
    EXPECT_FALSE(Window().isVisible());
    program_->Actions().Show();
    EXPECT_TRUE(Window().isVisible());

    Key(&Window(), QEvent::KeyPress, Qt::Key_F4);
    EXPECT_TRUE(program_->EyeDropper().isVisible());
    Key(&Window(), QEvent::KeyPress, Qt::Key_F1);
    EXPECT_EQ(shell_.opened, std::vector<std::string>{"/opt/twl/help/colprop.htm"});
}

TEST_F(ColorPropertiesProgramTest, ExitWritesItsPositionAndOptions) {
    program_->ColorPropertiesCommand();
    Window().move(300, 200);
    Window().Menus().Item("ShowVariations1")->trigger();
    Window().Menus().Item("Snap1")->trigger();
    program_->Exit();
    const auto lines = ReadTextLines(home_.Path() / "config/Vantrel/TWL/set.set");
    ASSERT_TRUE(lines.has_value());
    for (const char* line : {"PropTop=200", "PropLeft=300", "EyeShowQVars=0", "snapColorProp=0",
                             "ColPropShowWSinfo=1"}) {
        EXPECT_NE(std::find(lines->begin(), lines->end(), line), lines->end()) << line;
    }
}

} // namespace
} // namespace twl

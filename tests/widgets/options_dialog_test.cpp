// The Options dialog and the format editor inside the whole program on in-memory services.

#include "core/base/text_file.h"
#include "core/formats/format_edit.h"
#include "core/formats/format_list.h"
#include "core/settings/hotkey_text.h"
#include "core/settings/settings.h"
#include "find_child.h"
#include "program_on_fakes.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/fonts/fonts_window.h"
#include "ui/options/format_editor.h"
#include "ui/options/hotkey_field.h"
#include "ui/options/options_dialog.h"
#include "ui/quick_palette/quick_palette_window.h"
#include "ui/quick_reference/quick_reference_window.h"
#include "ui/test_layouts/test_layouts_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>
#include <functional>
#include <tuple>

namespace twl {
namespace {

void Click(QWidget* button) {
    static_cast<QAbstractButton*>(button)->click();
}

class OptionsDialogTest : public ProgramOnFakes {
protected:
    OptionsDialog& Options() { return program_->Options(); }
    void OpenOptions() { Options().ShowOptions(); }
    QListWidget* FormatView() { return Child<QListWidget>(Options(), "CFormatsLB"); }
    void SelectFormat(const char* name) {
        const auto names = program_->Formats().Names();
        const auto at = std::find(names.begin(), names.end(), name);
        ASSERT_NE(at, names.end());
        FormatView()->setCurrentRow(static_cast<int>(at - names.begin()));
    }
    bool HasFormat(const char* name) {
        const auto names = program_->Formats().Names();
        return std::find(names.begin(), names.end(), name) != names.end();
    }
};

TEST_F(OptionsDialogTest, EveryRequestOpensTheDialogOnItsPage) {
    StartProgram();
    const std::pair<std::function<void()>, int> cases[] = {
        {[this] { emit program_->Actions().optionsRequested(); }, -1},
        {[this] { emit program_->EyeDropper().optionsRequested(); }, -1},
        {[this] { emit program_->ColorProperties().optionsRequested(); }, -1},
        {[this] { emit program_->QuickPalette().optionsRequested(); }, -1},
        {[this] { emit program_->TestLayouts().optionsRequested(); }, -1},
        {[this] { emit program_->EyeDropper().moreOptionsRequested(); },
         OptionsDialog::kEyeDropper},
        {[this] { emit program_->ColorProperties().moreOptionsRequested(); },
         OptionsDialog::kColorProperties},
    };
    auto* pages = Options().findChild<QStackedWidget*>();
    for (const auto& [request, page] : cases) {
        Options().hide();
        Child<QListWidget>(Options(), "TabsLB")->setCurrentRow(OptionsDialog::kAutoCopy);
        request();
        EXPECT_TRUE(Options().isVisible());
        EXPECT_EQ(pages->currentIndex(), page < 0 ? int(OptionsDialog::kAutoCopy) : page);
    }
    EXPECT_EQ(Options().objectName(), "Form8");
    EXPECT_EQ(Options().windowTitle(), "Options");
    EXPECT_EQ(Options().size(), QSize(568, 371));
    EXPECT_FALSE(Options().isModal());
}

TEST_F(OptionsDialogTest, F1OpensTheOptionsHelpPage) {
    StartProgram();
    OpenOptions();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(Child(Options(), "HotKey1"), &f1);
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_NE(shell_.opened[0].find("options.htm"), std::string::npos);
}

TEST_F(OptionsDialogTest, EachModifierBoxRoundTripsThroughTheHotkey) {
    StartProgram();
    const char* boxes[] = {"CheckBox8", "CheckBox5", "CheckBox7", "CheckBox6"};
    const char* hotkeys[] = {"Win+F9", "Ctrl+F9", "Alt+F9", "Shift+F9"};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        program_->CurrentSettings().globalHotkey = ParseHotkey(hotkeys[i]);
        OpenOptions();
        for (std::size_t j = 0; j < std::size(boxes); ++j) {
            EXPECT_EQ(Child<QCheckBox>(Options(), boxes[j])->isChecked(), i == j) << hotkeys[i];
        }
        EXPECT_EQ(Child<QLineEdit>(Options(), "HotKey1")->text(), "F9");
        Click(Child(Options(), "Button1"));
        EXPECT_EQ(hotkey_.registered, ParseHotkey(hotkeys[i]));
    }
    EXPECT_EQ(FormatView()->count(), static_cast<int>(program_->Formats().Count()));
}

TEST_F(OptionsDialogTest, ChoosersSelectTheirSettingInAnyCaseAndOkStoresEachUnderItsKey) {
    WriteSettings({"EyeCVF1=rgb", "EyeCVF2=hex", "EyeCVF3=RGB", "ColPropCVF1=HEX",
                   "ColPropCVF2=Rgb", "ColPropCVF3=hex", "copyas=rgb"});
    StartProgram();
    OpenOptions();
    const auto names = program_->Formats().Names();
    const char* choosers[] = {"CVFEye1stCB",   "CVFEye2ndCB",   "CVFEye3rdCB",  "CVFColProp1CB",
                              "CVFColProp2CB", "CVFColProp3CB", "ACopyFormatCB"};
    const char* shown[] = {"RGB", "HEX", "RGB", "HEX", "RGB", "HEX", "RGB"};
    for (std::size_t i = 0; i < std::size(choosers); ++i) {
        EXPECT_EQ(Child<QComboBox>(Options(), choosers[i])->currentText(), shown[i]) << i;
    }
    // A different format in each chooser shows which setting each one feeds.
    ASSERT_GE(names.size(), std::size(choosers));
    for (std::size_t i = 0; i < std::size(choosers); ++i) {
        Child<QComboBox>(Options(), choosers[i])->setCurrentIndex(static_cast<int>(i));
    }
    Click(Child(Options(), "Button1"));
    const Settings& settings = program_->CurrentSettings();
    const std::string stored[] = {settings.eyeFormat1,     settings.eyeFormat2,
                                  settings.eyeFormat3,     settings.colPropFormat1,
                                  settings.colPropFormat2, settings.colPropFormat3,
                                  settings.autoCopyFormat};
    for (std::size_t i = 0; i < std::size(choosers); ++i) {
        EXPECT_EQ(stored[i], names[i]) << choosers[i];
    }
    EXPECT_FALSE(Options().isVisible());
}

TEST_F(OptionsDialogTest, RemovingRgbThenCancelStillRemovesIt) {
    StartProgram();
    OpenOptions();
    SelectFormat("RGB");
    const int before = FormatView()->count();
    Click(Child(Options(), "Button5"));
    Click(Child(Options(), "Button2"));
    EXPECT_FALSE(HasFormat("RGB"));
    EXPECT_EQ(FormatView()->count(), before - 1);
    EXPECT_TRUE(dialogs_.messages.empty());
    program_->Exit();
    const auto lines = ReadTextLines(home_.Path() / "config/Vantrel/Shared/cvf.ini");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), static_cast<std::size_t>(before - 1));
    for (const auto& line : *lines) {
        EXPECT_FALSE(line.starts_with("RGB=")) << line;
    }
}

TEST_F(OptionsDialogTest, OddFormatRowsAreStripedAndRowsAreTwentyPixelsHigh) {
    StartProgram();
    Options().ShowOptionsOnPage(OptionsDialog::kColorFormats);
    QApplication::processEvents();
    FormatView()->setCurrentRow(-1);
    FormatView()->clearSelection();
    const QImage picture = FormatView()->viewport()->grab().toImage();
    const QPalette& colors = FormatView()->palette();
    ASSERT_EQ(FormatView()->visualItemRect(FormatView()->item(1)).height(), 20);
    const int right = picture.width() - 3;
    EXPECT_EQ(picture.pixelColor(right, 10), colors.color(QPalette::Base));
    EXPECT_EQ(picture.pixelColor(right, 30), colors.color(QPalette::Button));
    EXPECT_EQ(picture.pixelColor(right, 50), colors.color(QPalette::Base));
}

// Reopened on its last page, the page list marks that page's name though another control has
// the focus: its row is not all background.
TEST_F(OptionsDialogTest, TheShownPagesNameIsMarkedWithoutTheFocus) {
    StartProgram();
    Options().ShowOptionsOnPage(OptionsDialog::kEyeDropper);
    Options().hide();
    Options().ShowOptions();
    auto* names = Child<QListWidget>(Options(), "TabsLB");
    Child(Options(), "Button1")->setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(names->hasFocus());
    EXPECT_EQ(names->currentRow(), OptionsDialog::kEyeDropper);
    const QImage picture = names->viewport()->grab().toImage();
    const QRect row = names->visualItemRect(names->item(OptionsDialog::kEyeDropper));
    const QColor base = names->palette().color(QPalette::Base);
    int marked = 0;
    for (int x = row.left(); x <= row.right(); ++x) {
        marked += picture.pixelColor(x, row.top()) != base;
    }
    EXPECT_GT(marked, row.width() / 2);
}

// The titles share one bold face; the Options headings, at 16 pixels, have stems two pixels wide.
TEST_F(OptionsDialogTest, TitlesAreBoldAndTheHeadingsStemsTwoPixelsWide) {
    StartProgram();
    for (QWidget* title : {Child(program_->QuickReference(), "QRefTitleLBL"),
                           Child(program_->Fonts(), "FontsTitleLBL"),
                           Child(program_->TestLayouts(), "TestTitleLBL")}) {
        EXPECT_TRUE(title->font().bold()) << title->objectName().toStdString();
        EXPECT_TRUE(title->font().styleStrategy() & QFont::NoAntialias)
            << title->objectName().toStdString();
    }
    Options().ShowOptionsOnPage(0);
    QApplication::processEvents();
    QLabel* heading = nullptr;
    for (QLabel* label : Options().findChildren<QLabel*>()) {
        if (label->text() == "General" && label->isVisible()) {
            heading = label;
        }
    }
    ASSERT_NE(heading, nullptr);
    const QImage picture = heading->grab().toImage();
    int narrowest = 1000, runs = 0;
    for (int y = 0; y < picture.height(); ++y) {
        int run = 0;
        for (int x = 0; x <= picture.width(); ++x) {
            const bool ink = x < picture.width() && picture.pixelColor(x, y).lightness() < 128;
            if (ink) {
                ++run;
            } else if (run > 0) {
                narrowest = std::min(narrowest, run);
                ++runs;
                run = 0;
            }
        }
    }
    EXPECT_GT(runs, 20);
    EXPECT_GE(narrowest, 2);
}

TEST_F(OptionsDialogTest, RemoveDoesNothingWhileTheEditorIsOpenOrNothingIsSelected) {
    StartProgram();
    OpenOptions();
    const std::size_t count = program_->Formats().Count();
    FormatView()->setCurrentRow(-1);
    Click(Child(Options(), "Button5"));
    EXPECT_EQ(program_->Formats().Count(), count);
    SelectFormat("RGB");
    Click(Child(Options(), "Button3"));
    ASSERT_TRUE(Options().Editor().isVisible());
    Click(Child(Options(), "Button5"));
    EXPECT_TRUE(HasFormat("RGB"));
}

TEST_F(OptionsDialogTest, AChooserNamingARemovedFormatIsEmptyAndOkStoresTheEmptyName) {
    WriteSettings({"EyeCVF1=Gone", "EyeCVF2=HEX"});
    StartProgram();
    OpenOptions();
    EXPECT_EQ(Child<QComboBox>(Options(), "CVFEye1stCB")->currentIndex(), -1);
    Click(Child(Options(), "Button1"));
    EXPECT_EQ(program_->CurrentSettings().eyeFormat1, "");
    EXPECT_EQ(program_->CurrentSettings().eyeFormat2, "HEX");
    const auto lines = ReadTextLines(UserFolder() / "set.set");
    ASSERT_TRUE(lines);
    EXPECT_NE(std::find(lines->begin(), lines->end(), "EyeCVF1="), lines->end());
    EXPECT_TRUE(std::filesystem::exists(UserFolder() / "cvf.ini"));
}

TEST_F(OptionsDialogTest, TogglingAutostartTwiceStillAppliesItOnOk) {
    WriteSettings({"startonstartup=1"});
    StartProgram();
    const auto entry = environment_.autostartFolder / "vttwl.desktop";
    std::filesystem::remove(entry);
    OpenOptions();
    Click(Child(Options(), "Button1"));
    EXPECT_FALSE(std::filesystem::exists(entry)) << "untouched box: nothing applied";

    OpenOptions();
    Click(Child(Options(), "CheckBox1"));
    Click(Child(Options(), "CheckBox1"));
    Click(Child(Options(), "Button1"));
    EXPECT_TRUE(std::filesystem::exists(entry));
    EXPECT_TRUE(program_->CurrentSettings().startWithWindows);
}

TEST_F(OptionsDialogTest, EachBoxShowsAndSetsItsOwnSettingAndOkAppliesItAtOnce) {
    WriteSettings({"stayontop=0", "captureandcopy=0", "EyeShowComparison=1", "showprogram=1",
                   "AutoCopySwatch=0", "ACopyonHotkey=0"});
    StartProgram();
    ASSERT_FALSE(Child(program_->EyeDropper(), "ComparePNL")->isHidden());
    const char* boxes[] = {"CheckBox3",      "CheckBox2",        "ShowComparisonCHE", "CheckBox9",
                           "ACopySwatchCHE", "ACopyonHotkeyCHE", "PasteCSSCHE"};
    const auto state = [this] {
        const Settings& s = program_->CurrentSettings();
        return std::vector<bool>{s.stayOnTop,   s.autoCopy,       s.eyeShowComparison,
                                 s.showAtStart, s.autoCopySwatch, s.autoCopyOnHotkey,
                                 s.pasteCss};
    };
    // One box at a time, so that two boxes wired to each other's setting show.
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        std::vector<bool> expected = state();
        OpenOptions();
        for (std::size_t j = 0; j < std::size(boxes); ++j) {
            EXPECT_EQ(Child<QCheckBox>(Options(), boxes[j])->isChecked(), expected[j]) << boxes[j];
        }
        Click(Child(Options(), boxes[i]));
        Click(Child(Options(), "Button1"));
        expected[i] = !expected[i];
        EXPECT_EQ(state(), expected) << boxes[i];
    }
    for (const char* item : {"StayonTop1", "StayonTop2", "AutoCopy1"}) {
        EXPECT_TRUE(program_->Actions().findChild<QAction*>(item)->isChecked()) << item;
    }
    EXPECT_TRUE(program_->Bar().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Child(program_->EyeDropper(), "ComparePNL")->isHidden());
}

TEST_F(OptionsDialogTest, TheHotkeyComesFromTheBoxesAndTheKey) {
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held);
        dialogs_.messages.clear();
        hotkey_.heldElsewhere = held;
        if (!program_) {
            StartProgram();
        }
        OpenOptions();
        for (const char* name : {"CheckBox8", "CheckBox5", "CheckBox7", "CheckBox6"}) {
            Child<QCheckBox>(Options(), name)->setChecked(false);
        }
        Child<QCheckBox>(Options(), "CheckBox5")->setChecked(true);
        Child<QCheckBox>(Options(), "CheckBox7")->setChecked(true);
        QKeyEvent q(QEvent::KeyPress, Qt::Key_Q, Qt::ShiftModifier);
        QApplication::sendEvent(Child(Options(), "HotKey1"), &q);
        Click(Child(Options(), "Button1"));
        EXPECT_EQ(program_->CurrentSettings().globalHotkey, ParseHotkey("Ctrl+Alt+Q"));
        if (held) {
            EXPECT_EQ(dialogs_.messages, std::vector<std::string>{kCannotAssignHotkeyText});
            EXPECT_FALSE(hotkey_.registered);
        } else {
            EXPECT_TRUE(dialogs_.messages.empty());
            EXPECT_EQ(hotkey_.registered, ParseHotkey("Ctrl+Alt+Q"));
        }
        EXPECT_FALSE(Options().isVisible());
    }
}

TEST_F(OptionsDialogTest, AnEmptyKeyFieldMakesNoHotkeyAndWarnsOnlyOfTickedBoxes) {
    WriteSettings({"hotkey=Ctrl+Nokey"});
    StartProgram();
    ASSERT_FALSE(program_->CurrentSettings().globalHotkey);
    for (const bool ticked : {false, true}) {
        SCOPED_TRACE(ticked);
        hotkey_.registered = ParseHotkey("Win+Q"); // a registration OK is to let go
        OpenOptions();
        EXPECT_TRUE(Child<QLineEdit>(Options(), "HotKey1")->text().isEmpty());
        Child<QCheckBox>(Options(), "CheckBox5")->setChecked(ticked);
        Click(Child(Options(), "Button1"));
        EXPECT_EQ(dialogs_.messages.size(), ticked ? 1u : 0u);
        EXPECT_FALSE(hotkey_.registered);
        EXPECT_FALSE(program_->CurrentSettings().globalHotkey);
        EXPECT_FALSE(Options().isVisible());
    }
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{kCannotAssignHotkeyText});
    const auto lines = ReadTextLines(UserFolder() / "set.set");
    ASSERT_TRUE(lines);
    EXPECT_NE(std::find(lines->begin(), lines->end(), "hotkey="), lines->end());
}

TEST_F(OptionsDialogTest, PagesShowTheirHeadingTextsAndControlsEachInItsOwnPlace) {
    StartProgram();
    OpenOptions();
    auto* pages = Options().findChild<QStackedWidget*>();
    EXPECT_EQ(Child(Options(), "TabsLB")->geometry(), QRect(16, 16, 113, 303));
    EXPECT_EQ(pages->geometry(), QRect(134, 15, 425, 305));
    for (const auto& [name, left] : {std::pair{"Button1", 392}, std::pair{"Button2", 472}}) {
        QWidget* button = Child(Options(), name);
        EXPECT_EQ(QRect(button->mapTo(&Options(), QPoint()), button->size()),
                  QRect(left, 334, 75, 25));
    }
    const char* formatCaptions[] = {
        "1st Color Value Format:", "2nd Color Value Format:", "3rd Color Value Format:"};
    const std::vector<std::vector<const char*>> texts = {
        {"General settings can be changed from here."},
        {"You can bring TWL to front even it is not visible. Set the key combination that is "
         "used to bring TWL to front here.",
         "Select one or more of the checkboxes below and then click the last field \nand press a "
         "key.",
         "Tips for defining a good Global Hotkey:",
         "Avoid very simple key combinations, like Ctrl+S, Ctrl+A,  F1, End, etc.",
         "Avoid combining keys that are too far away. "},
        {"TWL can copy color values to clipboard everytime you add a color to the color palette. "
         "You can change auto copy options here.",
         "Copy Format:",
         "Please note that when Auto Copy is enabled, it will overwrite the data on the "
         "clipboard!"},
        {"You can define your own color value formats. Click New to add new or click Remove to "
         "delete a format."},
        {"General Eye Dropper settings can be changed from here. Please note that more options "
         "are available through Eye Dropper menu.",
         formatCaptions[0], formatCaptions[1], formatCaptions[2],
         "You can change more settings using Eye Dropper menu. Please open Eye Dropper window and "
         "click menu button."},
        {"General settings that are related to Color Properties window can be \nchanged from "
         "here.",
         formatCaptions[0], formatCaptions[1], formatCaptions[2],
         "You can change more settings using Color Properties menu. Please open Color Properties "
         "window and click menu button."},
    };
    const std::vector<std::vector<const char*>> controls = {
        {"CheckBox3", "CheckBox1", "CheckBox9"},
        {"CheckBox8", "CheckBox5", "CheckBox7", "CheckBox6", "HotKey1"},
        {"CheckBox2", "ACopyFormatCB", "ACopySwatchCHE", "ACopyonHotkeyCHE"},
        {"CFormatsLB", "Button3", "Button4", "Button5"},
        {"CVFEye1stCB", "CVFEye2ndCB", "CVFEye3rdCB", "ShowComparisonCHE"},
        {"CVFColProp1CB", "CVFColProp2CB", "CVFColProp3CB"},
    };
    const char* names[] = {"General",       "Global Hotkey", "Auto Copy",
                           "Color Formats", "Eye Dropper",   "Color Properties"};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(names[i]);
        Child<QListWidget>(Options(), "TabsLB")->setCurrentRow(i);
        QWidget* page = pages->currentWidget();
        ASSERT_EQ(page, pages->widget(i));
        const auto labels = page->findChildren<QLabel*>();
        QStringList shown;
        for (const QLabel* label : labels) {
            shown << label->text();
        }
        const QLabel* heading =
            labels.value(static_cast<int>(shown.indexOf(QString::fromLatin1(names[i]))));
        ASSERT_NE(heading, nullptr);
        EXPECT_TRUE(heading->font().bold());
        EXPECT_EQ(heading->font().pixelSize(), 16);
        EXPECT_EQ(heading->font().family(), "Tahoma");
        for (const char* text : texts[static_cast<std::size_t>(i)]) {
            EXPECT_TRUE(shown.contains(QString::fromUtf8(text))) << text;
        }
        for (const char* name : controls[static_cast<std::size_t>(i)]) {
            EXPECT_TRUE(page->isAncestorOf(Child(Options(), name))) << name;
        }
        // Every control lies inside its page, clear of every other.
        std::vector<std::pair<QRect, QString>> places;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            const QRect place(control->mapTo(page, QPoint()), control->size());
            const bool onPage = control->parentWidget() == page ||
                                qobject_cast<QGroupBox*>(control->parentWidget()) != nullptr;
            if (onPage) {
                EXPECT_TRUE(page->rect().contains(place)) << control->objectName().toStdString();
            }
            if (onPage && qobject_cast<QGroupBox*>(control) == nullptr) {
                for (const auto& [other, what] : places) {
                    EXPECT_FALSE(place.intersects(other)) << what.toStdString();
                }
                places.emplace_back(place, control->objectName() + ":" +
                                               control->property("text").toString());
            }
        }
    }
}

TEST(HotkeyFieldTest, KeysGetTheirHotkeyNamesWithoutModifiers) {
    const std::tuple<int, Qt::KeyboardModifiers, const char*> cases[] = {
        {Qt::Key_Q, Qt::ShiftModifier | Qt::ControlModifier, "Q"},
        {Qt::Key_F9, Qt::AltModifier, "F9"},
        {Qt::Key_Return, Qt::NoModifier, "Enter"},
        {Qt::Key_PageDown, Qt::NoModifier, "PgDn"},
        {Qt::Key_Delete, Qt::NoModifier, "Del"},
        {Qt::Key_5, Qt::KeypadModifier, "Num 5"},
        {Qt::Key_Plus, Qt::KeypadModifier, "Num +"},
        {Qt::Key_BracketLeft, Qt::NoModifier, "["},
        {Qt::Key_Shift, Qt::ShiftModifier, ""},
    };
    for (const auto& [key, modifiers, name] : cases) {
        EXPECT_EQ(HotkeyField::KeyName(key, modifiers).toStdString(), name) << name;
    }
}

class FormatEditorTest : public OptionsDialogTest {
protected:
    void SetUp() override {
        StartProgram();
        OpenOptions();
    }
    FormatEditor& Editor() { return Options().Editor(); }
    QLineEdit* Template() { return Child<QLineEdit>(Editor(), "FormatEDT"); }
    QLineEdit* Name() { return Child<QLineEdit>(Editor(), "nameEDT"); }
    QLabel* Preview() { return Child<QLabel>(Editor(), "formatpreviewLBL"); }
    void DoubleClickPart(int row) {
        auto* parts = Child<QListWidget>(Editor(), "ListBox1");
        emit parts->itemDoubleClicked(parts->item(row));
    }
    void Press(QWidget* widget, QEvent::Type type) {
        QMouseEvent event(type, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
};

TEST_F(FormatEditorTest, ValuePartsGoToTheEndOfTheTemplateAndThePreviewFollows) {
    Click(Child(Options(), "Button3"));
    ASSERT_TRUE(Editor().isVisible());
    EXPECT_EQ(Editor().objectName(), "Form14");
    EXPECT_EQ(Editor().size(), QSize(416, 303));
    EXPECT_TRUE(Editor().windowFlags() & Qt::WindowStaysOnTopHint);
    Template()->setText("#");
    Template()->setCursorPosition(0);
    for (const int row : {0, 1, 2}) {
        DoubleClickPart(row);
    }
    EXPECT_EQ(Template()->text(), "#{rh}{gh}{bh}");
    EXPECT_EQ(Preview()->text(), "#3264C8");
    const char* parts[] = {"{rh}", "{gh}", "{bh}", "{r}",  "{g}",  "{b}",    "{h}",    "{s}",
                           "{l}",  "{cc}", "{cm}", "{cy}", "{ck}", "{hsvh}", "{hsvs}", "{hsvv}"};
    for (int row = 0; row < 16; ++row) {
        Template()->clear();
        DoubleClickPart(row);
        EXPECT_EQ(Template()->text(), parts[row]) << row;
    }
    Template()->setText("RGB({r}, {g}, {b}) & more");
    EXPECT_EQ(Preview()->text(), "RGB(50, 100, 200) & more");
    Name()->setText("Mine ");
    Press(Preview(), QEvent::MouseButtonDblClick);
    EXPECT_EQ(Name()->text(), "Mine RGB(50, 100, 200) & more");
}

// The shipped cvf.ini lists the CSS notations and the colour name after the ten, and {name}
// takes its names from the shipped namedcolors.txt.
TEST_F(OptionsDialogTest, TheShippedFormatsOfferTheCssNotationsAndTheColourName) {
    programFolder_ = TWL_SHIPPED_DATA;
    StartProgram();
    OpenOptions();
    auto* chooser = Child<QComboBox>(Options(), "ACopyFormatCB");
    QStringList names;
    for (int i = 0; i < chooser->count(); ++i) {
        names << chooser->itemText(i);
    }
    EXPECT_EQ(names.mid(9), (QStringList{"Actionscript Hex", "CSS oklch", "CSS oklab", "CSS lab",
                                         "CSS lch", "CSS hwb", "CSS rgb", "Color name"}));
    EXPECT_EQ(program_->Formats().FormatColorByName(MakeColor(250, 128, 114), "Color name"),
              "salmon");
    EXPECT_EQ(program_->Formats().FormatColorByName(MakeColor(251, 127, 113), "Color name"),
              "salmon");
}

// More Values drops down the CSS notations' parts and the colour name, each added at the end.
TEST_F(FormatEditorTest, MoreValuesAddsTheCssPartsAtTheEndAndThePreviewShowsThem) {
    Click(Child(Options(), "Button3"));
    auto* more = Child<QPushButton>(Editor(), "MoreValuesBTN");
    ASSERT_NE(more->menu(), nullptr);
    const QList<QAction*> items = more->menu()->actions();
    const char* parts[] = {"{okl}",  "{oka}",  "{okb}",  "{okc}",  "{okh}",  "{labl}", "{laba}",
                           "{labb}", "{lchc}", "{lchh}", "{hwbh}", "{hwbw}", "{hwbb}", "{name}"};
    ASSERT_EQ(items.size(), 14);
    EXPECT_EQ(items[0]->text(), "OKLCH Lightness (%)");
    for (int row = 0; row < 14; ++row) {
        Template()->setText("x ");
        items[row]->trigger();
        EXPECT_EQ(Template()->text(), QString("x ") + parts[row]) << row;
    }
    // The preview colour is 50,100,200.
    Template()->setText("hwb({hwbh} {hwbw}% {hwbb}%)");
    EXPECT_EQ(Preview()->text(), "hwb(220 19.61% 21.57%)");
    EXPECT_GE(more->geometry().top(), Child(Editor(), "ListBox1")->geometry().bottom());
    EXPECT_LE(more->geometry().bottom(), Editor().height());
}

TEST_F(FormatEditorTest, ChangeColorSetsThePreviewColourAndKeepsIt) {
    Click(Child(Options(), "Button3"));
    dialogs_.colorAnswer = MakeColor(255, 0, 16);
    Press(Child(Editor(), "Label6"), QEvent::MouseButtonPress);
    EXPECT_EQ(dialogs_.colorDialogStarts, std::vector<TColor>{MakeColor(50, 100, 200)});
    Template()->setText("{r},{g},{b}");
    EXPECT_EQ(Preview()->text(), "255,0,16");
    Click(Child(Editor(), "Button2"));
    Click(Child(Options(), "Button3"));
    EXPECT_EQ(Editor().PreviewColor(), MakeColor(255, 0, 16));
    EXPECT_TRUE(Template()->text().isEmpty());
}

TEST_F(FormatEditorTest, NewRefusesEmptyBoxesAndAnExistingNameThenAppends) {
    Click(Child(Options(), "Button3"));
    const std::size_t count = program_->Formats().Count();
    const std::pair<const char*, const char*> refused[] = {
        {"", "{r}"}, {"Mine", ""}, {"hex", "{r}"}};
    for (const auto& [name, templ] : refused) {
        dialogs_.messages.clear();
        Name()->setText(name);
        Template()->setText(templ);
        Click(Child(Editor(), "Button1"));
        EXPECT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_TRUE(Editor().isVisible());
    }
    EXPECT_EQ(dialogs_.messages[0], kNameExistsText);
    EXPECT_EQ(program_->Formats().Count(), count);
    Name()->setText("Mine");
    Click(Child(Editor(), "Button1"));
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(program_->Formats().Lines().back(), "Mine={r}");
    EXPECT_EQ(FormatView()->count(), static_cast<int>(count + 1));
}

TEST_F(FormatEditorTest, EditFillsTheBoxesAndReplacesTheLineInItsPlace) {
    Click(Child(Options(), "Button4"));
    EXPECT_FALSE(Editor().isVisible()) << "nothing selected";
    SelectFormat("RGB");
    const int row = FormatView()->currentRow();
    Click(Child(Options(), "Button4"));
    ASSERT_TRUE(Editor().isVisible());
    EXPECT_EQ(Name()->text(), "RGB");
    EXPECT_EQ(Template()->text().toStdString(), program_->Formats().Template("RGB"));
    Name()->setText("RGB2");
    Click(Child(Editor(), "Button1"));
    EXPECT_EQ(program_->Formats().Names()[static_cast<std::size_t>(row)], "RGB2");
    EXPECT_TRUE(FormatView()->item(row)->text().startsWith("RGB2="));
}

} // namespace
} // namespace twl

namespace twl {
namespace {

TEST_F(OptionsDialogTest, OnAWaylandDesktopTheHotkeyPageGivesThePickCommandToBind) {
    StartProgram();
    EXPECT_EQ(Options().findChild<QWidget*>(QStringLiteral("WaylandHotkeyLBL")), nullptr);

    setenv("WAYLAND_DISPLAY", "wayland-1", 1);
    program_.reset();
    StartProgram();
    auto* command = Options().findChild<QLineEdit*>(QStringLiteral("PickCommandEDT"));
    unsetenv("WAYLAND_DISPLAY");
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->text().endsWith(QStringLiteral(" --pick")));
    Click(Options().findChild<QWidget*>(QStringLiteral("CopyPickCommandBTN")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), command->text());
    // It sits below the tips, inside the page's 425 x 305.
    EXPECT_GE(command->geometry().top(), 246);
    EXPECT_LE(command->geometry().bottom(), 305);

    // Where the desktop binds the hotkey, the note names the key it bound, as it is when the
    // dialog opens.
    auto* note = Options().findChild<QLabel*>(QStringLiteral("WaylandHotkeyLBL"));
    EXPECT_TRUE(note->text().contains(QStringLiteral("only while a TWL window has the focus")));
    hotkey_.desktopBinds = true;
    Options().ShowOptions();
    EXPECT_TRUE(note->text().contains(QStringLiteral("(not bound yet)")));
    hotkey_.boundKey = "Meta+Shift+P";
    Options().ShowOptions();
    EXPECT_TRUE(note->text().contains(QStringLiteral("shortcut \"Pick a colour\" (Meta+Shift+P)")));
}

} // namespace
} // namespace twl

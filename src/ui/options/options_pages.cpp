#include "ui/options/options_pages.h"

#include "ui/options/format_item_delegate.h"
#include "ui/options/hotkey_field.h"

#include "platform/platform_services.h"
#include "ui/common/bold_title.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include <cstddef>

namespace twl {

namespace {

// Every page starts with its heading and its explanatory text, one or two lines.
constexpr QRect kHeading(8, 8, 401, 20);
constexpr QRect kExplanation(8, 36, 401, 28);
// The chooser rows of the two window pages.
constexpr int kChooserTop = 76, kChooserStep = 30;

// A text shown as written: line breaks where the text has them, else wrapped at the width.
QLabel* Text(const char* text, const QRect& at, QWidget* parent) {
    const QString written = QString::fromUtf8(text);
    auto* label = new QLabel(written, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(!written.contains(QLatin1Char('\n')));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(at);
    return label;
}

QCheckBox* Box(const char* name, const char* caption, const QRect& at, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(at);
    return box;
}

QGroupBox* Group(const char* caption, const QRect& at, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setGeometry(at);
    return group;
}

QComboBox* Chooser(const char* name, const QRect& at, QWidget* parent) {
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(QString::fromLatin1(name));
    chooser->setGeometry(at);
    return chooser;
}

QWidget* NewPage(QStackedWidget* pages, int index, const char* explanation) {
    auto* page = new QWidget(pages);
    auto* heading = new BoldTitle(QString::fromLatin1(kOptionsPageNames[index]), 16, page);
    heading->setGeometry(kHeading);
    Text(explanation, kExplanation, page);
    pages->addWidget(page);
    return page;
}

void BuildGeneral(QStackedWidget* pages, OptionsControls& c) {
    QWidget* page = NewPage(pages, 0, "General settings can be changed from here.");
    QGroupBox* group = Group("General Settings", {8, 64, 401, 97}, page);
    c.stayOnTop = Box("CheckBox3", "Stay on top of other windows", {16, 24, 369, 17}, group);
    c.startWithWindows = Box("CheckBox1", "Start when Windows starts", {16, 48, 369, 17}, group);
    c.showProgram = Box("CheckBox9", "Show main window when TWL starts", {16, 72, 369, 17}, group);
    c.pasteCss =
        Box("PasteCSSCHE", "Paste Color also reads CSS colour text", {16, 176, 393, 17}, page);
}

void BuildGlobalHotkey(QStackedWidget* pages, OptionsControls& c) {
    QWidget* page = NewPage(pages, 1,
                            "You can bring TWL to front even it is not visible. Set the key "
                            "combination that is used to bring TWL to front here.");
    QGroupBox* group = Group("Global Hotkey", {8, 72, 401, 97}, page);
    Text("Select one or more of the checkboxes below and then click the last field \nand press "
         "a key.",
         {12, 20, 385, 28}, group);
    c.win = Box("CheckBox8", "Win  +", {12, 60, 56, 17}, group);
    c.ctrl = Box("CheckBox5", "Ctrl  +", {72, 60, 58, 17}, group);
    c.alt = Box("CheckBox7", "Alt +", {134, 60, 50, 17}, group);
    c.shift = Box("CheckBox6", "Shift  +", {188, 60, 62, 17}, group);
    c.key = new HotkeyField(group);
    c.key->setObjectName(QStringLiteral("HotKey1"));
    c.key->setToolTip(QStringLiteral("Click here once and press a key on your keyboad."));
    c.key->setGeometry(254, 58, 135, 21);

    Text("Tips for defining a good Global Hotkey:", {8, 184, 401, 16}, page);
    const char* tips[] = {"Avoid very simple key combinations, like Ctrl+S, Ctrl+A,  F1, End, etc.",
                          "Avoid combining keys that are too far away. "};
    int top = 206;
    for (const char* tip : tips) {
        QLabel* bullet = Text("\u25CF", {16, top, 10, 16}, page);
        bullet->setStyleSheet(QStringLiteral("color: green"));
        Text(tip, {30, top, 379, 16}, page);
        top += 20;
    }
    // On a Wayland desktop a key grabbed through XWayland is heard only while a TWL window has
    // the focus: the desktop's own key settings run the pick instead.
    if (!OnWaylandDesktop()) {
        return;
    }
    QLabel* note = Text(kGrabbedHotkeyNote, {8, 250, 401, 28}, page);
    note->setObjectName(QStringLiteral("WaylandHotkeyLBL"));
    c.waylandHotkey = note;
    auto* command =
        new QLineEdit(QCoreApplication::applicationFilePath() + QStringLiteral(" --pick"), page);
    command->setObjectName(QStringLiteral("PickCommandEDT"));
    command->setReadOnly(true);
    command->setGeometry(8, 281, 316, 21);
    auto* copy = new QPushButton(QStringLiteral("Copy"), page);
    copy->setObjectName(QStringLiteral("CopyPickCommandBTN"));
    copy->setGeometry(332, 280, 77, 23);
    QObject::connect(copy, &QPushButton::clicked, command,
                     [command] { QGuiApplication::clipboard()->setText(command->text()); });
}

void BuildAutoCopy(QStackedWidget* pages, OptionsControls& c) {
    QWidget* page = NewPage(pages, 2,
                            "TWL can copy color values to clipboard everytime you add a color to "
                            "the color palette. You can change auto copy options here.");
    c.autoCopy =
        Box("CheckBox2", "Auto copy color values when I pick a color", {8, 76, 401, 17}, page);
    Text("Copy Format:", {28, 104, 381, 16}, page);
    c.choosers[6] = Chooser("ACopyFormatCB", {28, 122, 200, 21}, page);
    c.autoCopySwatch =
        Box("ACopySwatchCHE", "Also copy color swatch as bitmap", {28, 154, 381, 17}, page);
    c.autoCopyOnHotkey =
        Box("ACopyonHotkeyCHE", "Also copy when I press Global Hotkey", {28, 178, 381, 17}, page);
    Text("Please note that when Auto Copy is enabled, it will overwrite the data on the "
         "clipboard!",
         {8, 214, 401, 28}, page);
}

void BuildColorFormats(QStackedWidget* pages, OptionsControls& c) {
    QWidget* page = NewPage(pages, 3,
                            "You can define your own color value formats. Click New to add new "
                            "or click Remove to delete a format.");
    c.formatList = new QListWidget(page);
    c.formatList->setObjectName(QStringLiteral("CFormatsLB"));
    c.formatList->setGeometry(8, 72, 401, 185);
    c.formatList->setItemDelegate(
        new FormatItemDelegate(FormatItemDelegate::Style::Formats, 20, c.formatList));
    const char* captions[] = {"New", "Edit", "Remove"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(captions[i]), page);
        button->setObjectName(QStringLiteral("Button%1").arg(3 + i));
        button->setAutoDefault(false);
        button->setGeometry(8 + 80 * i, 266, 75, 25);
        c.formatButtons[static_cast<std::size_t>(i)] = button;
    }
}

// The three format choosers of a window page, from choosers[first] on.
void AddChoosers(QWidget* page, std::size_t first, const char* const (&names)[3],
                 OptionsControls& c) {
    const char* captions[] = {
        "1st Color Value Format:", "2nd Color Value Format:", "3rd Color Value Format:"};
    for (std::size_t i = 0; i < 3; ++i) {
        const int top = kChooserTop + kChooserStep * static_cast<int>(i);
        Text(captions[i], {8, top + 3, 140, 16}, page);
        c.choosers[first + i] = Chooser(names[i], {152, top, 200, 21}, page);
    }
}

void BuildEyeDropper(QStackedWidget* pages, OptionsControls& c) {
    QWidget* page = NewPage(pages, 4,
                            "General Eye Dropper settings can be changed from here. Please note "
                            "that more options are available through Eye Dropper menu.");
    AddChoosers(page, 0, {"CVFEye1stCB", "CVFEye2ndCB", "CVFEye3rdCB"}, c);
    QGroupBox* group = Group("Miscellaneous", {8, 172, 401, 49}, page);
    c.showComparison = Box("ShowComparisonCHE", "Show Color Comparison", {12, 22, 377, 17}, group);
    Text("You can change more settings using Eye Dropper menu. Please open Eye Dropper window "
         "and click menu button.",
         {8, 236, 401, 28}, page);
}

void BuildColorProperties(QStackedWidget* pages, OptionsControls& c) {
    QWidget* page = NewPage(pages, 5,
                            "General settings that are related to Color Properties window can be "
                            "\nchanged from here.");
    AddChoosers(page, 3, {"CVFColProp1CB", "CVFColProp2CB", "CVFColProp3CB"}, c);
    Text("You can change more settings using Color Properties menu. Please open Color "
         "Properties window and click menu button.",
         {8, 176, 401, 28}, page);
}

} // namespace

QFont OptionsFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

OptionsControls BuildOptionsPages(QStackedWidget* pages) {
    OptionsControls controls;
    BuildGeneral(pages, controls);
    BuildGlobalHotkey(pages, controls);
    BuildAutoCopy(pages, controls);
    BuildColorFormats(pages, controls);
    BuildEyeDropper(pages, controls);
    BuildColorProperties(pages, controls);
    return controls;
}

} // namespace twl

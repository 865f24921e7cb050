#include "ui/options/options_dialog.h"

#include "core/formats/format_edit.h"
#include "core/formats/format_list.h"
#include "core/settings/hotkey_text.h"
#include "core/settings/settings.h"
#include "platform/dialogs.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/pick_flow.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/options/format_editor.h"
#include "ui/options/format_item_delegate.h"
#include "ui/options/hotkey_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace twl {

namespace {

constexpr const char* kPageNames[] = {"General",       "Global Hotkey", "Auto Copy",
                                      "Color Formats", "Eye Dropper",   "Color Properties"};

// The settings the seven choosers edit, in the order of OptionsDialog::choosers_.
constexpr std::string Settings::*kChooserSettings[] = {
    &Settings::eyeFormat1,     &Settings::eyeFormat2,     &Settings::eyeFormat3,
    &Settings::colPropFormat1, &Settings::colPropFormat2, &Settings::colPropFormat3,
    &Settings::autoCopyFormat,
};
constexpr const char* kChooserNames[] = {"CVFEye1stCB",   "CVFEye2ndCB",   "CVFEye3rdCB",
                                         "CVFColProp1CB", "CVFColProp2CB", "CVFColProp3CB",
                                         "ACopyFormatCB"};
constexpr const char* kChooserCaptions[] = {
    "1st Color Value Format:", "2nd Color Value Format:", "3rd Color Value Format:"};

QFont Tahoma(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* Text(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

// A page: its name as the heading, then its explanatory text.
QVBoxLayout* NewPage(QStackedWidget* pages, int index, const char* explanation) {
    auto* page = new QWidget(pages);
    auto* layout = new QVBoxLayout(page);
    auto* heading = new QLabel(QString::fromLatin1(kPageNames[index]), page);
    heading->setFont(Tahoma(16, true));
    layout->addWidget(heading);
    layout->addWidget(Text(explanation, page));
    pages->addWidget(page);
    return layout;
}

QCheckBox* Box(const char* name, const char* caption, QLayout* layout, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    layout->addWidget(box);
    return box;
}

} // namespace

OptionsDialog::OptionsDialog(Settings& settings, FormatList& formats, Dialogs& dialogs,
                             PickFlow& picks, BarActions& actions, EyeDropperWindow& eyeDropper)
    : settings_(settings), formats_(formats), dialogs_(dialogs), picks_(picks), actions_(actions),
      eyeDropper_(eyeDropper), editor_(std::make_unique<FormatEditor>(formats, dialogs)) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(false);
    setFixedSize(kWidth, kHeight);
    setFont(Tahoma(11));

    pageNames_ = new QListWidget(this);
    pageNames_->setObjectName(QStringLiteral("TabsLB"));
    pageNames_->setGeometry(16, 16, 113, 303);
    pageNames_->setItemDelegate(
        new FormatItemDelegate(FormatItemDelegate::Style::PageNames, 20, pageNames_));
    for (const char* name : kPageNames) {
        pageNames_->addItem(QString::fromLatin1(name));
    }
    pages_ = new QStackedWidget(this);
    pages_->setGeometry(134, 15, 425, 305);
    BuildPages();
    connect(pageNames_, &QListWidget::currentRowChanged, pages_, [this](int row) {
        if (row >= 0) {
            pages_->setCurrentIndex(row);
        }
    });
    pageNames_->setCurrentRow(0);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(392, kHeight - 45 + 8, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancel->setGeometry(472, kHeight - 45 + 8, 75, 25);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::ApplyOptions);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(editor_.get(), &FormatEditor::formatsChanged, this, &OptionsDialog::FillFormatList);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::BuildPages() {
    auto* general = NewPage(pages_, kGeneral, "General settings can be changed from here.");
    auto* generalGroup = new QGroupBox(QStringLiteral("General Settings"));
    auto* generalBoxes = new QVBoxLayout(generalGroup);
    stayOnTop_ = Box("CheckBox3", "Stay on top of other windows", generalBoxes, generalGroup);
    startWithWindows_ = Box("CheckBox1", "Start when Windows starts", generalBoxes, generalGroup);
    showProgram_ = Box("CheckBox9", "Show main window when TWL starts", generalBoxes, generalGroup);
    general->addWidget(generalGroup);
    general->addStretch();
    // A click counts even when a second click puts the box back.
    connect(startWithWindows_, &QCheckBox::clicked, this, [this] { autostartChanged_ = true; });

    auto* hotkey = NewPage(pages_, kGlobalHotkey,
                           "You can bring TWL to front even it is not visible. Set the key "
                           "combination that is used to bring TWL to front here.");
    auto* hotkeyGroup = new QGroupBox(QStringLiteral("Global Hotkey"));
    auto* hotkeyLayout = new QVBoxLayout(hotkeyGroup);
    hotkeyLayout->addWidget(Text("Select one or more of the checkboxes below and then click the "
                                 "last field \nand press a key.",
                                 hotkeyGroup));
    auto* keys = new QHBoxLayout;
    win_ = Box("CheckBox8", "Win  +", keys, hotkeyGroup);
    ctrl_ = Box("CheckBox5", "Ctrl  +", keys, hotkeyGroup);
    alt_ = Box("CheckBox7", "Alt +", keys, hotkeyGroup);
    shift_ = Box("CheckBox6", "Shift  +", keys, hotkeyGroup);
    key_ = new HotkeyField(hotkeyGroup);
    key_->setObjectName(QStringLiteral("HotKey1"));
    key_->setToolTip(QStringLiteral("Click here once and press a key on your keyboad."));
    keys->addWidget(key_);
    hotkeyLayout->addLayout(keys);
    hotkey->addWidget(hotkeyGroup);
    hotkey->addWidget(Text("Tips for defining a good Global Hotkey:", pages_));
    for (const char* tip :
         {"Avoid very simple key combinations, like Ctrl+S, Ctrl+A,  F1, End, etc.",
          "Avoid combining keys that are too far away. "}) {
        auto* line = Text(tip, pages_);
        line->setText(QStringLiteral("<font color=green>&#9679;</font> ") +
                      QString::fromLatin1(tip).toHtmlEscaped());
        hotkey->addWidget(line);
    }
    hotkey->addStretch();

    auto* autoCopy = NewPage(pages_, kAutoCopy,
                             "TWL can copy color values to clipboard everytime you add a color "
                             "to the color palette. You can change auto copy options here.");
    autoCopy_ = Box("CheckBox2", "Auto copy color values when I pick a color", autoCopy, pages_);
    autoCopy->addWidget(Text("Copy Format:", pages_));
    choosers_[6] = new QComboBox(pages_);
    autoCopy->addWidget(choosers_[6]);
    autoCopySwatch_ = Box("ACopySwatchCHE", "Also copy color swatch as bitmap", autoCopy, pages_);
    autoCopyOnHotkey_ =
        Box("ACopyonHotkeyCHE", "Also copy when I press Global Hotkey", autoCopy, pages_);
    autoCopy->addWidget(Text("Please note that when Auto Copy is enabled, it will overwrite the "
                             "data on the clipboard!",
                             pages_));
    autoCopy->addStretch();

    auto* formatsPage = NewPage(pages_, kColorFormats,
                                "You can define your own color value formats. Click New to add "
                                "new or click Remove to delete a format.");
    formatList_ = new QListWidget(pages_);
    formatList_->setObjectName(QStringLiteral("CFormatsLB"));
    formatList_->setItemDelegate(
        new FormatItemDelegate(FormatItemDelegate::Style::Formats, 20, formatList_));
    formatsPage->addWidget(formatList_);
    auto* formatButtons = new QHBoxLayout;
    const std::pair<const char*, void (OptionsDialog::*)()> buttons[] = {
        {"New", &OptionsDialog::NewFormat},
        {"Edit", &OptionsDialog::EditFormat},
        {"Remove", &OptionsDialog::RemoveFormat},
    };
    int number = 3;
    for (const auto& [caption, handler] : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(caption), pages_);
        button->setObjectName(QStringLiteral("Button%1").arg(number++));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        formatButtons->addWidget(button);
    }
    formatButtons->addStretch();
    formatsPage->addLayout(formatButtons);

    const std::pair<Page, const char*> windowPages[] = {
        {kEyeDropper, "General Eye Dropper settings can be changed from here. Please note that "
                      "more options are available through Eye Dropper menu."},
        {kColorProperties, "General settings that are related to Color Properties window can be "
                           "\nchanged from here."},
    };
    for (const auto& [page, explanation] : windowPages) {
        auto* layout = NewPage(pages_, page, explanation);
        const std::size_t first = page == kEyeDropper ? 0 : 3;
        for (std::size_t i = 0; i < 3; ++i) {
            layout->addWidget(Text(kChooserCaptions[i], pages_));
            choosers_[first + i] = new QComboBox(pages_);
            layout->addWidget(choosers_[first + i]);
        }
        if (page == kEyeDropper) {
            layout->addWidget(Text("Miscellaneous", pages_));
            showComparison_ = Box("ShowComparisonCHE", "Show Color Comparison", layout, pages_);
            layout->addWidget(Text("You can change more settings using Eye Dropper menu. Please "
                                   "open Eye Dropper window and click menu button.",
                                   pages_));
        } else {
            layout->addWidget(Text("You can change more settings using Color Properties menu. "
                                   "Please open Color Properties window and click menu button.",
                                   pages_));
        }
        layout->addStretch();
    }
    for (std::size_t i = 0; i < choosers_.size(); ++i) {
        choosers_[i]->setObjectName(QString::fromLatin1(kChooserNames[i]));
    }
}

void OptionsDialog::FillControls() {
    const Hotkey hotkey = settings_.globalHotkey.value_or(Hotkey{});
    const HotkeyBoxes boxes = BoxesOfHotkey(hotkey);
    ctrl_->setChecked(boxes.ctrl);
    shift_->setChecked(boxes.shift);
    alt_->setChecked(boxes.alt);
    win_->setChecked(boxes.win);
    key_->setText(QString::fromStdString(hotkey.key));

    stayOnTop_->setChecked(settings_.stayOnTop);
    startWithWindows_->setChecked(settings_.startWithWindows);
    showProgram_->setChecked(settings_.showAtStart);
    autoCopy_->setChecked(settings_.autoCopy);
    autoCopySwatch_->setChecked(settings_.autoCopySwatch);
    autoCopyOnHotkey_->setChecked(settings_.autoCopyOnHotkey);
    showComparison_->setChecked(settings_.eyeShowComparison);
    autostartChanged_ = false;

    FillFormatList();
    const std::vector<std::string> names = formats_.Names();
    QStringList items;
    for (const auto& name : names) {
        items << QString::fromStdString(name);
    }
    for (std::size_t i = 0; i < choosers_.size(); ++i) {
        QComboBox* chooser = choosers_[i];
        chooser->clear();
        chooser->addItems(items);
        const auto found = FindFormatName(names, settings_.*kChooserSettings[i]);
        chooser->setCurrentIndex(found ? static_cast<int>(*found) : -1);
    }
}

void OptionsDialog::FillFormatList() {
    const int row = formatList_->currentRow();
    formatList_->clear();
    for (const auto& line : formats_.Lines()) {
        formatList_->addItem(QString::fromStdString(line));
    }
    if (row >= 0 && row < formatList_->count()) {
        formatList_->setCurrentRow(row);
    }
}

void OptionsDialog::ShowOptions() {
    FillControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void OptionsDialog::ShowOptionsOnPage(int page) {
    pageNames_->setCurrentRow(page);
    ShowOptions();
}

void OptionsDialog::NewFormat() {
    editor_->Open(FormatEditMode::New, 0, {}, {});
}

void OptionsDialog::EditFormat() {
    const int row = formatList_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= formats_.Count()) {
        return;
    }
    const std::string name = formats_.Names()[static_cast<std::size_t>(row)];
    editor_->Open(FormatEditMode::Edit, static_cast<std::size_t>(row), name,
                  formats_.Template(name));
}

void OptionsDialog::RemoveFormat() {
    const int row = formatList_->currentRow();
    if (editor_->isVisible() || row < 0) {
        return;
    }
    formats_.DeleteAt(static_cast<std::size_t>(row));
    FillFormatList();
}

void OptionsDialog::ApplyOptions() {
    settings_.globalHotkey = HotkeyFromBoxes(
        {win_->isChecked(), ctrl_->isChecked(), alt_->isChecked(), shift_->isChecked()},
        key_->text().toStdString());
    if (!picks_.RegisterHotkey()) {
        dialogs_.ShowMessage(kCannotAssignHotkeyText);
    }
    if (autostartChanged_) {
        autostartChanged_ = false;
        settings_.startWithWindows = startWithWindows_->isChecked();
        emit startWithWindowsChanged(settings_.startWithWindows);
    }
    actions_.SetAutoCopy(autoCopy_->isChecked());
    settings_.autoCopySwatch = autoCopySwatch_->isChecked();
    settings_.autoCopyOnHotkey = autoCopyOnHotkey_->isChecked();
    actions_.SetStayOnTop(stayOnTop_->isChecked());
    settings_.showAtStart = showProgram_->isChecked();
    settings_.eyeShowComparison = showComparison_->isChecked();
    eyeDropper_.ApplyComparisonFlag();
    for (std::size_t i = 0; i < choosers_.size(); ++i) {
        settings_.*kChooserSettings[i] = choosers_[i]->currentIndex() < 0
                                             ? std::string()
                                             : choosers_[i]->currentText().toStdString();
    }
    emit saveRequested();
    accept();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("options.htm"));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("options.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace twl

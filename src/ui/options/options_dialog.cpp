#include "ui/options/options_dialog.h"

#include "core/formats/format_edit.h"
#include "core/formats/format_list.h"
#include "core/settings/hotkey_text.h"
#include "core/settings/settings.h"
#include "platform/dialogs.h"
#include "platform/global_hotkey.h"
#include "platform/window_fonts.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/pick_flow.h"
#include "ui/options/format_editor.h"
#include "ui/options/format_item_delegate.h"
#include "ui/options/hotkey_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

#include <cstddef>

namespace twl {

namespace {

// The settings the seven choosers edit, in the order of OptionsControls::choosers.
constexpr std::string Settings::*kChooserSettings[] = {
    &Settings::eyeFormat1,     &Settings::eyeFormat2,     &Settings::eyeFormat3,
    &Settings::colPropFormat1, &Settings::colPropFormat2, &Settings::colPropFormat3,
    &Settings::autoCopyFormat,
};

} // namespace

OptionsDialog::OptionsDialog(Settings& settings, FormatList& formats, Dialogs& dialogs,
                             PickFlow& picks, BarActions& actions)
    : settings_(settings), formats_(formats), dialogs_(dialogs), picks_(picks), actions_(actions),
      editor_(std::make_unique<FormatEditor>(formats, dialogs)) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(false);
    setFixedSize(kWidth, kHeight);
    // Tahoma and its bold face are there before the first text asks for them: a font asked for
    // before it is added resolves to a stand-in and keeps it.
    EnsureWindowFonts();
    setFont(OptionsFont(11));

    pageNames_ = new QListWidget(this);
    pageNames_->setObjectName(QStringLiteral("TabsLB"));
    pageNames_->setGeometry(16, 16, 113, 303);
    pageNames_->setItemDelegate(
        new FormatItemDelegate(FormatItemDelegate::Style::PageNames, 20, pageNames_));
    for (const char* name : kOptionsPageNames) {
        pageNames_->addItem(QString::fromLatin1(name));
    }
    pages_ = new QStackedWidget(this);
    pages_->setGeometry(134, 15, 425, 305);
    pages_->setFrameShape(QFrame::StyledPanel);
    c_ = BuildOptionsPages(pages_);
    const std::array<void (OptionsDialog::*)(), 3> formatHandlers = {
        &OptionsDialog::NewFormat, &OptionsDialog::EditFormat, &OptionsDialog::RemoveFormat};
    for (std::size_t i = 0; i < formatHandlers.size(); ++i) {
        connect(c_.formatButtons[i], &QPushButton::clicked, this, formatHandlers[i]);
    }
    // A click counts even when a second click puts the box back.
    connect(c_.startWithWindows, &QCheckBox::clicked, this, [this] { autostartChanged_ = true; });
    connect(pageNames_, &QListWidget::currentRowChanged, pages_, [this](int row) {
        if (row >= 0) {
            pages_->setCurrentIndex(row);
        }
    });
    pageNames_->setCurrentRow(0);

    // The buttons sit in a 45-pixel panel along the bottom.
    auto* panel = new QWidget(this);
    panel->setGeometry(0, kHeight - 45, kWidth, 45);
    auto* ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(392, 8, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancel->setGeometry(472, 8, 75, 25);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::ApplyOptions);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(editor_.get(), &FormatEditor::formatsChanged, this, &OptionsDialog::FillFormatList);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::FillControls() {
    const Hotkey hotkey = settings_.globalHotkey.value_or(Hotkey{});
    const HotkeyBoxes boxes = BoxesOfHotkey(hotkey);
    c_.ctrl->setChecked(boxes.ctrl);
    c_.shift->setChecked(boxes.shift);
    c_.alt->setChecked(boxes.alt);
    c_.win->setChecked(boxes.win);
    c_.key->setText(QString::fromStdString(hotkey.key));
    if (c_.waylandHotkey != nullptr) {
        const GlobalHotkey& heard = picks_.HeardHotkey();
        const std::string bound = heard.BoundKey();
        c_.waylandHotkey->setText(heard.DesktopBinds()
                                      ? QString::fromLatin1(kDesktopHotkeyNote)
                                            .arg(bound.empty() ? QStringLiteral("not bound yet")
                                                               : QString::fromStdString(bound))
                                      : QString::fromLatin1(kGrabbedHotkeyNote));
    }

    c_.stayOnTop->setChecked(settings_.stayOnTop);
    c_.startWithWindows->setChecked(settings_.startWithWindows);
    c_.showProgram->setChecked(settings_.showAtStart);
    c_.pasteCss->setChecked(settings_.pasteCss);
    c_.autoCopy->setChecked(settings_.autoCopy);
    c_.autoCopySwatch->setChecked(settings_.autoCopySwatch);
    c_.autoCopyOnHotkey->setChecked(settings_.autoCopyOnHotkey);
    c_.showComparison->setChecked(settings_.eyeShowComparison);
    autostartChanged_ = false;

    FillFormatList();
    const std::vector<std::string> names = formats_.Names();
    QStringList items;
    for (const auto& name : names) {
        items << QString::fromStdString(name);
    }
    for (std::size_t i = 0; i < c_.choosers.size(); ++i) {
        QComboBox* chooser = c_.choosers[i];
        chooser->clear();
        chooser->addItems(items);
        const auto found = FindFormatName(names, settings_.*kChooserSettings[i]);
        chooser->setCurrentIndex(found ? static_cast<int>(*found) : -1);
    }
}

void OptionsDialog::FillFormatList() {
    const int row = c_.formatList->currentRow();
    c_.formatList->clear();
    for (const auto& line : formats_.Lines()) {
        c_.formatList->addItem(QString::fromStdString(line));
    }
    if (row >= 0 && row < c_.formatList->count()) {
        c_.formatList->setCurrentRow(row);
    }
}

void OptionsDialog::ShowOptions() {
    EnsureWindowFonts();
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
    const int row = c_.formatList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= formats_.Count()) {
        return;
    }
    const std::string name = formats_.Names()[static_cast<std::size_t>(row)];
    editor_->Open(FormatEditMode::Edit, static_cast<std::size_t>(row), name,
                  formats_.Template(name));
}

void OptionsDialog::RemoveFormat() {
    const int row = c_.formatList->currentRow();
    if (editor_->isVisible() || row < 0) {
        return;
    }
    formats_.DeleteAt(static_cast<std::size_t>(row));
    FillFormatList();
}

void OptionsDialog::ApplyOptions() {
    // An empty key field makes no hotkey: the old one is let go and nothing takes its place.
    // Boxes ticked without a key are a hotkey that cannot be assigned; no box and no key is
    // simply no hotkey, nothing to warn about.
    const HotkeyBoxes boxes{c_.win->isChecked(), c_.ctrl->isChecked(), c_.alt->isChecked(),
                            c_.shift->isChecked()};
    settings_.globalHotkey = HotkeyFromBoxes(boxes, c_.key->text().toStdString());
    const bool asked =
        settings_.globalHotkey || boxes.win || boxes.ctrl || boxes.alt || boxes.shift;
    if (!picks_.RegisterHotkey() && asked) {
        dialogs_.ShowMessage(kCannotAssignHotkeyText);
    }
    if (autostartChanged_) {
        autostartChanged_ = false;
        settings_.startWithWindows = c_.startWithWindows->isChecked();
        emit startWithWindowsChanged(settings_.startWithWindows);
    }
    actions_.SetAutoCopy(c_.autoCopy->isChecked());
    settings_.autoCopySwatch = c_.autoCopySwatch->isChecked();
    settings_.autoCopyOnHotkey = c_.autoCopyOnHotkey->isChecked();
    actions_.SetStayOnTop(c_.stayOnTop->isChecked());
    settings_.showAtStart = c_.showProgram->isChecked();
    settings_.pasteCss = c_.pasteCss->isChecked();
    settings_.eyeShowComparison = c_.showComparison->isChecked();
    emit comparisonFlagChanged();
    for (std::size_t i = 0; i < c_.choosers.size(); ++i) {
        settings_.*kChooserSettings[i] = c_.choosers[i]->currentIndex() < 0
                                             ? std::string()
                                             : c_.choosers[i]->currentText().toStdString();
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

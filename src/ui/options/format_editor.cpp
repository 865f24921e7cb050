#include "ui/options/format_editor.h"

#include "core/formats/color_formats.h"
#include "core/formats/format_edit.h"
#include "core/formats/format_list.h"
#include "platform/dialogs.h"
#include "platform/qt_conversions.h"
#include "platform/window_fonts.h"
#include "ui/common/filled_box.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace twl {

namespace {

QLabel* Caption(const char* text, int x, int y, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

FormatEditor::FormatEditor(FormatList& formats, Dialogs& dialogs)
    : formats_(formats), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Color Value Format"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    setFixedSize(kWidth, kHeight);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    auto* intro = new QLabel(QStringLiteral("Double-click to add value parts. Enter any text you "
                                            "wish between value parts. You can also change the "
                                            "color for format preview."),
                             this);
    intro->setObjectName(QStringLiteral("Label5"));
    intro->setWordWrap(true);
    intro->setGeometry(24, 24, 377, 40);

    Caption("Value Parts:", 24, 64, this);
    valueParts_ = new QListWidget(this);
    valueParts_->setObjectName(QStringLiteral("ListBox1"));
    valueParts_->setGeometry(24, 80, 137, 169);
    for (const auto& part : ValueParts()) {
        valueParts_->addItem(
            QString::fromUtf8(part.label.data(), static_cast<qsizetype>(part.label.size())));
    }
    connect(valueParts_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AddValuePart(valueParts_->row(item)); });
    // The CSS notations' values and the colour name drop down below the list.
    auto* more = new QPushButton(QStringLiteral("More Values"), this);
    more->setObjectName(QStringLiteral("MoreValuesBTN"));
    more->setGeometry(24, kHeight - 37, 137, 25);
    auto* moreMenu = new QMenu(more);
    moreMenu->setObjectName(QStringLiteral("MoreValuesMNU"));
    for (const auto& part : MorePlaceholderTable()) {
        const std::string_view placeholder = part.placeholder;
        moreMenu->addAction(
            QString::fromUtf8(part.label.data(), static_cast<qsizetype>(part.label.size())), this,
            [this, placeholder] { AddPlaceholder(placeholder); });
    }
    more->setMenu(moreMenu);

    Caption("Format:", 176, 72, this);
    template_ = new QLineEdit(this);
    template_->setObjectName(QStringLiteral("FormatEDT"));
    template_->setGeometry(176, 88, 217, 21);
    connect(template_, &QLineEdit::textChanged, this, &FormatEditor::UpdatePreview);

    Caption("Preview:", 176, 128, this);
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("formatpreviewLBL"));
    preview_->setGeometry(176, 144, 217, 16);
    preview_->setTextFormat(Qt::PlainText);
    preview_->setToolTip(QStringLiteral("Double-click to add to the Name box below."));
    preview_->installEventFilter(this);

    swatch_ = new FilledBox(this, QStringLiteral("Shape1"), ToQColor(previewColor_), Qt::black);
    swatch_->setGeometry(296, 176, 17, 17);
    changeColor_ = new QLabel(QStringLiteral("<u>Change color?</u>"), this);
    changeColor_->setObjectName(QStringLiteral("Label6"));
    changeColor_->move(320, 177);
    changeColor_->adjustSize();
    changeColor_->setStyleSheet(QStringLiteral("color: blue"));
    changeColor_->setCursor(Qt::PointingHandCursor);
    changeColor_->installEventFilter(this);

    Caption("Name:", 176, 208, this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("nameEDT"));
    name_->setGeometry(176, 224, 217, 21);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(kWidth - 166, kHeight - 37, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancel->setGeometry(kWidth - 86, kHeight - 37, 75, 25);
    connect(ok, &QPushButton::clicked, this, &FormatEditor::ConfirmFormat);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdatePreview();
}

void FormatEditor::Open(FormatEditMode mode, std::size_t editIndex, const std::string& name,
                        const std::string& templ) {
    EnsureWindowFonts();
    mode_ = mode;
    editIndex_ = editIndex;
    name_->setText(QString::fromStdString(name));
    template_->setText(QString::fromStdString(templ));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void FormatEditor::AddValuePart(int row) {
    const auto table = ValueParts();
    if (row >= 0 && static_cast<std::size_t>(row) < table.size()) {
        AddPlaceholder(table[static_cast<std::size_t>(row)].placeholder);
        return;
    }
    template_->setFocus();
    template_->setCursorPosition(static_cast<int>(template_->text().size()));
}

void FormatEditor::AddPlaceholder(std::string_view placeholder) {
    template_->setText(
        template_->text() +
        QString::fromUtf8(placeholder.data(), static_cast<qsizetype>(placeholder.size())));
    template_->setFocus();
    template_->setCursorPosition(static_cast<int>(template_->text().size()));
}

void FormatEditor::AddPreviewToName() {
    name_->setText(name_->text() + preview_->text());
}

void FormatEditor::ChangePreviewColor() {
    const auto chosen = dialogs_.AskColor(previewColor_);
    if (!chosen) {
        return;
    }
    previewColor_ = *chosen;
    swatch_->SetFill(ToQColor(previewColor_));
    UpdatePreview();
}

void FormatEditor::ConfirmFormat() {
    switch (ApplyFormatEdit(formats_, mode_, editIndex_, name_->text().toStdString(),
                            template_->text().toStdString())) {
    case FormatEditResult::EmptyBox:
        dialogs_.ShowMessage(std::string(kFillBothBoxesText));
        return;
    case FormatEditResult::NameExists:
        dialogs_.ShowMessage(std::string(kNameExistsText));
        return;
    case FormatEditResult::Done:
        emit formatsChanged();
        accept();
        return;
    }
}

void FormatEditor::UpdatePreview() {
    preview_->setText(QString::fromStdString(ExpandTemplate(
        previewColor_, template_->text().toStdString(), formats_.ColorNamesOfTemplates())));
}

bool FormatEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == preview_ && event->type() == QEvent::MouseButtonDblClick) {
        AddPreviewToName();
        return true;
    }
    if (watched == changeColor_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ChangePreviewColor();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace twl

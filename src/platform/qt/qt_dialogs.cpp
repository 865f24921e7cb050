#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace twl {

namespace {

// "Bitmap Image|*.bmp|Photoshop ACO File (*.aco)|*.ACO" becomes Qt's "Bitmap Image (*.bmp)" and
// "Photoshop ACO File (*.ACO *.aco)": a name that already shows its patterns shows them once,
// and a pattern in capitals finds the lower-case names as well.
QStringList QtNameFilters(const std::string& filters) {
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\)$"));
    const QStringList parts = QString::fromStdString(filters).split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        name.remove(shownPatterns);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (qsizetype p = 0, count = patterns.size(); p < count; ++p) {
            if (!patterns.contains(patterns[p].toLower())) {
                patterns << patterns[p].toLower();
            }
        }
        qtFilters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                         QLatin1Char(')');
    }
    return qtFilters;
}

// The window that asked: the modal one open, else the active one.
QWidget* DialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    QWidget* active = QApplication::activeWindow();
    return active != nullptr && active->isVisible() ? active : nullptr;
}

// A dialog of a window that stays on top stays on top as well, above it.
void KeepAboveOwner(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (owner != nullptr && (owner->window()->windowFlags() & Qt::WindowStaysOnTopHint)) {
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
}

} // namespace

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TWL"), QString::fromStdString(text),
                    QMessageBox::Ok, DialogOwner());
    KeepAboveOwner(box);
    // The text can be selected with the mouse and copied, as in a text field.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("TWL"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, DialogOwner());
    KeepAboveOwner(box);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("TWL"), QString::fromStdString(text),
                    QMessageBox::Ok, DialogOwner());
    KeepAboveOwner(box);
    box.exec();
}

std::optional<TColor> QtDialogs::AskColor(TColor initial) {
    const QColor chosen = QColorDialog::getColor(
        QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), DialogOwner(), QString());
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return MakeColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<std::string> QtDialogs::AskSaveFileName(const SaveFileRequest& request) {
    QFileDialog dialog(DialogOwner());
    KeepAboveOwner(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QStringList filters = QtNameFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    QString extension = QString::fromStdString(request.defaultExtension);
    if (extension.startsWith(QLatin1Char('.'))) {
        extension.remove(0, 1);
    }
    dialog.setDefaultSuffix(extension);
    if (!request.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtDialogs::AskOpenFileName(const std::string& filters) {
    QFileDialog dialog(DialogOwner());
    KeepAboveOwner(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(QtNameFilters(filters));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

} // namespace twl

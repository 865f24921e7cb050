#include "platform/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace twl {

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TWL"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

void QtDialogs::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("TWL"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

std::optional<TColor> QtDialogs::AskColor(TColor initial) {
    const QColor chosen = QColorDialog::getColor(
        QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), nullptr, QString());
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return MakeColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<std::string> QtDialogs::AskSaveFileName(const std::string& filters, int filterIndex,
                                                      const std::string& defaultExtension) {
    // "Bitmap Image|*.bmp|PNG Image|*.png" becomes Qt's "Bitmap Image (*.bmp);;PNG Image (*.png)".
    const QStringList parts = QString::fromStdString(filters).split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        qtFilters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(qtFilters);
    if (filterIndex >= 1 && filterIndex <= qtFilters.size()) {
        dialog.selectNameFilter(qtFilters[filterIndex - 1]);
    }
    QString extension = QString::fromStdString(defaultExtension);
    if (extension.startsWith(QLatin1Char('.'))) {
        extension.remove(0, 1);
    }
    dialog.setDefaultSuffix(extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

} // namespace twl

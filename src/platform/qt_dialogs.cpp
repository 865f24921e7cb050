#include "platform/qt_dialogs.h"

#include <QMessageBox>
#include <QString>

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

} // namespace twl

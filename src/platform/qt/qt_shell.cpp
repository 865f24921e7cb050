#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace twl {

void QtShell::Open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A target with a scheme ("https://...") is a web address; anything else is a local path.
    const QUrl url = text.contains(QStringLiteral("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
    QDesktopServices::openUrl(url);
}

void QtShell::Launch(const std::string& program, const std::string& parameter) {
    QProcess::startDetached(QString::fromStdString(program),
                            QStringList{QString::fromStdString(parameter)});
}

} // namespace twl

#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace twl {

void QtShell::Open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A target with a scheme ("https://...", "mailto:...") is an address; anything else is a
    // local path.
    const bool address =
        text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"));
    const QUrl url = address ? QUrl(text) : QUrl::fromLocalFile(text);
    QDesktopServices::openUrl(url);
}

void QtShell::Launch(const std::string& program, const std::string& parameter) {
    QProcess::startDetached(QString::fromStdString(program),
                            QStringList{QString::fromStdString(parameter)});
}

} // namespace twl

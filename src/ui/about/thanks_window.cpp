#include "ui/about/thanks_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace twl {

ThanksWindow::ThanksWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ThanksWindow"));
    setWindowTitle(QStringLiteral("Thanks to..."));
    setModal(true);
    auto* text = new QLabel(
        QStringLiteral(
            "<p>TWL is built on the work of these open-source projects:</p>"
            "<p><b>Qt</b> - the application framework: windows, menus, pictures, the tray "
            "icon and the network (The Qt Company and the Qt Project)</p>"
            "<p><b>giflib</b> - the GIF picture files</p>"
            "<p><b>xcb</b> - the X protocol C-language Binding: screen reading and the global "
            "hotkey (freedesktop.org)</p>"
            "<p><b>zlib</b> and <b>libpng</b> - the PNG picture files, through Qt</p>"
            "<p><b>Wine's fonts</b> - the Tahoma-compatible face of the window texts (the Wine "
            "project)</p>"
            "<p>Thank you all!</p>"),
        this);
    text->setObjectName(QStringLiteral("ThanksLBL"));
    text->setWordWrap(true);
    text->setFixedWidth(360);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ThanksWindow::ShowThanks() {
    show();
    raise();
    activateWindow();
}

} // namespace twl

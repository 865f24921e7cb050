#include "app/form1.h"

#include <QCloseEvent>
#include <QPalette>

namespace twl {

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TWL"));
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);
    setAutoFillBackground(true);
    setFixedWidth(kWidth);
}

void Form1::ApplyStayOnTop(bool on) {
    if (testAttribute(Qt::WA_WState_Created) && isVisible()) {
        // Changing window flags re-creates the native window; keep it where it is, unactivated.
        const QPoint position = pos();
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        move(position);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose_) {
        onClose_();
    }
}

} // namespace twl

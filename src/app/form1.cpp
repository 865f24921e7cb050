#include "app/form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainterPath>
#include <QPalette>
#include <QRegion>

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

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A rounded rectangle from (2, 2) to the last column and row but one, corners 6 × 6.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(2, 2, width() - 3, height() - 3), 3, 3);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (onKey_ && onKey_(event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose_) {
        onClose_();
    }
}

} // namespace twl

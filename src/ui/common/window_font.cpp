#include "ui/common/window_font.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace twl {

QFont TahomaFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    if (bold) {
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

void SetTextColor(QWidget& widget, const QColor& color) {
    QPalette colors = widget.palette();
    colors.setColor(QPalette::WindowText, color);
    widget.setPalette(colors);
}

} // namespace twl

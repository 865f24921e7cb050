#include "ui/common/tool_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace twl {

QPixmap MenuGlyph(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 192, 192));
    const qreal left = (width - 8) / 2;
    const qreal top = (height - 4) / 2;
    painter.drawPolygon(
        QPolygonF({QPointF(left, top), QPointF(left + 8, top), QPointF(left + 4, top + 5)}));
    return picture;
}

QPixmap ArrowGlyph(int width, int height, bool pointsLeft) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 192, 192));
    const qreal left = (width - 5) / 2;
    const qreal top = (height - 8) / 2;
    const qreal tip = pointsLeft ? left : left + 5;
    const qreal base = pointsLeft ? left + 5 : left;
    painter.drawPolygon(
        QPolygonF({QPointF(base, top), QPointF(base, top + 8), QPointF(tip, top + 4)}));
    return picture;
}

QPixmap WebSafeWarningIcon() {
    QPixmap picture(15, 15);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(60, 40, 0));
    painter.setBrush(QColor(255, 204, 0));
    painter.drawPolygon(QPolygonF({QPointF(7.5, 0.5), QPointF(14.5, 14), QPointF(0.5, 14)}));
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 3, 15, 12), Qt::AlignCenter, QStringLiteral("!"));
    return picture;
}

} // namespace twl

#include "ui/eye_dropper/eye_dropper_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace twl {

QPixmap EyeTitlePicture(int width, int height) {
    QPixmap picture(width, height);
    QPainter painter(&picture);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(58, 58, 58));
    shade.setColorAt(1, QColor(18, 18, 18));
    painter.fillRect(picture.rect(), shade);
    painter.setPen(QColor(90, 90, 90));
    painter.drawLine(0, height - 1, width - 1, height - 1);
    return picture;
}

QPixmap MenuGlyph() {
    QPixmap picture(16, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawPolygon(QPolygonF({QPointF(4, 5), QPointF(12, 5), QPointF(8, 10)}));
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

#include "palette/bar_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace twl {

QPixmap TitlePicture() {
    QPixmap picture(31, 17);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(200, 200, 200));
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("TWL"));
    return picture;
}

QPixmap EyeDropperPicture() {
    QPixmap picture(25, 25);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A pipette lying from the top right to the bottom left: bulb, collar, glass tube, tip.
    painter.translate(12.5, 12.5);
    painter.rotate(45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 60, 60));
    painter.drawRoundedRect(QRectF(-3.5, -12, 7, 7), 3, 3);
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRect(QRectF(-4.5, -5.5, 9, 2.5));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRect(QRectF(-2, -3, 4, 10));
    QPainterPath tip;
    tip.moveTo(-2, 7);
    tip.lineTo(2, 7);
    tip.lineTo(0.4, 11.5);
    tip.lineTo(-0.4, 11.5);
    tip.closeSubpath();
    painter.drawPath(tip);
    return picture;
}

} // namespace twl

#include "ui/bar/bar_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace twl {

QPixmap TitlePicture() {
    // "TWL" in strokes of two pixels: drawing it needs no font, so the bar shows without
    // waiting for the font system to load.
    QPixmap picture(31, 17);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    const QColor ink(200, 200, 200);
    const QRect strokes[] = {
        {2, 4, 8, 2},  {5, 4, 2, 9},                                  // T
        {11, 4, 2, 9}, {13, 11, 2, 2}, {15, 8, 2, 3}, {17, 11, 2, 2}, // W
        {19, 4, 2, 9},                                                //
        {23, 4, 2, 9}, {23, 11, 6, 2},                                // L
    };
    for (const QRect& stroke : strokes) {
        painter.fillRect(stroke, ink);
    }
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

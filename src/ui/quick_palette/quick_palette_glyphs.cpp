#include "ui/quick_palette/quick_palette_glyphs.h"

#include <QLinearGradient>
#include <QPainter>

namespace twl {

namespace {

const QColor kSilver(192, 192, 192);

} // namespace

QPixmap TitleStrip(int width, int height) {
    QPixmap strip(width, height);
    QPainter painter(&strip);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(70, 70, 70));
    shade.setColorAt(1, QColor(20, 20, 20));
    painter.fillRect(strip.rect(), shade);
    return strip;
}

QPixmap SwapGlyph(int width, int height) {
    QPixmap glyph(width, height);
    glyph.fill(Qt::black);
    QPainter painter(&glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSilver);
    const int middle = width / 2;
    const QPoint left[] = {{middle - 5, 4}, {middle, 1}, {middle, 7}};
    const QPoint right[] = {{middle + 5, height - 5}, {middle, height - 8}, {middle, height - 2}};
    painter.drawPolygon(left, 3);
    painter.drawPolygon(right, 3);
    return glyph;
}

QPixmap SearchIcon() {
    QPixmap icon(16, 16);
    icon.fill(Qt::black);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kSilver, 2));
    painter.drawEllipse(QRectF(2, 2, 8, 8));
    painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    return icon;
}

} // namespace twl

#include "ui/about/about_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace twl {

QPixmap AboutPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sheet(0, 0, 0, size.height());
    sheet.setColorAt(0, QColor(250, 250, 252));
    sheet.setColorAt(1, QColor(226, 230, 238));
    painter.fillRect(picture.rect(), sheet);

    // A band of swatches under the name, light to dark across the spectrum.
    static constexpr std::array<QRgb, 12> kSwatches{0xE53935, 0xF4511E, 0xFB8C00, 0xFDD835,
                                                    0xC0CA33, 0x43A047, 0x00897B, 0x039BE5,
                                                    0x1E88E5, 0x3949AB, 0x8E24AA, 0xD81B60};
    const int swatchWidth = (size.width() - 60) / static_cast<int>(kSwatches.size());
    for (std::size_t i = 0; i < kSwatches.size(); ++i) {
        const QRectF swatch(30 + static_cast<int>(i) * swatchWidth, 86, swatchWidth - 4, 14);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(kSwatches[i]));
        painter.drawRoundedRect(swatch, 3, 3);
    }

    QFont name(QStringLiteral("Tahoma"));
    name.setPixelSize(34);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(40, 44, 52));
    painter.drawText(QPointF(28, 58), QStringLiteral("Tintwell"));
    QFont line(QStringLiteral("Tahoma"));
    line.setPixelSize(12);
    painter.setFont(line);
    painter.setPen(QColor(96, 102, 112));
    painter.drawText(QPointF(30, 78), QStringLiteral("Colours from anywhere on the screen"));

    painter.setPen(QColor(190, 196, 206));
    painter.drawLine(QPointF(30, 116.5), QPointF(size.width() - 30, 116.5));
    return picture;
}

} // namespace twl

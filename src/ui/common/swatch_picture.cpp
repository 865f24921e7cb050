#include "ui/common/swatch_picture.h"

#include "core/color/color_convert.h"
#include "core/export/swatch_image.h"
#include "platform/window_fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace twl {

PixelImage DrawSwatchPicture(std::span<const TColor> colors) {
    PixelImage picture = DrawSwatchImage(colors);
    if (colors.empty()) {
        return picture;
    }
    EnsureWindowFonts();
    // Qt paints straight into the core's buffer: both are 0xFFRRGGBB rows without padding.
    QImage surface(reinterpret_cast<uchar*>(picture.pixels.data()), picture.width, picture.height,
                   picture.width * 4, QImage::Format_RGB32);
    QPainter painter(&surface);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(9);
    // Plain pixels, as a small label on a swatch is drawn; it also keeps a GIF's colours exact.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const QString text = QString::fromStdString(ColorToHexTriplet(colors[i]));
        const Point origin = SwatchLabelOrigin(static_cast<int>(i));
        const QRect cell(origin.x, origin.y, metrics.horizontalAdvance(text), metrics.height());
        painter.fillRect(cell, Qt::white);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    return picture;
}

} // namespace twl

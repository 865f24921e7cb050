#pragma once
// The one set of conversions between the core's colour, picture and geometry types and Qt's.

#include "core/base/geometry.h"
#include "core/base/pixel_image.h"
#include "core/color/color_text.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

namespace twl {

inline QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

inline QPoint ToQPoint(Point point) {
    return QPoint(point.x, point.y);
}

inline Point FromQPoint(QPoint point) {
    return Point{point.x(), point.y()};
}

inline QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

// A copy of picture as a QImage of Format_RGB32; the QImage owns its pixels, so picture may go
// away. A null QImage when picture is empty or its buffer does not match its size.
QImage ToQImage(const PixelImage& picture);

// A copy of image's pixels as 0xFFRRGGBB (the image is converted to Format_RGB32 first, any
// alpha dropped). An empty PixelImage for a null image.
PixelImage FromQImage(const QImage& image);

} // namespace twl

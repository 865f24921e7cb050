#include "ui/eye_dropper/eye_dropper_pictures.h"

#include <QLinearGradient>
#include <QPainter>

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

} // namespace twl

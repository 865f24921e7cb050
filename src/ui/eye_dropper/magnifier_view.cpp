#include "ui/eye_dropper/magnifier_view.h"

#include "ui/eye_dropper/eye_sampler.h"

#include <QMouseEvent>
#include <QPainter>

namespace twl {

MagnifierView::MagnifierView(const EyeSampler& sampler, QWidget* parent)
    : QWidget(parent), sampler_(sampler) {
    setObjectName(QStringLiteral("EyeIMG"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MagnifierView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PixelImage& image = sampler_.Image();
    if (image.width <= 0 || image.height <= 0) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // The sampler's buffer is shown in place, without a copy.
    const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                         image.height, image.width * 4, QImage::Format_RGB32);
    painter.drawImage(0, 0, picture);
}

void MagnifierView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event);
}

void MagnifierView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event);
}

} // namespace twl

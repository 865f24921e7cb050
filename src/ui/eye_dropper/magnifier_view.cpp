#include "ui/eye_dropper/magnifier_view.h"

#include "platform/window_painter.h"
#include "ui/eye_dropper/eye_sampler.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace twl {

MagnifierView::MagnifierView(const EyeSampler& sampler, QWidget* parent)
    : QWidget(parent), sampler_(sampler) {
    setObjectName(QStringLiteral("EyeIMG"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool MagnifierView::PutStraight(WindowPainter& painter) {
    QWidget* top = window();
    QWindow* native = top->windowHandle();
    if (!sampler_.HasPicture() || !isVisible() || native == nullptr || !native->isExposed() ||
        devicePixelRatio() != 1) {
        return false;
    }
    const int side = sampler_.ImageSide();
    const std::optional<PixelView> canvas =
        painter.Canvas(std::min(width(), side), std::min(height(), side));
    if (!canvas) {
        return false;
    }
    sampler_.DrawPicture(*canvas);
    const QPoint at = mapTo(top, QPoint(0, 0));
    if (!painter.Put(top->winId(), Point{at.x(), at.y()})) {
        return false;
    }
    if (watchedWindow_ != native) {
        if (watchedWindow_) {
            watchedWindow_->removeEventFilter(this);
        }
        native->installEventFilter(this);
        watchedWindow_ = native;
    }
    return true;
}

bool MagnifierView::eventFilter(QObject* watched, QEvent* event) {
    // Marked before Qt handles the exposure, which then paints the picture with the rest.
    if (watched == watchedWindow_ && event->type() == QEvent::Expose) {
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void MagnifierView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!sampler_.HasPicture()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    if (const std::optional<PixelView> target = BackingPixels(painter)) {
        sampler_.DrawPicture(*target);
        return;
    }
    // Painted elsewhere (a grab, a scaled screen): through the sampler's own copy.
    const PixelImage& image = sampler_.Image();
    const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                         image.height, image.width * 4, QImage::Format_RGB32);
    painter.drawImage(0, 0, picture);
}

std::optional<PixelView> MagnifierView::BackingPixels(QPainter& painter) const {
    // The picture is drawn straight into the window's backing image when that is where this
    // paint goes, one image pixel to one device pixel, and all of the picture is to be painted.
    auto* image = dynamic_cast<QImage*>(painter.paintEngine()->paintDevice());
    if (image == nullptr || image->devicePixelRatio() != 1.0 ||
        (image->format() != QImage::Format_RGB32 &&
         image->format() != QImage::Format_ARGB32_Premultiplied) ||
        painter.deviceTransform().type() > QTransform::TxTranslate) {
        return std::nullopt;
    }
    const int side = sampler_.ImageSide();
    const QRect area = painter.deviceTransform().mapRect(
        QRect(0, 0, std::min(width(), side), std::min(height(), side)));
    const QRegion clip = painter.paintEngine()->systemClip();
    const bool allOfIt =
        clip.isEmpty() || std::any_of(clip.begin(), clip.end(),
                                      [&area](const QRect& part) { return part.contains(area); });
    if (!image->rect().contains(area) || !allOfIt) {
        return std::nullopt;
    }
    auto* first = reinterpret_cast<std::uint32_t*>(image->scanLine(area.top())) + area.left();
    return PixelView{first, area.width(), area.height(), image->bytesPerLine() / 4};
}

void MagnifierView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event);
}

void MagnifierView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event);
}

} // namespace twl

#include "ui/screen_pick/overlay_view.h"

#include "core/sampling/magnifier_geometry.h"
#include "ui/common/window_font.h"
#include "ui/screen_pick/screen_pick_overlay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace twl {

namespace {

constexpr int kRing = 3;     // the lens's frame
constexpr int kValueGap = 6; // between the lens and its value
constexpr int kValuePadding = 5;

QFont ValueFont() {
    return TahomaFont(10, true);
}

} // namespace

OverlayView::OverlayView(ScreenPickOverlay& overlay, const MonitorScale& monitor, QImage picture)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::Tool),
      overlay_(overlay), monitor_(monitor), picture_(std::move(picture)) {
    setObjectName(QStringLiteral("ScreenPickOverlay"));
    setWindowTitle(QStringLiteral("Pick a colour"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The lens shows where the pointer is; an arrow over it would hide the pixel picked.
    setCursor(Qt::BlankCursor);
    const Rect area = monitor_.Logical();
    setGeometry(area.left, area.top, area.width, area.height);
}

QRect OverlayView::LensArea() const {
    const Point pointer = overlay_.Pointer();
    const Rect& physical = monitor_.physical;
    if (!physical.Contains(pointer.x, pointer.y)) {
        return {};
    }
    const PixelImage& lens = overlay_.Lens();
    const double factor = monitor_.factor;
    // The pointer's pixel in this view's units, and the lens centred on it.
    const double x = (pointer.x - physical.left + 0.5) / factor;
    const double y = (pointer.y - physical.top + 0.5) / factor;
    const double side = lens.width / factor;
    const QRect lensRect(static_cast<int>(std::floor(x - side / 2)),
                         static_cast<int>(std::floor(y - side / 2)),
                         static_cast<int>(std::ceil(side)), static_cast<int>(std::ceil(side)));
    return lensRect.adjusted(-kRing, -kRing, kRing, kRing);
}

void OverlayView::LensMoved() {
    QRect area = LensArea();
    if (!area.isEmpty()) {
        // The value's box below or above the lens, and room for its width.
        const int textHeight = QFontMetrics(ValueFont()).height() + 2 * kValuePadding;
        area.adjust(-200, -(kValueGap + textHeight), 200, kValueGap + textHeight);
    }
    update(lensShown_.united(area));
    lensShown_ = area;
}

void OverlayView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPointF(0, 0), picture_);
    const QRect lensRect = LensArea().adjusted(kRing, kRing, -kRing, -kRing);
    if (lensRect.isEmpty()) {
        return;
    }
    const PixelImage& lens = overlay_.Lens();
    QImage lensPicture(reinterpret_cast<const uchar*>(lens.pixels.data()), lens.width, lens.height,
                       lens.width * 4, QImage::Format_RGB32);
    lensPicture.setDevicePixelRatio(monitor_.factor);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath circle;
    circle.addEllipse(QRectF(lensRect));
    painter.setClipPath(circle, Qt::IntersectClip);
    painter.drawImage(lensRect.topLeft(), lensPicture);
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(75, 75, 75), kRing));
    painter.drawEllipse(QRectF(lensRect).adjusted(-1, -1, 1, 1));

    const QString value = QString::fromStdString(overlay_.ValueText());
    if (value.isEmpty()) {
        return;
    }
    painter.setFont(ValueFont());
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(value) + 2 * kValuePadding;
    const int height = metrics.height() + 2 * kValuePadding;
    QRect box(lensRect.center().x() - width / 2, lensRect.bottom() + kRing + kValueGap, width,
              height);
    if (box.bottom() >= this->height()) {
        box.moveBottom(lensRect.top() - kRing - kValueGap);
    }
    box.moveLeft(std::clamp(box.left(), 0, std::max(0, this->width() - width)));
    painter.setPen(QPen(QColor(75, 75, 75), 1));
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, value);
}

void OverlayView::mouseMoveEvent(QMouseEvent*) {
    overlay_.PointerMoved();
}

void OverlayView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    } else if (event->button() == Qt::RightButton) {
        overlay_.Cancel();
    }
}

void OverlayView::mouseReleaseEvent(QMouseEvent* event) {
    // A click picks: the press and the release both on the overlay.
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        overlay_.Pick();
    }
}

void OverlayView::keyPressEvent(QKeyEvent* event) {
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Escape:
        overlay_.Cancel();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        overlay_.Pick();
        return;
    case Qt::Key_Left:
        overlay_.MovePointerBy(-step, 0);
        return;
    case Qt::Key_Right:
        overlay_.MovePointerBy(step, 0);
        return;
    case Qt::Key_Up:
        overlay_.MovePointerBy(0, -step);
        return;
    case Qt::Key_Down:
        overlay_.MovePointerBy(0, step);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace twl

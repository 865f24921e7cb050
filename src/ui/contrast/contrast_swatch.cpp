#include "ui/contrast/contrast_swatch.h"

#include "platform/qt_conversions.h"
#include "ui/bar/slot_swatch.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace twl {

ContrastSwatch::ContrastSwatch(const QString& name, bool takesDrops, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    setAcceptDrops(takesDrops);
}

void ContrastSwatch::SetColor(TColor color) {
    color_ = color;
    update();
}

void ContrastSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(color_));
}

void ContrastSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ContrastSwatch::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (SlotSwatch::DraggedTag(data) >= 0 || data->hasColor()) {
        event->acceptProposedAction();
    }
}

void ContrastSwatch::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (SlotSwatch::DraggedTag(data) >= 0) {
        emit slotDropped();
    } else if (const auto color = SlotSwatch::ForeignColor(data)) {
        emit colorDropped(*color);
    }
    event->acceptProposedAction();
}

} // namespace twl

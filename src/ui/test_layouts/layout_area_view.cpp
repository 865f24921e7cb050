#include "ui/test_layouts/layout_area_view.h"

#include "platform/qt_conversions.h"
#include "ui/bar/slot_swatch.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

namespace twl {

LayoutAreaView::LayoutAreaView(int index, QWidget* preview) : QWidget(preview), index_(index) {
    setObjectName(QStringLiteral("S%1").arg(index + 1));
    setAcceptDrops(true);
}

void LayoutAreaView::SetColor(TColor color) {
    color_ = color;
    update();
}

void LayoutAreaView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_));
}

void LayoutAreaView::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void LayoutAreaView::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void LayoutAreaView::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (SlotSwatch::DraggedTag(data) >= 0) {
        emit slotDropped(index_);
    } else if (const auto color = SlotSwatch::ForeignColor(data)) {
        emit colorDropped(index_, *color);
    }
    event->acceptProposedAction();
}

} // namespace twl

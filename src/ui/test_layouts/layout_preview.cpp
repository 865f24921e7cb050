#include "ui/test_layouts/layout_preview.h"

#include "platform/qt_conversions.h"
#include "ui/test_layouts/layout_area_view.h"

#include <QPainter>

namespace twl {

LayoutPreview::LayoutPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TestPNL"));
    resize(kLayoutPreviewSize, kLayoutPreviewSize);
    // Made in order, so a higher number lies on top.
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        areas_[static_cast<std::size_t>(i)] = new LayoutAreaView(i, this);
    }
}

void LayoutPreview::ShowLayout(const TestLayout& layout) {
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        const LayoutArea& area = layout.areas[static_cast<std::size_t>(i)];
        LayoutAreaView* view = Area(i);
        const Rect fill = AreaFillRect(area);
        view->setGeometry(ToQRect(fill));
        view->SetColor(area.color);
        view->setVisible(area.visible && !fill.Empty());
    }
}

void LayoutPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(128, 128, 128));
    const int last = kLayoutPreviewSize - 1;
    painter.drawLine(0, 0, last, 0);
    painter.drawLine(0, 0, 0, last);
    painter.drawLine(last, 0, last, last);
}

} // namespace twl

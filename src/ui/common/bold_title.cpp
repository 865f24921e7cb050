#include "ui/common/bold_title.h"

#include "ui/common/window_font.h"

#include <QPainter>

namespace twl {

namespace {

constexpr int kDoubledFrom = 16;

} // namespace

BoldTitle::BoldTitle(const QString& text, int pixelSize, QWidget* parent)
    : QLabel(text, parent), doubled_(pixelSize >= kDoubledFrom) {
    QFont font = TahomaFont(8, true);
    font.setPixelSize(pixelSize);
    setFont(font);
}

void BoldTitle::paintEvent(QPaintEvent* event) {
    if (!doubled_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    for (const int shift : {0, 1}) {
        painter.drawText(area.translated(shift, 0), static_cast<int>(alignment()), text());
    }
}

} // namespace twl

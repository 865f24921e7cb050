#include "ui/contrast/contrast_sample.h"

#include "platform/qt_conversions.h"

#include <QPainter>

namespace twl {

ContrastSample::ContrastSample(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void ContrastSample::SetColors(TColor text, TColor background) {
    text_ = text;
    background_ = background;
    update();
}

void ContrastSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(background_));
    painter.setPen(ToQColor(text_));
    QFont regular = font();
    regular.setPixelSize(14);
    regular.setBold(false);
    painter.setFont(regular);
    painter.drawText(QRect(8, 6, width() - 12, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Sample text"));
    QFont large = regular;
    large.setPixelSize(24);
    large.setBold(true);
    painter.setFont(large);
    painter.drawText(QRect(8, 28, width() - 12, 32), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Heading"));
}

} // namespace twl

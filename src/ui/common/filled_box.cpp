#include "ui/common/filled_box.h"

#include <QPainter>

namespace twl {

FilledBox::FilledBox(QWidget* parent, const QString& name, QColor fill, QColor outline)
    : QWidget(parent), fill_(fill), outline_(outline) {
    setObjectName(name);
}

FilledBox::FilledBox(QWidget* parent, const QString& name, QColor fill)
    : FilledBox(parent, name, fill, fill) {
    plain_ = true;
}

void FilledBox::SetFill(QColor fill) {
    if (fill != fill_) {
        fill_ = fill;
        update();
    }
}

void FilledBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    if (!plain_) {
        painter.setPen(outline_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace twl

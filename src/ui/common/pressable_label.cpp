#include "ui/common/pressable_label.h"

#include <QMouseEvent>

namespace twl {

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    if (onPress) {
        onPress(event);
    } else {
        QLabel::mousePressEvent(event);
    }
}

void PressableLabel::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) {
        onMove(event);
    } else {
        QLabel::mouseMoveEvent(event);
    }
}

void PressableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) {
        onRelease(event);
    } else {
        QLabel::mouseReleaseEvent(event);
    }
}

} // namespace twl

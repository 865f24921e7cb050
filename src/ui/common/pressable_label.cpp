#include "ui/common/pressable_label.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace twl {

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    if (isSignalConnected(QMetaMethod::fromSignal(&PressableLabel::pressed))) {
        emit pressed(event);
    } else {
        QLabel::mousePressEvent(event);
    }
}

void PressableLabel::mouseMoveEvent(QMouseEvent* event) {
    if (isSignalConnected(QMetaMethod::fromSignal(&PressableLabel::moved))) {
        emit moved(event);
    } else {
        QLabel::mouseMoveEvent(event);
    }
}

void PressableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (isSignalConnected(QMetaMethod::fromSignal(&PressableLabel::released))) {
        emit released(event);
    } else {
        QLabel::mouseReleaseEvent(event);
    }
}

} // namespace twl

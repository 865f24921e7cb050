#pragma once
// A drag of one of the bar's slots dropped on a widget: the press and the move that start it
// sent to the slot, the drag's enter and drop sent to the target at once.

#include "ui/bar/slot_swatch.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMouseEvent>

namespace twl {

inline void DragSlotOnto(SlotSwatch* source, QWidget* target) {
    SlotSwatch::SetDragRunner([target](QDrag& drag) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, drag.mimeData(), Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    });
    const QPointF start(5, 5), past(5, 5 + QApplication::startDragDistance() + 1);
    QMouseEvent press(QEvent::MouseButtonPress, start, source->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &press);
    QMouseEvent move(QEvent::MouseMove, past, source->mapToGlobal(past), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &move);
    SlotSwatch::SetDragRunner(nullptr);
}

} // namespace twl

#pragma once
// Mouse and key events sent straight to a widget, as the offscreen platform delivers no input.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace twl {

// A press, move or release at (3, 3) inside widget; a press holds its button.
inline void Mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void Key(QWidget* to, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent event(type, key, modifiers);
    QApplication::sendEvent(to, &event);
}

} // namespace twl

#pragma once
// A label or picture that tells its owner about presses, moves and releases of the mouse.

#include <QLabel>

#include <functional>

namespace twl {

class PressableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QMouseEvent*)> onRelease;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace twl

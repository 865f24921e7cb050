#pragma once
// A label or picture that tells its owner about presses, moves and releases of the mouse. An
// event nobody listens to goes on to the label's parent as usual.

#include <QLabel>

namespace twl {

class PressableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed(QMouseEvent* event);
    void moved(QMouseEvent* event);
    void released(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace twl

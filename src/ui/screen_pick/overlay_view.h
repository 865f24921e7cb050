#pragma once
// One monitor's part of the screen pick overlay: the still picture of that monitor, and the lens
// with its value when the pointer is on it. It reports the pointer, clicks and keys to the
// overlay.

#include "core/base/screen_scale.h"

#include <QImage>
#include <QWidget>

namespace twl {

class ScreenPickOverlay;

class OverlayView : public QWidget {
    Q_OBJECT
public:
    // monitor is this view's monitor in both kinds of unit; picture its pixels.
    OverlayView(ScreenPickOverlay& overlay, const MonitorScale& monitor, QImage picture);

    // The lens moved: repaints where it was and where it is now.
    void LensMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where the lens and its value are drawn, in this view's units; empty off this monitor.
    QRect LensArea() const;

    ScreenPickOverlay& overlay_;
    MonitorScale monitor_;
    QImage picture_;
    QRect lensShown_;
    bool leftPressed_ = false;
};

} // namespace twl

#pragma once
// The Eye Dropper's magnified picture (EyeIMG): shows the sampler's picture in place and tells
// about presses and releases. During a pick the picture may be put on the window straight,
// past Qt's painting; Qt's copy of the window then lags behind, so when the window is uncovered
// Qt paints the picture again instead of showing that copy.

#include "core/base/pixel_image.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QPainter;
class QWindow;

namespace twl {

class EyeSampler;
class WindowPainter;

class MagnifierView : public QWidget {
    Q_OBJECT
public:
    MagnifierView(const EyeSampler& sampler, QWidget* parent);

    // Puts the sampler's picture on the screen through the painter, without a paint event.
    // False when it cannot (hidden, a native pixel is not one picture pixel, no picture, the
    // painter refused): update() is the way then.
    bool PutStraight(WindowPainter& painter);

signals:
    void pressed(QMouseEvent* event);
    void released(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the picture goes in the window's backing image, when this paint may write it there.
    std::optional<PixelView> BackingPixels(QPainter& painter) const;

    const EyeSampler& sampler_;
    // The top-level's native window, watched for exposures once a picture went past Qt.
    QPointer<QWindow> watchedWindow_;
};

} // namespace twl

#pragma once
// The Eye Dropper's magnified picture (EyeIMG): shows the sampler's picture in place and tells
// about presses and releases.

#include "core/base/pixel_image.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace twl {

class EyeSampler;

class MagnifierView : public QWidget {
    Q_OBJECT
public:
    MagnifierView(const EyeSampler& sampler, QWidget* parent);

signals:
    void pressed(QMouseEvent* event);
    void released(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the picture goes in the window's backing image, when this paint may write it there.
    std::optional<PixelView> BackingPixels(QPainter& painter) const;

    const EyeSampler& sampler_;
};

} // namespace twl

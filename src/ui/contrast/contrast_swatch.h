#pragma once
// A colour swatch of the Contrast window: a fill in a grey frame that takes drops of the bar's
// slots and of colours from other programs, and reports a left click.

#include "core/color/color_text.h"

#include <QWidget>

namespace twl {

class ContrastSwatch : public QWidget {
    Q_OBJECT
public:
    ContrastSwatch(const QString& name, bool takesDrops, QWidget* parent);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

signals:
    // A drag that started on one of the bar's slots was dropped here.
    void slotDropped();
    // A colour ("application/x-color") from elsewhere was dropped here.
    void colorDropped(TColor color);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TColor color_ = 0;
};

} // namespace twl

#pragma once
// One area of the Test Layouts preview (S1 … S5): a solid fill of its colour over the pixels the
// area paints. It takes any drag; a drop of one of the bar's slots or of a colour from another
// program is reported to the window.

#include "core/color/color_text.h"

#include <QWidget>

namespace twl {

class LayoutAreaView : public QWidget {
    Q_OBJECT
public:
    // index is the area number − 1.
    LayoutAreaView(int index, QWidget* preview);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

signals:
    // A drag that started on one of the bar's slots was dropped here.
    void slotDropped(int index);
    // A colour ("application/x-color") from elsewhere was dropped here.
    void colorDropped(int index, TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int index_;
    TColor color_ = 0;
};

} // namespace twl

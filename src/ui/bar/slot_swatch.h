#pragma once
// One colour swatch of the palette bar (C1 … C20): a 15 × 15 square filled with the slot's
// colour. It reports the pointer and the buttons to its owner, starts a drag of its colour once
// the pointer has moved by the drag distance with the left button held, and takes drops of
// other slots of the bar.

#include "core/color/color_text.h"

#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QDrag;
class QMimeData;

namespace twl {

class SlotSwatch : public QWidget {
    Q_OBJECT
public:
    // tag is the slot number − 1.
    SlotSwatch(int tag, QWidget* parent);

    int Tag() const { return tag_; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // The drag data: the colour for other programs ("application/x-color" and "#RRGGBB" text)
    // and the slot for the bar itself.
    static QMimeData* MakeDragData(int tag, TColor color);
    // The slot a drag of this program's bar carries, or -1 for any other drag.
    static int DraggedTag(const QMimeData* data);
    // The colour ("application/x-color") a drag from another program carries; nullopt for none.
    static std::optional<TColor> ForeignColor(const QMimeData* data);

    // Runs a started drag in place of QDrag::exec; tests deliver the drag events themselves.
    using DragRunner = std::function<void(QDrag& drag)>;
    static void SetDragRunner(DragRunner runner);

signals:
    void hovered(int tag);
    void leftPressed(int tag);
    void rightPressed(int tag);
    void dragStarted(int tag);
    // A drag of one of the bar's slots is over this slot, or dropped on it.
    void draggedOver(int targetTag);
    void dropped(int targetTag);
    void dragEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void StartDrag();
    // Takes a drag of this bar's slots (true); any other drag is refused.
    static bool AcceptOwnDrag(QDropEvent* event);

    int tag_;
    TColor color_ = 0;
    QPoint pressPoint_;
    bool leftHeld_ = false;
};

} // namespace twl

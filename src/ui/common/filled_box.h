#pragma once
// A rectangle filled with one colour and outlined in another: border strips, slot frames,
// swatches, panels.

#include <QColor>
#include <QWidget>

namespace twl {

class FilledBox : public QWidget {
    Q_OBJECT
public:
    FilledBox(QWidget* parent, const QString& name, QColor fill, QColor outline);
    // Without an outline of its own colour: the box is one colour, whatever its fill becomes.
    FilledBox(QWidget* parent, const QString& name, QColor fill);

    QColor Fill() const { return fill_; }
    void SetFill(QColor fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
    bool plain_ = false;
};

} // namespace twl

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
    FilledBox(QWidget* parent, const QString& name, QColor fill)
        : FilledBox(parent, name, fill, fill) {}

    QColor Fill() const { return fill_; }
    void SetFill(QColor fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
};

} // namespace twl

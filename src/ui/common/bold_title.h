#pragma once
// A title in the one bold face of the windows' titles (TahomaFont's, unsmoothed). From 16 pixels
// up the face's own stems are no wider than the regular face's, so the title is drawn twice, a
// pixel apart: its stems are then two pixels wide, as a bold heading's should look.

#include <QLabel>

namespace twl {

class BoldTitle : public QLabel {
    Q_OBJECT
public:
    // pixelSize: the text's height in pixels.
    BoldTitle(const QString& text, int pixelSize, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool doubled_;
};

} // namespace twl

#pragma once
// The Contrast window's sample: the text colour on the background, one line at 14 pixels
// regular and one at 24 pixels bold.

#include "core/color/color_text.h"

#include <QWidget>

namespace twl {

class ContrastSample : public QWidget {
    Q_OBJECT
public:
    ContrastSample(const QString& name, QWidget* parent);

    void SetColors(TColor text, TColor background);
    TColor TextColor() const { return text_; }
    TColor BackgroundColor() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor text_ = 0;
    TColor background_ = 0xFFFFFF;
};

} // namespace twl

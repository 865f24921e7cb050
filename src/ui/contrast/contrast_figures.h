#pragma once
// One column of the Contrast window's figures for a pair of colours: the contrast ratio, pass or
// fail for each of the five criteria, and APCA's Lc, one label a row.

#include "core/color/color_text.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace twl {

class ContrastFigures : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16, kRows = 7;

    // The labels are named prefix + "RatioLBL", "AANormalLBL", …, "ApcaLBL".
    ContrastFigures(const QString& prefix, QWidget* parent);

    void ShowPair(TColor text, TColor background);
    // The labels' texts, top to bottom.
    QStringList Texts() const;
    // The row captions, one label a row, for the column left of the figures.
    static void AddCaptions(QWidget* parent, int left, int top, int width);

private:
    std::vector<QLabel*> labels_;
};

} // namespace twl

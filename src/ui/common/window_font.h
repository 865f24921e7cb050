#pragma once
// The windows' texts are set in Tahoma. At the small sizes of the tool windows the smoothed
// strokes of the bold face blur into grey lines one pixel wide, so bold texts (the window
// titles) are drawn unsmoothed: their stems are then two whole pixels wide, as a bold title's
// should be.

#include <QFont>

class QColor;
class QWidget;

namespace twl {

QFont TahomaFont(int pointSize, bool bold = false);

// A widget's text colour set through its palette: a style sheet's colour would reach the hint it
// shows as well.
void SetTextColor(QWidget& widget, const QColor& color);

} // namespace twl

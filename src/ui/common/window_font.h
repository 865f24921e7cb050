#pragma once
// The windows' texts are set in Tahoma. At the small sizes of the tool windows the smoothed
// strokes of the bold face blur into grey lines one pixel wide, so bold texts (the window
// titles) are drawn unsmoothed: their stems are then two whole pixels wide, as a bold title's
// should be.

#include <QFont>

namespace twl {

QFont TahomaFont(int pointSize, bool bold = false);

} // namespace twl

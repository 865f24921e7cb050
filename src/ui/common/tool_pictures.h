#pragma once
// The small pictures the tool windows share, drawn in code: the menu button's glyph and the
// "not web safe" warning icon (15 × 15).

#include <QPixmap>

namespace twl {

// A silver triangle pointing down, centred in a picture of the button's size.
QPixmap MenuGlyph(int width, int height);
QPixmap WebSafeWarningIcon();

} // namespace twl

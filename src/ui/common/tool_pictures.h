#pragma once
// The small pictures the tool windows share, drawn in code: the menu button's glyph, the
// arrows of the layout buttons and the "not web safe" warning icon (15 × 15).

#include <QPixmap>

namespace twl {

// A silver triangle pointing down, centred in a picture of the button's size.
QPixmap MenuGlyph(int width, int height);
QPixmap WebSafeWarningIcon();
// A silver triangle pointing left or right: the previous and next buttons.
QPixmap ArrowGlyph(int width, int height, bool pointsLeft);

} // namespace twl

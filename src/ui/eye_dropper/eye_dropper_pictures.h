#pragma once
// The Eye Dropper's small pictures, drawn in code: the title bars of the two sizes (210 × 21
// and 322 × 22), the menu button's glyph and the "not web safe" warning icon (15 × 15).

#include <QPixmap>

namespace twl {

QPixmap EyeTitlePicture(int width, int height);
QPixmap MenuGlyph();
QPixmap WebSafeWarningIcon();

} // namespace twl

#pragma once
// The Quick Color Palette's own small pictures, drawn in code: the title strip, the swap
// button's glyph and the search box's magnifier.

#include <QPixmap>

namespace twl {

// Dark grey, lighter at the top.
QPixmap TitleStrip(int width, int height);
// Two silver arrows, one pointing left over one pointing right.
QPixmap SwapGlyph(int width, int height);
QPixmap SearchIcon();

} // namespace twl

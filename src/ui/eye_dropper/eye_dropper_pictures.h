#pragma once
// The Eye Dropper's title bars, drawn in code, in the two sizes (210 × 21 and 322 × 22).

#include <QPixmap>

namespace twl {

QPixmap EyeTitlePicture(int width, int height);

} // namespace twl

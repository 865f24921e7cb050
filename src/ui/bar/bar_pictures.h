#pragma once
// The two pictures of the main bar, drawn in code so the program needs no image files: the
// title (31 × 17) and the eye-dropper button (25 × 25).

#include <QPixmap>

namespace twl {

QPixmap TitlePicture();
QPixmap EyeDropperPicture();

} // namespace twl

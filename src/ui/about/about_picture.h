#pragma once
// The About box's background, drawn in code: a light sheet with the program's name and a band
// of colour swatches.

#include <QPixmap>

namespace twl {

QPixmap AboutPicture(QSize size);

} // namespace twl

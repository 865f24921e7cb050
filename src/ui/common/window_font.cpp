#include "ui/common/window_font.h"

namespace twl {

QFont TahomaFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    if (bold) {
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
    }
    return font;
}

} // namespace twl

#include "ui/common/program_icon.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPixmap>

namespace twl {

QIcon ProgramIcon() {
    // One picture a size, as the icon theme has them: ":/icons/16x16/apps/<app id>.png", ...
    // Read as PNG and nothing else: a reader left to guess loads every image plugin to ask.
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        QImageReader reader(pictures.next(), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage picture = reader.read();
        if (!picture.isNull()) {
            icon.addPixmap(QPixmap::fromImage(picture));
        }
    }
    return icon;
}

} // namespace twl

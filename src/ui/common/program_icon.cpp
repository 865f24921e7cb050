#include "ui/common/program_icon.h"

#include <QDirIterator>

namespace twl {

QIcon ProgramIcon() {
    // One picture a size, as the icon theme has them: ":/icons/16x16/apps/<app id>.png", ...
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        icon.addFile(pictures.next());
    }
    return icon;
}

} // namespace twl

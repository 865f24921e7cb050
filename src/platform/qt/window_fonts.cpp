#include "platform/window_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QString>

namespace twl {

void EnsureWindowFonts() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
}

} // namespace twl

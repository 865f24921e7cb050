#include "platform/update_downloader.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace twl {

std::unique_ptr<UpdateDownloader> LoadUpdateDownloader() {
    using Create = UpdateDownloader* (*)();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates{programFolder + QStringLiteral("/tintwell-network"),
                                 programFolder +
                                     QStringLiteral("/../lib/tintwell/modules/tintwell-network")};
    for (const QString& candidate : candidates) {
        // The module stays loaded to the end: its downloader may outlive this call by far.
        QLibrary module(candidate);
        if (!module.load()) {
            continue;
        }
        if (const auto create = reinterpret_cast<Create>(module.resolve(kUpdateDownloaderEntry))) {
            return std::unique_ptr<UpdateDownloader>(create());
        }
    }
    return nullptr;
}

} // namespace twl

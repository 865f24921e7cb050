#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace twl {

namespace {

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent),
      serverName_(RuntimeFolder() + QStringLiteral("/tintwell-") + key + QStringLiteral(".socket")),
      lock_(std::make_unique<QLockFile>(RuntimeFolder() + QStringLiteral("/tintwell-") + key +
                                        QStringLiteral(".lock"))) {
    // Only a dead owner makes the lock stale, never its age: the first copy may run for weeks.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr) {
        server_->close();
    }
    lock_->unlock();
}

QString SingleInstance::KeyFor(const QString& programPath, const QString& dataFolder) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(programPath.toUtf8());
    hash.addData(QByteArrayView("\n"));
    hash.addData(dataFolder.toUtf8());
    return QString::fromLatin1(hash.result().toHex().left(16));
}

bool SingleInstance::Claim() {
    if (lock_->tryLock(0)) {
        ListenForOthers();
        return true;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        AskFirstCopyForward(serverName_);
        return false;
    }
    // The lock file cannot be made at all (no runtime folder): run unguarded rather than not at
    // all.
    return true;
}

void SingleInstance::ListenForOthers() {
    // A socket left by a crashed copy would make listen() fail.
    QLocalServer::removeServer(serverName_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit anotherStarted();
        }
    });
    server_->listen(serverName_);
}

void SingleInstance::AskFirstCopyForward(const QString& serverName) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (socket.waitForConnected(1000)) {
        socket.write("show\n");
        socket.waitForBytesWritten(500);
        socket.disconnectFromServer();
    }
}

} // namespace twl

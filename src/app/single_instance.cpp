#include "app/single_instance.h"

#include "app/instance_connection.h"
#include "app/local_socket.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace twl {

namespace {

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

bool IsAbstract(const sockaddr_un& address) {
    return address.sun_path[0] == '\0';
}

// The user a connection comes from is this program's user.
bool SameUser(int socket) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
           length == sizeof peer && peer.uid == ::geteuid();
}

// At most this many conversations at once; more are turned away unread.
constexpr int kMostConnections = 16;

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : SingleInstance(key, RuntimeFolder(), parent) {}

SingleInstance::SingleInstance(const QString& key, const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(SocketPathFor(key, folder)),
      lock_(std::make_unique<QLockFile>(folder + QStringLiteral("/tintwell-") + key +
                                        QStringLiteral(".lock"))) {
    // Only a dead owner makes the lock stale, never its age: the first copy may run for weeks.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    notifier_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
        ::unlink(socketPath_.constData());
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

QByteArray SingleInstance::SocketPathFor(const QString& key) {
    return SocketPathFor(key, RuntimeFolder());
}

QByteArray SingleInstance::SocketPathFor(const QString& key, const QString& folder) {
    return QFile::encodeName(folder + QStringLiteral("/tintwell-") + key +
                             QStringLiteral(".socket"));
}

bool SingleInstance::Claim() {
    if (lock_->tryLock(0)) {
        ListenForOthers();
        return true;
    }
    if (lock_->error() == QLockFile::LockFailedError) {
        AskFirstCopyForward(socketPath_);
        return false;
    }
    // The lock file cannot be made at all (no runtime folder): run unguarded rather than not at
    // all.
    return true;
}

void SingleInstance::ListenForOthers() {
    sockaddr_un address;
    const socklen_t addressLength = MakeSocketAddress(socketPath_, address);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) {
        return;
    }
    // We hold the lock, so a socket file there is one left by a crashed copy.
    if (!IsAbstract(address)) {
        ::unlink(socketPath_.constData());
    }
    // Only this user may connect.
    const mode_t oldMask = ::umask(0077);
    const bool bound =
        ::bind(listener, reinterpret_cast<const sockaddr*>(&address), addressLength) == 0;
    ::umask(oldMask);
    if (!bound || ::listen(listener, 8) != 0) {
        ::close(listener);
        return;
    }
    listener_ = listener;
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::AcceptOthers);
}

void SingleInstance::AcceptOthers() {
    for (;;) {
        const int other = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (other < 0) {
            return;
        }
        if (!SameUser(other) ||
            findChildren<InstanceConnection*>(Qt::FindDirectChildrenOnly).size() >=
                kMostConnections) {
            ::close(other);
            continue;
        }
        auto* connection = new InstanceConnection(other, requestTimeoutMs_, this);
        connect(connection, &InstanceConnection::requestRead, this,
                [this, connection](const InstanceRequest& request) {
                    if (request.verb == RequestVerb::Show) {
                        connection->Reply(OkReply());
                        emit anotherStarted();
                        return;
                    }
                    emit requestReceived(request, connection);
                });
    }
}

void SingleInstance::AskFirstCopyForward(const QByteArray& socketPath) {
    const int socket = ConnectToSocket(socketPath);
    if (socket < 0) {
        return;
    }
    // The request stays queued for the first copy after this one has closed its end.
    SendAll(socket, WriteInstanceRequest({RequestVerb::Show, {}}));
    ::close(socket);
}

} // namespace twl

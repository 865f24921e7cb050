#include "app/single_instance.h"

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

// The socket's address and its length. A path too long for an address (a deep runtime folder)
// becomes a name in the abstract namespace instead: its last bytes after a zero byte.
socklen_t MakeAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::size_t room = sizeof address.sun_path - 1;
    const auto length = static_cast<std::size_t>(path.size());
    if (length <= room) {
        std::memcpy(address.sun_path, path.constData(), length);
        return sizeof address;
    }
    std::memcpy(address.sun_path + 1, path.constData() + (length - room), room);
    return sizeof address;
}

bool IsAbstract(const sockaddr_un& address) {
    return address.sun_path[0] == '\0';
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : SingleInstance(key, RuntimeFolder(), parent) {}

SingleInstance::SingleInstance(const QString& key, const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(QFile::encodeName(folder + QStringLiteral("/tintwell-") + key +
                                                     QStringLiteral(".socket"))),
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
    const socklen_t addressLength = MakeAddress(socketPath_, address);
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
    // A connection is the whole message; what the other copy writes is not read.
    for (;;) {
        const int other = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (other < 0) {
            return;
        }
        ::close(other);
        emit anotherStarted();
    }
}

void SingleInstance::AskFirstCopyForward(const QByteArray& socketPath) {
    sockaddr_un address;
    const socklen_t addressLength = MakeAddress(socketPath, address);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return;
    }
    // A full queue of waiting connections is tried again for about a second; a first copy that
    // does not take the connection by then is left alone.
    int result = -1;
    for (int attempt = 0; attempt < 20; ++attempt) {
        result = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), addressLength);
        if (result == 0 || errno != EAGAIN) {
            break;
        }
        ::poll(nullptr, 0, 50);
    }
    if (result == 0) {
        static const char kShow[] = "show\n";
        (void)!::send(socket, kShow, sizeof kShow - 1, MSG_NOSIGNAL);
    }
    ::close(socket);
}

} // namespace twl

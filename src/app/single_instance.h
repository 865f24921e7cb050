#pragma once
// Keeps one copy of the program running per program file and data folder. The first copy holds
// a lock file and listens on a Unix-domain socket beside it; a second copy finds the lock taken,
// asks the first over the socket to come forward, and ends. The command line talks to the first
// copy over the same socket, one request a connection. Only the same user may connect. The lock
// of a crashed copy is stale (its process is gone) and is taken over by the next start.

#include "core/scripting/instance_message.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace twl {

class InstanceConnection;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key names the instance: copies with the same key exclude each other. The lock and the
    // socket live in folder (the user's runtime folder unless a test names another).
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    SingleInstance(const QString& key, const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy; it then listens for later copies. False when another
    // copy runs: that copy has been asked to come forward.
    bool Claim();

    // The key of this program file with this data folder.
    static QString KeyFor(const QString& programPath, const QString& dataFolder);
    // Where the first copy of that key listens (in the user's runtime folder by default).
    static QByteArray SocketPathFor(const QString& key);
    static QByteArray SocketPathFor(const QString& key, const QString& folder);

    // How long a connection may take to send its whole request.
    void SetRequestTimeout(int milliseconds) { requestTimeoutMs_ = milliseconds; }

signals:
    // In the first copy, each time a later copy starts (or `tintwell --show` asks).
    void anotherStarted();
    // Every other request, checked; the receiver answers it through the connection.
    void requestReceived(const twl::InstanceRequest& request, twl::InstanceConnection* connection);

private:
    void ListenForOthers();
    void AcceptOthers();
    static void AskFirstCopyForward(const QByteArray& socketPath);

    QByteArray socketPath_;
    int requestTimeoutMs_ = 5000;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace twl

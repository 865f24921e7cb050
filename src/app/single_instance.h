#pragma once
// Keeps one copy of the program running per program file and data folder. The first copy holds
// a lock file and listens on a Unix-domain socket beside it; a second copy finds the lock taken,
// connects to the socket (which asks the first to come forward) and ends. The lock of a crashed
// copy is stale (its process is gone) and is taken over by the next start.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace twl {

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

signals:
    // In the first copy, each time a later copy starts.
    void anotherStarted();

private:
    void ListenForOthers();
    void AcceptOthers();
    static void AskFirstCopyForward(const QByteArray& socketPath);

    QByteArray socketPath_;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace twl

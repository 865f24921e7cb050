// The single-instance guard: the second copy is turned away and brings the first forward; the
// lock and socket left by a crashed copy do not block the next start.

#include "app/single_instance.h"
#include "temp_folder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace twl {
namespace {

// Lets the event loop run until count reaches want or a generous deadline passes.
bool WaitForCount(const int& count, int want) {
    QDeadlineTimer deadline(10000);
    while (count < want && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return count == want;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    QString Folder() const { return QString::fromStdString(folder_.Path().string()); }
    TempFolder folder_;
};

TEST_F(SingleInstanceTest, TheSecondCopyIsTurnedAwayAndBringsTheFirstForward) {
    SingleInstance first(QStringLiteral("k1"), Folder());
    ASSERT_TRUE(first.Claim());
    int forward = 0;
    QObject::connect(&first, &SingleInstance::anotherStarted, [&forward] { ++forward; });
    for (int copy = 1; copy <= 2; ++copy) {
        SingleInstance later(QStringLiteral("k1"), Folder());
        EXPECT_FALSE(later.Claim());
        EXPECT_TRUE(WaitForCount(forward, copy));
    }
    // Another program file or data folder is another instance.
    SingleInstance other(QStringLiteral("k2"), Folder());
    EXPECT_TRUE(other.Claim());
    EXPECT_EQ(forward, 2);
}

TEST_F(SingleInstanceTest, TheLockAndSocketOfACrashedCopyAreTakenOver) {
    const QString lockPath = Folder() + QStringLiteral("/tintwell-k1.lock");
    const std::string socketPath = folder_.Path().string() + "/tintwell-k1.socket";
    // A copy that dies holding the lock and leaving its socket file behind.
    const pid_t crashed = fork();
    ASSERT_GE(crashed, 0);
    if (crashed == 0) {
        QLockFile lock(lockPath);
        lock.tryLock(0);
        const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        _exit(0);
    }
    waitpid(crashed, nullptr, 0);
    ASSERT_TRUE(QFile::exists(lockPath));

    SingleInstance next(QStringLiteral("k1"), Folder());
    ASSERT_TRUE(next.Claim());
    int forward = 0;
    QObject::connect(&next, &SingleInstance::anotherStarted, [&forward] { ++forward; });
    SingleInstance later(QStringLiteral("k1"), Folder());
    EXPECT_FALSE(later.Claim());
    EXPECT_TRUE(WaitForCount(forward, 1));
}

} // namespace
} // namespace twl

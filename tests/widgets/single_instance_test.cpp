// The single-instance guard: the second copy is turned away and brings the first forward; the
// lock and socket left by a crashed copy do not block the next start.

#include "app/instance_connection.h"
#include "app/local_socket.h"
#include "app/single_instance.h"
#include "temp_folder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
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

// Sends the request from a child process running as user, and gives back what the child read in
// reply ("no end" for a connection reset), while the first copy answers.
std::string RequestAs(uid_t user, const QByteArray& socketPath, const std::string& request) {
    int pipes[2];
    if (pipe(pipes) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipes[0]);
        if (setuid(user) != 0) {
            _exit(1);
        }
        const int socket = ConnectToSocket(socketPath);
        std::string reply = "no connection";
        if (socket >= 0 && SendAll(socket, request)) {
            reply = ReceiveAll(socket, 5000, 4096).value_or("no end");
        }
        (void)!write(pipes[1], reply.data(), reply.size());
        _exit(0);
    }
    close(pipes[1]);
    int status = 0;
    QDeadlineTimer deadline(10000);
    while (waitpid(child, &status, WNOHANG) == 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::string reply;
    char buffer[4096];
    for (ssize_t got; (got = read(pipes[0], buffer, sizeof buffer)) > 0;) {
        reply.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipes[0]);
    return reply;
}

TEST_F(SingleInstanceTest, RequestsOfThisUserAreHandedOnAndAnotherUsersAreRefusedUnread) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "another user needs root to become";
    }
    // A folder too deep for a socket file: the socket is then a name in the abstract namespace,
    // which any user may reach, so the user is checked on every connection.
    const QString deep = Folder() + QStringLiteral("/") + QString(120, QLatin1Char('d'));
    QDir().mkpath(deep);
    SingleInstance first(QStringLiteral("k1"), deep);
    ASSERT_TRUE(first.Claim());
    std::vector<InstanceRequest> received;
    QObject::connect(&first, &SingleInstance::requestReceived,
                     [&received](const InstanceRequest& request, InstanceConnection* connection) {
                         received.push_back(request);
                         connection->Reply(OkReply({"#336699"}));
                     });
    const QByteArray socket = SingleInstance::SocketPathFor(QStringLiteral("k1"), deep);
    const std::string request = WriteInstanceRequest({RequestVerb::Palette, {}});

    // Closed unread: the other user gets no reply, only the end (or a reset) of the connection.
    const std::string foreign = RequestAs(65534, socket, request);
    EXPECT_TRUE(foreign.empty() || foreign == "no end") << foreign;
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(RequestAs(0, socket, request), WriteInstanceReply(OkReply({"#336699"})));
    EXPECT_EQ(received, (std::vector<InstanceRequest>{{RequestVerb::Palette, {}}}));
    // A malformed request is answered with an error and handed to nobody.
    const std::string refused = RequestAs(0, socket, "TWL1 dance\n\n");
    ASSERT_TRUE(ReadInstanceReply(refused).has_value()) << refused;
    EXPECT_EQ(ReadInstanceReply(refused)->status, ReplyStatus::Failed);
    EXPECT_EQ(received.size(), 1u);
}

} // namespace
} // namespace twl

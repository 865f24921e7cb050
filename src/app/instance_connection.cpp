#include "app/instance_connection.h"

#include <QSocketNotifier>

#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace twl {

InstanceConnection::InstanceConnection(int socket, int timeoutMs, QObject* parent)
    : QObject(parent), socket_(socket),
      reader_(std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read)) {
    connect(reader_.get(), &QSocketNotifier::activated, this, &InstanceConnection::ReadSome);
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] {
        Reply(FailedReply(1, {"tintwell: the request did not come whole in time"}));
    });
    silence_.start(timeoutMs);
}

InstanceConnection::~InstanceConnection() {
    reader_.reset();
    writer_.reset();
    if (socket_ >= 0) {
        ::close(socket_);
    }
}

void InstanceConnection::ReadSome() {
    char buffer[4096];
    for (;;) {
        const ssize_t now = ::recv(socket_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now < 0 && errno == EAGAIN) {
            return;
        }
        if (now <= 0) {
            // The other side has gone (or failed) before its request was whole.
            Close();
            return;
        }
        received_.append(buffer, static_cast<std::size_t>(now));
        const RequestReading reading = ReadInstanceRequest(received_);
        if (reading.status == ReadStatus::Incomplete) {
            continue;
        }
        // One request a connection: nothing more is read.
        reader_.reset();
        silence_.stop();
        received_.clear();
        if (reading.status == ReadStatus::Complete) {
            emit requestRead(reading.request);
        } else {
            Reply(FailedReply(1, {"tintwell: the bar refused the request: " + reading.problem}));
        }
        return;
    }
}

void InstanceConnection::Reply(const InstanceReply& reply) {
    if (replied_) {
        return;
    }
    replied_ = true;
    reader_.reset();
    silence_.stop();
    toSend_ = WriteInstanceReply(reply);
    WriteSome();
}

void InstanceConnection::WriteSome() {
    while (!toSend_.empty()) {
        const ssize_t now =
            ::send(socket_, toSend_.data(), toSend_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now < 0 && errno == EAGAIN) {
            if (!writer_) {
                writer_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Write);
                connect(writer_.get(), &QSocketNotifier::activated, this,
                        &InstanceConnection::WriteSome);
                // A reader that never reads is left after a while, as a silent writer is.
                silence_.disconnect();
                connect(&silence_, &QTimer::timeout, this, &InstanceConnection::Close);
                silence_.start(10000);
            }
            return;
        }
        if (now <= 0) {
            break; // the other side has gone: the reply is dropped
        }
        toSend_.erase(0, static_cast<std::size_t>(now));
    }
    Close();
}

void InstanceConnection::Close() {
    reader_.reset();
    writer_.reset();
    silence_.stop();
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
    deleteLater();
}

} // namespace twl

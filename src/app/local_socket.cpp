#include "app/local_socket.h"

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace twl {

socklen_t MakeSocketAddress(const QByteArray& path, sockaddr_un& address) {
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

int ConnectToSocket(const QByteArray& path) {
    sockaddr_un address;
    const socklen_t addressLength = MakeSocketAddress(path, address);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return -1;
    }
    int result = -1;
    for (int attempt = 0; attempt < 20; ++attempt) {
        result = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), addressLength);
        if (result == 0 || errno != EAGAIN) {
            break;
        }
        ::poll(nullptr, 0, 50);
    }
    if (result != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

bool SendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t now = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (now > 0) {
            sent += static_cast<std::size_t>(now);
            continue;
        }
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now < 0 && errno == EAGAIN) {
            pollfd writable{socket, POLLOUT, 0};
            if (::poll(&writable, 1, 10000) > 0) {
                continue;
            }
        }
        return false;
    }
    return true;
}

std::optional<std::string> ReceiveAll(int socket, int timeoutMs, std::size_t maxBytes) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        pollfd readable{socket, POLLIN, 0};
        const int ready = ::poll(&readable, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return std::nullopt;
        }
        const ssize_t now = ::recv(socket, buffer, sizeof buffer, 0);
        if (now == 0) {
            return bytes;
        }
        if (now < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(now));
        if (bytes.size() > maxBytes) {
            return std::nullopt;
        }
    }
}

} // namespace twl

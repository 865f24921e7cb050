#pragma once
// The Unix-domain socket through which copies of the program talk: its address, and the calling
// side of a conversation (one request, one reply).

#include <QByteArray>

#include <optional>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>

namespace twl {

// The socket's address and its length. A path too long for an address (a deep runtime folder)
// becomes a name in the abstract namespace instead: its last bytes after a zero byte.
socklen_t MakeSocketAddress(const QByteArray& path, sockaddr_un& address);

// A connected socket to path, or -1 when nothing listens there. A full queue of waiting
// connections is tried again for about a second.
int ConnectToSocket(const QByteArray& path);

// Sends bytes whole; false when the other side has gone.
bool SendAll(int socket, const std::string& bytes);

// Everything the other side sends until it closes the connection, at most maxBytes; nullopt when
// more comes, or when nothing more has come for timeoutMs (-1: wait as long as it takes).
std::optional<std::string> ReceiveAll(int socket, int timeoutMs, std::size_t maxBytes);

} // namespace twl

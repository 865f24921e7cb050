#pragma once
// A connection of the program's own to the X server Qt talks to, for the screen reads of a pick.
// Waiting for a reply on it reads the socket at once; on Qt's connection the reply is first read
// by Qt's event thread and then handed over, which costs two thread wake-ups a request.

#include "platform/x11/x11_connection.h"

#include <memory>

namespace twl {

class X11OwnConnection {
public:
    // Connects to the display Qt uses and finds Qt's root window there; nullptr when it cannot
    // connect or reaches another server (not the same root, root visual, vendor and release).
    static std::unique_ptr<X11OwnConnection> Open(const X11Connection& qt);
    ~X11OwnConnection();
    X11OwnConnection(const X11OwnConnection&) = delete;
    X11OwnConnection& operator=(const X11OwnConnection&) = delete;

    const X11Connection& Link() const { return link_; }
    // True once the connection has failed for good (the server went away, a protocol error).
    bool Broken() const;

private:
    explicit X11OwnConnection(const X11Connection& link) : link_(link) {}

    X11Connection link_;
};

} // namespace twl

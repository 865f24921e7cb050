#pragma once
// A shared-memory segment the X server writes screen pixels into (the MIT-SHM extension), so a
// screen read costs one short reply instead of carrying the pixels through the socket. It exists
// only where the server has the extension and can reach the segment (not on a remote display).

#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>

namespace twl {

class X11ShmBuffer {
public:
    // Which side writes the pixels: the server (screen reads) or the program (pictures put on a
    // window). The other side maps the memory read-only.
    enum class Writer { Server, Program };
    X11ShmBuffer(xcb_connection_t* connection, Writer writer);
    ~X11ShmBuffer();
    X11ShmBuffer(const X11ShmBuffer&) = delete;
    X11ShmBuffer& operator=(const X11ShmBuffer&) = delete;

    // Whether the server has the extension; when false nothing here works.
    static bool Supported(xcb_connection_t* connection);

    // Makes the segment hold at least `bytes`, growing it when needed. False when it cannot
    // (too large, or the server could not attach it); a buffer that failed once stays failed.
    bool Reserve(std::size_t bytes);
    std::uint32_t Segment() const { return segment_; }
    std::uint8_t* Data() const { return memory_; }

private:
    void Release();

    xcb_connection_t* connection_;
    Writer writer_;
    std::uint32_t segment_ = 0; // the server's id of the attached segment; 0 when none
    std::uint8_t* memory_ = nullptr;
    std::size_t size_ = 0;
    bool failed_ = false;
};

} // namespace twl

#include "platform/x11/x11_shm_buffer.h"

#include <QGuiApplication>

#include <xcb/shm.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdlib>

namespace twl {

namespace {

// Room for the largest magnifier read from the start, so the segment is made only once.
constexpr std::size_t kMinimumSize = 512 * 1024;
// Larger reads (a whole big screen) go through the socket instead.
constexpr std::size_t kMaximumSize = 64 * 1024 * 1024;

} // namespace

X11ShmBuffer::X11ShmBuffer(xcb_connection_t* connection, Writer writer)
    : connection_(connection), writer_(writer) {}

X11ShmBuffer::~X11ShmBuffer() {
    Release();
}

bool X11ShmBuffer::Supported(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    return extension != nullptr && extension->present != 0;
}

bool X11ShmBuffer::Reserve(std::size_t bytes) {
    if (bytes <= size_) {
        return true;
    }
    if (failed_ || bytes > kMaximumSize) {
        return false;
    }
    Release();
    const std::size_t size = std::max(bytes, kMinimumSize);
    const int id = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (id < 0) {
        failed_ = true;
        return false;
    }
    const bool serverWrites = writer_ == Writer::Server;
    void* memory = shmat(id, nullptr, serverWrites ? SHM_RDONLY : 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        failed_ = true;
        return false;
    }
    const std::uint32_t segment = xcb_generate_id(connection_);
    xcb_generic_error_t* error = xcb_request_check(
        connection_, xcb_shm_attach_checked(connection_, segment, id, serverWrites ? 0 : 1));
    // Marked for removal at once: the memory goes when both sides have let go, even after a
    // crash.
    shmctl(id, IPC_RMID, nullptr);
    if (error != nullptr) {
        std::free(error);
        shmdt(memory);
        failed_ = true;
        return false;
    }
    segment_ = segment;
    memory_ = static_cast<std::uint8_t*>(memory);
    size_ = size;
    return true;
}

void X11ShmBuffer::Release() {
    // Once the application is gone, so is its connection; the server let go of the segment then.
    if (segment_ != 0 && qGuiApp != nullptr) {
        xcb_shm_detach(connection_, segment_);
        xcb_flush(connection_);
    }
    if (memory_ != nullptr) {
        shmdt(memory_);
    }
    segment_ = 0;
    memory_ = nullptr;
    size_ = 0;
}

} // namespace twl

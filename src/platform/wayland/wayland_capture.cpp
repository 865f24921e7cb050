#include "platform/wayland/wayland_capture.h"

#include "twl-screencopy-client-protocol.h"
#include "twl-xdg-output-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

namespace twl {

struct WaylandCapture::Output {
    WaylandCapture* owner = nullptr;
    wl_output* output = nullptr;
    std::uint32_t name = 0;
    zxdg_output_v1* xdg = nullptr;
    Rect logical;
    bool placed = false;
    OutputTransform transform = OutputTransform::Normal;
};

struct WaylandCapture::Frame {
    WaylandCapture* owner = nullptr;
    Output* output = nullptr;
    zwlr_screencopy_frame_v1* frame = nullptr;
    Rect region;
    std::uint32_t format = 0, width = 0, height = 0, stride = 0;
    bool formatChosen = false;
    bool yInverted = false;
    bool ended = false;
    bool ready = false;
    int fd = -1;
    void* data = MAP_FAILED;
    std::size_t size = 0;
    wl_buffer* buffer = nullptr;

    ~Frame() {
        if (frame != nullptr) {
            zwlr_screencopy_frame_v1_destroy(frame);
        }
        if (buffer != nullptr) {
            wl_buffer_destroy(buffer);
        }
        if (data != MAP_FAILED) {
            ::munmap(data, size);
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }

    // Makes a buffer of shared memory for the picture and asks for the copy into it.
    bool Copy(wl_shm* shm) {
        size = static_cast<std::size_t>(stride) * height;
        fd = ::memfd_create("tintwell-capture", MFD_CLOEXEC);
        if (fd < 0 || size == 0 || ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
            return false;
        }
        data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (data == MAP_FAILED) {
            return false;
        }
        wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size));
        buffer = wl_shm_pool_create_buffer(pool, 0, static_cast<std::int32_t>(width),
                                           static_cast<std::int32_t>(height),
                                           static_cast<std::int32_t>(stride), format);
        wl_shm_pool_destroy(pool);
        zwlr_screencopy_frame_v1_copy(frame, buffer);
        return true;
    }
};

// The protocols' callbacks, each handing on to the object it was registered with.
struct WaylandCaptureListeners {
    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        auto* self = static_cast<WaylandCapture*>(data);
        const std::string_view which(interface);
        if (which == wl_shm_interface.name) {
            self->shm_ =
                static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        } else if (which == zwlr_screencopy_manager_v1_interface.name) {
            self->screencopyVersion_ = std::min<std::uint32_t>(version, 3);
            self->screencopy_ = static_cast<zwlr_screencopy_manager_v1*>(wl_registry_bind(
                registry, name, &zwlr_screencopy_manager_v1_interface, self->screencopyVersion_));
        } else if (which == zxdg_output_manager_v1_interface.name) {
            self->xdgOutputs_ = static_cast<zxdg_output_manager_v1*>(
                wl_registry_bind(registry, name, &zxdg_output_manager_v1_interface,
                                 std::min<std::uint32_t>(version, 2)));
        } else if (which == wl_output_interface.name) {
            auto output = std::make_unique<WaylandCapture::Output>();
            output->owner = self;
            output->name = name;
            output->output = static_cast<wl_output*>(wl_registry_bind(
                registry, name, &wl_output_interface, std::min<std::uint32_t>(version, 2)));
            wl_output_add_listener(output->output, &kOutput, output.get());
            // An output that comes later (plugged in, or made) learns its place at once.
            if (self->xdgOutputs_ != nullptr) {
                self->WatchPlace(*output);
            }
            self->outputs_.push_back(std::move(output));
        }
    }
    static void GlobalRemove(void* data, wl_registry*, std::uint32_t name) {
        auto* self = static_cast<WaylandCapture*>(data);
        // A capture under way may name the output: it is dropped with it.
        self->frames_.clear();
        self->latest_.clear();
        self->hasLatest_ = false;
        std::erase_if(self->outputs_, [name](const auto& output) {
            if (output->name != name) {
                return false;
            }
            if (output->xdg != nullptr) {
                zxdg_output_v1_destroy(output->xdg);
            }
            wl_output_destroy(output->output);
            return true;
        });
    }

    static void Geometry(void* data, wl_output*, std::int32_t, std::int32_t, std::int32_t,
                         std::int32_t, std::int32_t, const char*, const char*,
                         std::int32_t transform) {
        static_cast<WaylandCapture::Output*>(data)->transform =
            static_cast<OutputTransform>(transform & 7);
    }
    static void Mode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {}
    static void OutputDone(void*, wl_output*) {}
    static void Scale(void*, wl_output*, std::int32_t) {}

    static void LogicalPosition(void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y) {
        auto* output = static_cast<WaylandCapture::Output*>(data);
        output->logical.left = x;
        output->logical.top = y;
        output->placed = true;
    }
    static void LogicalSize(void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height) {
        auto* output = static_cast<WaylandCapture::Output*>(data);
        output->logical.width = width;
        output->logical.height = height;
    }
    static void XdgDone(void*, zxdg_output_v1*) {}
    static void XdgName(void*, zxdg_output_v1*, const char*) {}

    static void Buffer(void* data, zwlr_screencopy_frame_v1*, std::uint32_t format,
                       std::uint32_t width, std::uint32_t height, std::uint32_t stride) {
        auto* frame = static_cast<WaylandCapture::Frame*>(data);
        if (frame->formatChosen || !IsReadableShmFormat(format) || stride < width * 4) {
            return;
        }
        frame->formatChosen = true;
        frame->format = format;
        frame->width = width;
        frame->height = height;
        frame->stride = stride;
        // Before version 3 no "buffer_done" follows: the copy is asked for at once.
        if (frame->owner->screencopyVersion_ < 3 && !frame->Copy(frame->owner->shm_)) {
            frame->owner->FrameEnded(*frame, false);
        }
    }
    static void Flags(void* data, zwlr_screencopy_frame_v1*, std::uint32_t flags) {
        static_cast<WaylandCapture::Frame*>(data)->yInverted =
            (flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT) != 0;
    }
    static void Ready(void* data, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t,
                      std::uint32_t) {
        auto* frame = static_cast<WaylandCapture::Frame*>(data);
        frame->owner->FrameEnded(*frame, true);
    }
    static void Failed(void* data, zwlr_screencopy_frame_v1*) {
        auto* frame = static_cast<WaylandCapture::Frame*>(data);
        frame->owner->FrameEnded(*frame, false);
    }
    static void Damage(void*, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t,
                       std::uint32_t, std::uint32_t) {}
    static void Dmabuf(void*, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t,
                       std::uint32_t) {}
    static void BufferDone(void* data, zwlr_screencopy_frame_v1*) {
        auto* frame = static_cast<WaylandCapture::Frame*>(data);
        if (!frame->formatChosen || !frame->Copy(frame->owner->shm_)) {
            frame->owner->FrameEnded(*frame, false);
        }
    }

    static constexpr wl_registry_listener kRegistry{Global, GlobalRemove};
    static constexpr wl_output_listener kOutput{Geometry, Mode,    OutputDone,
                                                Scale,    nullptr, nullptr};
    static constexpr zxdg_output_v1_listener kXdgOutput{LogicalPosition, LogicalSize, XdgDone,
                                                        XdgName, XdgName};
    static constexpr zwlr_screencopy_frame_v1_listener kFrame{Buffer, Flags,  Ready,     Failed,
                                                              Damage, Dmabuf, BufferDone};
};

std::unique_ptr<WaylandCapture> WaylandCapture::Connect(std::string& reason) {
    std::unique_ptr<WaylandCapture> capture(new WaylandCapture);
    capture->display_ = wl_display_connect(nullptr);
    if (capture->display_ == nullptr) {
        reason = "no Wayland display to connect to";
        return nullptr;
    }
    if (!capture->Bind()) {
        reason = capture->screencopy_ == nullptr
                     ? "the compositor offers no screen copy (zwlr_screencopy_manager_v1)"
                     : "the compositor does not tell where its outputs lie (zxdg_output_v1)";
        return nullptr;
    }
    return capture;
}

bool WaylandCapture::Bind() {
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &WaylandCaptureListeners::kRegistry, this);
    if (wl_display_roundtrip(display_) < 0 || screencopy_ == nullptr || shm_ == nullptr ||
        xdgOutputs_ == nullptr) {
        return false;
    }
    for (const auto& output : outputs_) {
        if (output->xdg == nullptr) {
            WatchPlace(*output);
        }
    }
    return wl_display_roundtrip(display_) >= 0;
}

void WaylandCapture::WatchPlace(Output& output) {
    output.xdg = zxdg_output_manager_v1_get_xdg_output(xdgOutputs_, output.output);
    zxdg_output_v1_add_listener(output.xdg, &WaylandCaptureListeners::kXdgOutput, &output);
}

WaylandCapture::~WaylandCapture() {
    frames_.clear();
    latest_.clear();
    for (const auto& output : outputs_) {
        if (output->xdg != nullptr) {
            zxdg_output_v1_destroy(output->xdg);
        }
        wl_output_destroy(output->output);
    }
    if (xdgOutputs_ != nullptr) {
        zxdg_output_manager_v1_destroy(xdgOutputs_);
    }
    if (screencopy_ != nullptr) {
        zwlr_screencopy_manager_v1_destroy(screencopy_);
    }
    if (shm_ != nullptr) {
        wl_shm_destroy(shm_);
    }
    if (registry_ != nullptr) {
        wl_registry_destroy(registry_);
    }
    if (display_ != nullptr) {
        wl_display_disconnect(display_);
    }
}

Rect WaylandCapture::Desktop() const {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const auto& output : outputs_) {
        if (!output->placed) {
            continue;
        }
        const Rect& area = output->logical;
        left = any ? std::min(left, area.left) : area.left;
        top = any ? std::min(top, area.top) : area.top;
        right = any ? std::max(right, area.left + area.width) : area.left + area.width;
        bottom = any ? std::max(bottom, area.top + area.height) : area.top + area.height;
        any = true;
    }
    return {left, top, right - left, bottom - top};
}

void WaylandCapture::Request(const Rect& area) {
    if (Pending() || failed_) {
        return;
    }
    requested_ = area;
    for (const auto& output : outputs_) {
        const Rect region = Intersect(area, output->logical);
        if (!output->placed || region.Empty()) {
            continue;
        }
        auto frame = std::make_unique<Frame>();
        frame->owner = this;
        frame->output = output.get();
        frame->region = region;
        // No pointer in the picture: its colours are not the screen's.
        frame->frame = zwlr_screencopy_manager_v1_capture_output_region(
            screencopy_, 0, output->output, region.left - output->logical.left,
            region.top - output->logical.top, region.width, region.height);
        zwlr_screencopy_frame_v1_add_listener(frame->frame, &WaylandCaptureListeners::kFrame,
                                              frame.get());
        frames_.push_back(std::move(frame));
    }
    wl_display_flush(display_);
}

void WaylandCapture::FrameEnded(Frame& frame, bool ready) {
    frame.ended = true;
    frame.ready = ready;
    if (!std::all_of(frames_.begin(), frames_.end(), [](const auto& f) { return f->ended; })) {
        return;
    }
    // Callbacks run inside the dispatch; the frames go once it is over (see Dispatch).
}

bool WaylandCapture::Dispatch(int timeoutMs) {
    if (failed_) {
        return false;
    }
    while (wl_display_prepare_read(display_) != 0) {
        wl_display_dispatch_pending(display_);
    }
    wl_display_flush(display_);
    pollfd readable{wl_display_get_fd(display_), POLLIN, 0};
    if (::poll(&readable, 1, timeoutMs) > 0) {
        wl_display_read_events(display_);
    } else {
        wl_display_cancel_read(display_);
    }
    wl_display_dispatch_pending(display_);
    if (wl_display_get_error(display_) != 0) {
        failed_ = true;
        frames_.clear();
        return false;
    }
    if (!frames_.empty() &&
        std::all_of(frames_.begin(), frames_.end(), [](const auto& f) { return f->ended; })) {
        const bool whole =
            std::all_of(frames_.begin(), frames_.end(), [](const auto& f) { return f->ready; });
        if (whole) {
            latest_ = std::move(frames_);
            latestArea_ = requested_;
            hasLatest_ = true;
        }
        frames_.clear();
    }
    return true;
}

void WaylandCapture::Cancel() {
    frames_.clear();
}

void WaylandCapture::Sync() {
    if (failed_) {
        return;
    }
    for (int trip = 0; trip < 2; ++trip) {
        if (wl_display_roundtrip(display_) < 0) {
            failed_ = true;
            frames_.clear();
            return;
        }
    }
    Dispatch(0);
}

void WaylandCapture::Finish(int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Pending() && !failed_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0 || !Dispatch(static_cast<int>(left))) {
            break;
        }
    }
}

void WaylandCapture::CopyLatest(SourceBlock& block) const {
    if (!hasLatest_) {
        return;
    }
    for (const auto& frame : latest_) {
        CapturedPicture picture;
        picture.region = frame->region;
        picture.width = static_cast<int>(frame->width);
        picture.height = static_cast<int>(frame->height);
        picture.stride = frame->stride;
        picture.format = frame->format;
        picture.transform = frame->output->transform;
        picture.yInverted = frame->yInverted;
        picture.bytes = static_cast<const std::uint8_t*>(frame->data);
        CopyCapturedPicture(picture, block);
    }
}

} // namespace twl

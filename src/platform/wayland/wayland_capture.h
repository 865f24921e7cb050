#pragma once
// Screen capture on wlroots compositors (sway, Hyprland, river, labwc, Wayfire): a Wayland
// connection of the program's own, the outputs with their places in the desktop's logical
// coordinates, and captures of a logical area through zwlr_screencopy, without the pointer. A
// capture is asked for and its pictures arrive later, so a frame's wait needs to hold up nothing:
// the caller dispatches without waiting and takes the newest complete capture.

#include "core/base/geometry.h"
#include "core/sampling/captured_picture.h"
#include "core/sampling/source_block.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct wl_display;
struct wl_registry;
struct wl_shm;
struct wl_output;
struct wl_buffer;
struct zwlr_screencopy_manager_v1;
struct zwlr_screencopy_frame_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

namespace twl {

class WaylandCapture {
public:
    // Null when there is no Wayland display, or it offers no screen copy (reason says which).
    static std::unique_ptr<WaylandCapture> Connect(std::string& reason);
    ~WaylandCapture();
    WaylandCapture(const WaylandCapture&) = delete;
    WaylandCapture& operator=(const WaylandCapture&) = delete;

    // All outputs together, in logical coordinates.
    Rect Desktop() const;

    // Starts a capture of area on every output it touches; nothing while one is under way.
    void Request(const Rect& area);
    bool Pending() const { return !frames_.empty(); }
    // The area of the capture under way.
    const Rect& PendingArea() const { return requested_; }
    // Gives up the capture under way.
    void Cancel();
    // Reads and handles what the compositor has sent, waiting up to timeoutMs (0: not at all) for
    // something to come. False once the connection has failed.
    bool Dispatch(int timeoutMs);
    // Brings the outputs up to date: one that came since is known, with its place, once this
    // returns (two round trips: its announcement, then its place).
    void Sync();
    // Waits until the capture under way has ended, for up to timeoutMs.
    void Finish(int timeoutMs);

    // The newest complete capture: the area it holds, and its pixels into a block.
    const Rect& LatestArea() const { return latestArea_; }
    bool HasLatest() const { return hasLatest_; }
    void CopyLatest(SourceBlock& block) const;
    // Forgets the newest capture (the screen has changed since, say).
    void DropLatest() { hasLatest_ = false; }

    struct Output;
    struct Frame;

private:
    WaylandCapture() = default;
    bool Bind();
    // Asks where the output lies in the desktop.
    void WatchPlace(Output& output);
    void FrameEnded(Frame& frame, bool ready);

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_shm* shm_ = nullptr;
    zwlr_screencopy_manager_v1* screencopy_ = nullptr;
    std::uint32_t screencopyVersion_ = 0;
    zxdg_output_manager_v1* xdgOutputs_ = nullptr;
    std::vector<std::unique_ptr<Output>> outputs_;
    std::vector<std::unique_ptr<Frame>> frames_; // the capture under way, a frame an output
    std::vector<std::unique_ptr<Frame>> latest_; // the newest complete capture
    Rect requested_;
    Rect latestArea_;
    bool hasLatest_ = false;
    bool failed_ = false;

    friend struct WaylandCaptureListeners;
};

} // namespace twl

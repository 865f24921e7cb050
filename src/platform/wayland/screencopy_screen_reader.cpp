#include "platform/wayland/screencopy_screen_reader.h"

namespace twl {

namespace {

// A capture reaches this far past the area asked for, so the next ticks of a moving pointer
// still find their pixels in it.
constexpr int kMargin = 48;
// The longest a read waits for a capture of its own.
constexpr int kWaitMs = 500;

bool Holds(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

Rect Widened(const Rect& area, const Rect& desktop) {
    return Intersect({area.left - kMargin, area.top - kMargin, area.width + 2 * kMargin,
                      area.height + 2 * kMargin},
                     desktop);
}

} // namespace

ScreencopyScreenReader::ScreencopyScreenReader(std::unique_ptr<WaylandCapture> capture,
                                               std::unique_ptr<ScreenReader> pointer)
    : capture_(std::move(capture)), pointer_(std::move(pointer)) {}

ScreencopyScreenReader::~ScreencopyScreenReader() = default;

Rect ScreencopyScreenReader::Desktop() const {
    return capture_->Desktop();
}

void ScreencopyScreenReader::BeginPick() {
    // What was captured before the pick may be long out of date, and outputs may have come or
    // moved since.
    capture_->Cancel();
    capture_->Sync();
    capture_->DropLatest();
}

void ScreencopyScreenReader::Read(const Rect& area, SourceBlock& block) {
    ResetSourceBlock(block, area);
    const Rect wanted = Intersect(area, Desktop());
    if (wanted.Empty()) {
        return;
    }
    capture_->Dispatch(0);
    if (!capture_->HasLatest() || !Holds(capture_->LatestArea(), wanted)) {
        // Nothing captured holds the area: the capture under way when it will, else one of its
        // own, waited for.
        if (!capture_->Pending() || !Holds(capture_->PendingArea(), wanted)) {
            capture_->Cancel();
            capture_->Request(Widened(wanted, Desktop()));
        }
        capture_->Finish(kWaitMs);
    }
    if (capture_->HasLatest() && Holds(capture_->LatestArea(), wanted)) {
        capture_->CopyLatest(block);
    }
    // The next capture is under way while this tick's picture is drawn.
    capture_->Request(Widened(wanted, Desktop()));
    capture_->Dispatch(0);
}

} // namespace twl

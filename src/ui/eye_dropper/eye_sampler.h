#pragma once
// The working part of the eye dropper, without any window: it reads the screen around a point,
// samples the colour there, draws the magnified picture, and keeps the magnifier's state.
//
// X11 cannot leave the program's own windows out of a screen read, so for the magnifier the
// areas of the windows it is told to leave out (the Eye Dropper always, the main bar during a
// drag from its button) count as unreadable: the picture shows them silver, like the world
// beyond the screen's edge, and a sample that would read them is not taken (the colour stays the
// last one read from the real screen). The hotkey's one-off sample reads the screen as it is.

#include "core/base/pixel_image.h"
#include "core/color/color_text.h"
#include "core/sampling/magnifier_state.h"
#include "core/sampling/source_block.h"
#include "platform/screen_reader.h"

#include <functional>
#include <vector>

namespace twl {

class EyeSampler {
public:
    explicit EyeSampler(ScreenReader& screen);

    MagnifierState& State() { return state_; }
    const MagnifierState& State() const { return state_; }
    TColor SampledColor() const { return sampledColor_; }
    void SetSampledColor(TColor color) { sampledColor_ = color; }
    // The magnified picture with its grid and frame (drawn on first use after a change).
    const PixelImage& Image() const;
    // True once a picture has been drawn at the current side.
    bool HasPicture() const { return drawnValid_; }
    // Draws the picture into memory owned elsewhere (a window's backing image), clipped to the
    // picture's side; the same pixels as Image() without a copy of them.
    void DrawPicture(const PixelView& target) const;
    int ImageSide() const { return imageSide_; }
    // The picture is made again at this side by the next draw.
    void SetImageSide(int side);

    // Fills in the screen areas of the program's own windows to leave out of the magnifier now
    // (into a list kept from tick to tick, so a tick allocates nothing); asked at every read.
    using OwnWindowsFn = std::function<void(std::vector<Rect>& areas)>;
    void SetOwnWindows(OwnWindowsFn ownWindows) { ownWindows_ = std::move(ownWindows); }

    struct TickResult {
        bool sampled = false; // a colour was read
        bool redrawn = false; // the picture changed
    };
    // One tick of a pick: samples under the pointer, then draws around where it is now. When
    // neither the pointer nor the screen under it changed since the last tick, the picture is
    // left as it is.
    TickResult Tick();
    // Moves the point (or not), draws around it and samples there.
    bool RenderMagnifier(NudgeDirection direction, std::uint8_t amount);
    // Samples at point, or under the pointer when useCursor, reading the screen as it is (the
    // hotkey's sample). True when a colour was read.
    bool SampleColorAt(Point point, bool useCursor);

private:
    // The screen area the picture and the sample around point need.
    Rect Needed(Point point) const;
    // Reads the screen around point, margin pixels further on each side; returns where the
    // pointer is once the read is done.
    Point ReadAround(Point point, bool leaveOutOwnWindows, int margin);
    void Draw();
    // Samples at point from the block last read (which must hold the sample's pixels).
    bool SampleFromBlock(Point point);
    bool TouchesOwnWindows(const Rect& area) const;

    ScreenReader& screen_;
    MagnifierState state_;
    TColor sampledColor_ = 0;
    int imageSide_ = 289;
    mutable PixelImage image_;
    mutable bool imageStale_ = false;
    SourceBlock block_;
    std::vector<Rect> ownAreas_;
    std::vector<Rect> ownWindowAreas_;
    // What the last tick drew, to tell whether the next one has anything new to show.
    SourceBlock drawnBlock_;
    MagnifierState drawnState_;
    Rect drawnDesktop_;
    int drawnSide_ = 0;
    bool drawnValid_ = false;
    OwnWindowsFn ownWindows_;
};

} // namespace twl

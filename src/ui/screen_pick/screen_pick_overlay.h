#pragma once
// The screen pick overlay (ScreenPickOverlay): one picture of the whole desktop, read as it
// opens and shown still on every monitor, so a menu or a tooltip that would vanish at a click can
// be picked. A round lens of the Eye Dropper's magnifier follows the pointer with the colour's
// value under it; the arrow keys move the pointer one pixel (ten with Shift); a left click or
// Enter picks, Esc or a right click cancels. Positions are the screen reader's, so the pixel
// picked is the one under the pointer in the server's pixels at any scale.

#include "core/base/pixel_image.h"
#include "core/base/screen_scale.h"
#include "core/color/color_text.h"
#include "core/sampling/magnifier_state.h"
#include "core/sampling/source_block.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace twl {

class OverlayView;
class ScreenReader;

class ScreenPickOverlay : public QObject {
    Q_OBJECT
public:
    // valueText gives the text shown under the lens for a colour.
    ScreenPickOverlay(ScreenReader& screen, MagnifierState magnifier,
                      std::function<std::string(TColor)> valueText, QObject* parent = nullptr);
    ~ScreenPickOverlay() override;

    // Reads the desktop and shows it; nothing when it is open already. False when the screen
    // cannot be read (Problem() says why): nothing shows then.
    bool Open();
    std::string Problem() const;
    bool IsOpen() const { return !views_.empty(); }

    // The colour the sample gives at the pointer now, and the text under the lens.
    TColor ColorAtPointer() const { return color_; }
    const std::string& ValueText() const { return value_; }
    // The lens picture, centred on the pointer's pixel.
    const PixelImage& Lens() const { return lens_; }
    Point Pointer() const { return pointer_; }
    const std::vector<MonitorScale>& Monitors() const { return monitors_; }

    // What the views report.
    void PointerMoved();
    void MovePointerBy(int dx, int dy);
    void Pick();
    void Cancel();

signals:
    void picked(TColor color);
    void cancelled();

private:
    void Close();
    // Samples and draws the lens for where the pointer is now, and repaints what changed.
    void Follow(Point pointer);
    void GrabKeyboard();

    ScreenReader& screen_;
    MagnifierState magnifier_;
    std::function<std::string(TColor)> valueText_;
    SourceBlock desktop_;
    std::vector<MonitorScale> monitors_;
    std::vector<std::unique_ptr<OverlayView>> views_;
    PixelImage lens_;
    Point pointer_;
    TColor color_ = 0;
    std::string value_;
    QTimer grabRetry_;
    int grabTries_ = 0;
};

} // namespace twl

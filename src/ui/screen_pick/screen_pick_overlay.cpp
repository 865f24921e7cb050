#include "ui/screen_pick/screen_pick_overlay.h"

#include "core/sampling/color_sampler.h"
#include "core/sampling/magnifier_drawing.h"
#include "core/sampling/magnifier_geometry.h"
#include "platform/monitors.h"
#include "platform/screen_reader.h"
#include "ui/screen_pick/overlay_view.h"

#include <QWindow>

#include <algorithm>
#include <cstring>

namespace twl {

namespace {

// The monitor's pixels out of the desktop's picture, ready to be shown at its scale.
QImage MonitorPicture(const SourceBlock& desktop, const MonitorScale& monitor) {
    QImage picture(monitor.physical.width, monitor.physical.height, QImage::Format_RGB32);
    for (int row = 0; row < picture.height(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(picture.scanLine(row));
        for (int column = 0; column < picture.width(); ++column) {
            const std::uint32_t pixel =
                desktop.At(monitor.physical.left + column, monitor.physical.top + row);
            line[column] = pixel == kOutsidePixel ? kImageSilver : (kOpaque | pixel);
        }
    }
    picture.setDevicePixelRatio(monitor.factor);
    return picture;
}

} // namespace

ScreenPickOverlay::ScreenPickOverlay(ScreenReader& screen, MagnifierState magnifier,
                                     std::function<std::string(TColor)> valueText, QObject* parent)
    : QObject(parent), screen_(screen), magnifier_(magnifier), valueText_(std::move(valueText)) {
    grabRetry_.setInterval(50);
    connect(&grabRetry_, &QTimer::timeout, this, &ScreenPickOverlay::GrabKeyboard);
}

ScreenPickOverlay::~ScreenPickOverlay() = default;

std::string ScreenPickOverlay::Problem() const {
    return screen_.Unavailable();
}

bool ScreenPickOverlay::Open() {
    if (IsOpen()) {
        return true;
    }
    screen_.BeginPick();
    if (!screen_.Unavailable().empty()) {
        return false;
    }
    // The picture is read before any view shows, so the overlay is never in it.
    monitors_ = CurrentMonitors();
    screen_.Read(screen_.Desktop(), desktop_);
    for (const MonitorScale& monitor : monitors_) {
        views_.push_back(
            std::make_unique<OverlayView>(*this, monitor, MonitorPicture(desktop_, monitor)));
    }
    Follow(screen_.CursorPos());
    for (const auto& view : views_) {
        view->show();
        view->raise();
    }
    views_.front()->activateWindow();
    views_.front()->setFocus();
    grabTries_ = 0;
    GrabKeyboard();
    return true;
}

void ScreenPickOverlay::GrabKeyboard() {
    // Another program may hold the keyboard for a moment (a key binding's own grab while its key
    // is down): the grab is tried again for two seconds.
    QWindow* window = views_.empty() ? nullptr : views_.front()->windowHandle();
    if (window != nullptr && !window->setKeyboardGrabEnabled(true) && ++grabTries_ < 40) {
        grabRetry_.start();
        return;
    }
    grabRetry_.stop();
}

void ScreenPickOverlay::Follow(Point pointer) {
    pointer_ = pointer;
    magnifier_.currentPoint = pointer;
    const int side = MagnifierImageSide(magnifier_.magnifierSize).value_or(145);
    DrawMagnifiedImage(magnifier_, desktop_, desktop_.area, side, side, lens_);
    const auto sample = SampleColor(desktop_, pointer, magnifier_.samplingMode);
    color_ = sample ? *sample : SampleColor(desktop_, pointer, 0).value_or(0);
    value_ = valueText_ ? valueText_(color_) : std::string();
    for (const auto& view : views_) {
        view->LensMoved();
    }
}

void ScreenPickOverlay::PointerMoved() {
    const Point pointer = screen_.CursorPos();
    if (pointer.x != pointer_.x || pointer.y != pointer_.y) {
        Follow(pointer);
    }
}

void ScreenPickOverlay::MovePointerBy(int dx, int dy) {
    const Rect& area = desktop_.area;
    const Point target{std::clamp(pointer_.x + dx, area.left, area.left + area.width - 1),
                       std::clamp(pointer_.y + dy, area.top, area.top + area.height - 1)};
    screen_.SetCursorPos(target);
    Follow(target);
}

void ScreenPickOverlay::Pick() {
    if (!IsOpen()) {
        return;
    }
    Follow(screen_.CursorPos());
    const TColor color = color_;
    Close();
    emit picked(color);
}

void ScreenPickOverlay::Cancel() {
    if (!IsOpen()) {
        return;
    }
    Close();
    emit cancelled();
}

void ScreenPickOverlay::Close() {
    grabRetry_.stop();
    // A view may be the one whose event closes the overlay: it goes once that event is done.
    for (auto& view : views_) {
        if (QWindow* window = view->windowHandle()) {
            window->setKeyboardGrabEnabled(false);
        }
        view->hide();
        view.release()->deleteLater();
    }
    views_.clear();
    desktop_.pixels = {};
}

} // namespace twl

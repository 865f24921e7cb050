#include "ui/bar/window_placer.h"

#include "core/palette/palette_list.h"
#include "core/placement/placement_rules.h"
#include "core/placement/window_position.h"
#include "core/settings/settings.h"
#include "platform/monitors.h"
#include "platform/window_position_sync.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace twl {

namespace {

// Moves the window where the rule says; where that is partly off the bar's monitor, by the least
// further move that brings it wholly onto it.
void Apply(QWidget* window, const WindowPosition& position, const QWidget& bar) {
    if (window == nullptr || !position.Moves()) {
        return;
    }
    const QPoint now = SyncWindowPosition(*window);
    Point place{position.left.value_or(now.x()), position.top.value_or(now.y())};
    const std::vector<Rect> monitors = MonitorAreas();
    const QRect barArea = bar.frameGeometry();
    if (const auto monitor = MonitorHolding(
            Rect{barArea.x(), barArea.y(), barArea.width(), barArea.height()}, monitors)) {
        place = KeepWithin(Rect{place.x, place.y, window->width(), window->height()}, *monitor);
    }
    window->move(place.x, place.y);
}

BarPlacement Measure(QWidget& bar, const QWidget* quickPalette) {
    BarPlacement placement;
    const QPoint barPosition = SyncWindowPosition(bar);
    placement.barLeft = barPosition.x();
    placement.barTop = barPosition.y();
    placement.barWidth = bar.width();
    placement.quickPaletteWidth =
        quickPalette != nullptr ? quickPalette->width() : WindowPlacer::kQuickPaletteWidth;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        placement.desktopWidth = screen->virtualGeometry().width();
    }
    return placement;
}

} // namespace

WindowPlacer::WindowPlacer(QWidget& bar, const Settings& settings, const Palette& palette)
    : bar_(bar), settings_(settings), palette_(palette) {}

void WindowPlacer::PlaceEyeDropper() {
    if (eyeDropper_ != nullptr) {
        Apply(eyeDropper_,
              twl::PlaceEyeDropper(settings_.snapEyeDropper, Measure(bar_, quickPalette_),
                                   eyeDropper_->width()),
              bar_);
    }
}

void WindowPlacer::PlaceColorProperties() {
    if (colorProperties_ != nullptr) {
        Apply(colorProperties_,
              twl::PlaceColorProperties(settings_.snapColorProp, Measure(bar_, quickPalette_),
                                        palette_.SelectedSlot(), colorProperties_->width()),
              bar_);
    }
}

void WindowPlacer::PlaceQuickPalette() {
    if (quickPalette_ == nullptr) {
        return;
    }
    EyeDropperState eye;
    if (eyeDropper_ != nullptr) {
        // Qt's own top: the Eye Dropper has usually just been moved, and the X server may not
        // have the move yet, so asking it would put the window back where it was.
        eye = {eyeDropper_->isVisible(), settings_.snapEyeDropper, eyeDropper_->y(),
               eyeDropper_->height()};
    }
    Apply(quickPalette_,
          twl::PlaceQuickPalette(settings_.snapQuickPal, Measure(bar_, quickPalette_), eye), bar_);
}

void WindowPlacer::PlaceTestLayouts() {
    if (testLayouts_ != nullptr) {
        Apply(testLayouts_,
              twl::PlaceTestLayouts(settings_.snapTest, Measure(bar_, quickPalette_),
                                    testLayouts_->width()),
              bar_);
    }
}

void WindowPlacer::PlaceContrast() {
    if (contrast_ != nullptr) {
        Apply(contrast_,
              twl::PlaceTestLayouts(true, Measure(bar_, quickPalette_), contrast_->width()), bar_);
    }
}

void WindowPlacer::PlaceAll() {
    PlaceEyeDropper();
    PlaceColorProperties();
    PlaceQuickPalette();
    PlaceTestLayouts();
}

} // namespace twl

#include "ui/bar/window_placer.h"

#include "core/palette/palette_list.h"
#include "core/placement/placement_rules.h"
#include "core/settings/settings.h"
#include "platform/window_position_sync.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace twl {

namespace {

void Apply(QWidget* window, const WindowPosition& position) {
    if (window == nullptr || !position.Moves()) {
        return;
    }
    const QPoint now = SyncWindowPosition(*window);
    window->move(position.left.value_or(now.x()), position.top.value_or(now.y()));
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
                                   eyeDropper_->width()));
    }
}

void WindowPlacer::PlaceColorProperties() {
    if (colorProperties_ != nullptr) {
        Apply(colorProperties_,
              twl::PlaceColorProperties(settings_.snapColorProp, Measure(bar_, quickPalette_),
                                        palette_.SelectedSlot(), colorProperties_->width()));
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
          twl::PlaceQuickPalette(settings_.snapQuickPal, Measure(bar_, quickPalette_), eye));
}

void WindowPlacer::PlaceTestLayouts() {
    if (testLayouts_ != nullptr) {
        Apply(testLayouts_, twl::PlaceTestLayouts(settings_.snapTest, Measure(bar_, quickPalette_),
                                                  testLayouts_->width()));
    }
}

void WindowPlacer::PlaceContrast() {
    if (contrast_ != nullptr) {
        Apply(contrast_,
              twl::PlaceTestLayouts(true, Measure(bar_, quickPalette_), contrast_->width()));
    }
}

void WindowPlacer::PlaceAll() {
    PlaceEyeDropper();
    PlaceColorProperties();
    PlaceQuickPalette();
    PlaceTestLayouts();
}

} // namespace twl

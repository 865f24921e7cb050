#include "shell/window_placer.h"

#include "app/settings.h"
#include "shell/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace twl {

namespace {

void Apply(QWidget* window, const WindowPosition& position) {
    if (window == nullptr || !position.Moves()) {
        return;
    }
    window->move(position.left.value_or(window->x()), position.top.value_or(window->y()));
}

BarPlacement Measure(const QWidget& bar, const QWidget* quickPalette) {
    BarPlacement placement;
    placement.barLeft = bar.x();
    placement.barTop = bar.y();
    placement.barWidth = bar.width();
    placement.quickPaletteWidth =
        quickPalette != nullptr ? quickPalette->width() : WindowPlacer::kQuickPaletteWidth;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        placement.desktopWidth = screen->virtualGeometry().width();
    }
    return placement;
}

} // namespace

WindowPlacer::WindowPlacer(QWidget& bar, const Settings& settings,
                           std::function<int()> selectedSlot)
    : bar_(bar), settings_(settings), selectedSlot_(std::move(selectedSlot)) {}

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
                                        selectedSlot_(), colorProperties_->width()));
    }
}

void WindowPlacer::PlaceQuickPalette() {
    if (quickPalette_ == nullptr) {
        return;
    }
    EyeDropperState eye;
    if (eyeDropper_ != nullptr) {
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

void WindowPlacer::PlaceAll() {
    PlaceEyeDropper();
    PlaceColorProperties();
    PlaceQuickPalette();
    PlaceTestLayouts();
}

} // namespace twl

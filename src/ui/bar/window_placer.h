#pragma once
// Applies the docking rules to the real tool windows: reads the bar, the desktop and the
// windows as they are now and moves a window whose Auto Position flag is on. A window that
// does not exist yet is passed over.

class QWidget;

namespace twl {

class Palette;
struct Settings;

class WindowPlacer {
public:
    // The Quick Color Palette's width before that window exists; three times it splits the
    // screen into the zones left and right of which the tools open.
    static constexpr int kQuickPaletteWidth = 196;

    // The palette tells which slot Color Properties lines up with.
    WindowPlacer(QWidget& bar, const Settings& settings, const Palette& palette);

    void SetEyeDropper(QWidget* window) { eyeDropper_ = window; }
    void SetColorProperties(QWidget* window) { colorProperties_ = window; }
    void SetQuickPalette(QWidget* window) { quickPalette_ = window; }
    void SetTestLayouts(QWidget* window) { testLayouts_ = window; }
    void SetContrast(QWidget* window) { contrast_ = window; }

    void PlaceEyeDropper();
    void PlaceColorProperties();
    void PlaceQuickPalette();
    void PlaceTestLayouts();
    // Beside the bar as Test Layouts goes: the Contrast window at its first showing.
    void PlaceContrast();
    // After the bar has moved: all four, in this order.
    void PlaceAll();

private:
    QWidget& bar_;
    const Settings& settings_;
    const Palette& palette_;
    QWidget* eyeDropper_ = nullptr;
    QWidget* colorProperties_ = nullptr;
    QWidget* quickPalette_ = nullptr;
    QWidget* testLayouts_ = nullptr;
    QWidget* contrast_ = nullptr;
};

} // namespace twl

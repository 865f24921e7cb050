#pragma once
// The Contrast window: a text colour and a background, at first the palette's two newest
// colours, with a sample of the pair, its WCAG 2 contrast ratio and criteria, its APCA
// lightness contrast, a fixed text colour that passes AA or AAA, and all of it once more as a
// person with a colour-vision deficiency sees it.

#include "core/base/screen_info.h"
#include "core/contrast/color_vision.h"
#include "ui/common/tool_window.h"
#include "ui/contrast/contrast_menus.h"

#include <array>
#include <optional>

class QLabel;
class QLineEdit;

namespace twl {

class Clipboard;
class ContrastFigures;
class ContrastSample;
class ContrastSwatch;
class PaletteController;
class PressableLabel;
struct Settings;

class ContrastWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 300, kHeight = 354;
    enum Side { kText = 0, kBackground = 1 };

    // The colours stored in the settings, else the palette's; the stored place, else none yet.
    ContrastWindow(Settings& settings, PaletteController& palette, Clipboard& clipboard,
                   const ScreenInfo& screen);

    ContrastMenus& Menus() { return menus_; }
    TColor TextColor() const { return colors_[kText]; }
    TColor BackgroundColor() const { return colors_[kBackground]; }
    // True while the colours are palette slots 1 and 2.
    bool FollowsPalette() const { return following_; }
    // True once the window has a place of its own: stored, or given at its first showing.
    bool Placed() const { return placed_; }
    std::optional<TColor> FixedColor() const { return fix_; }
    ColorVision Vision() const;

    // A colour set here (typed, dropped, picked) stops the window following the palette.
    void SetColor(Side side, TColor color);
    void Swap();
    // Back to palette slots 1 and 2, which the window then follows.
    void FollowPalette();
    // The text colour that passes the threshold (hundredths of the ratio), as the third swatch.
    void FixText(int thresholdHundredths);
    void AddFixToPalette();
    // The report of the pair on the clipboard.
    void CopyReport();
    // A vision chosen in this window's menu: kept in the settings, shown, and told to the others.
    void SetColorVision(ColorVision vision);

    void ShowContrast();
    void CloseContrast();
    void OpenWindowMenuAtButton();
    void CollectSettings(Settings& settings);

public slots:
    // After a palette change: the colours follow slots 1 and 2 while the window follows them.
    void RefreshFromPalette();
    // The settings' vision, chosen here or in another window, shown.
    void ShowColorVision();

signals:
    void colorPicked(TColor color);
    // A press on a side's eye-dropper button starts a pick; the release ends a drag pick.
    void pickPressed(int side);
    void pickReleased();
    void colorVisionChanged();
    // The keys F1, F3 to F8.
    void helpRequested(const QString& page);
    void optionsRequested();
    void eyeDropperRequested();
    void quickPaletteRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();

protected:
    // The key map is in contrast_keys.cpp.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildTitle();
    void BuildColorRow(Side side, int top);
    void BuildFixRow(int top);
    void TakeHexText(Side side);
    void ShowColors();

    Settings& settings_;
    PaletteController& palette_;
    Clipboard& clipboard_;
    ContrastMenus menus_;
    std::array<TColor, 2> colors_{0, 0xFFFFFF};
    bool following_ = true;
    bool placed_ = false;
    std::optional<TColor> fix_;
    int fixThreshold_ = 0; // 0: no fix asked for since the colours last changed

    std::array<ContrastSwatch*, 2> swatches_{};
    std::array<QLineEdit*, 2> hexEdits_{};
    ContrastSample* sample_ = nullptr;
    ContrastSample* simSample_ = nullptr;
    ContrastFigures* figures_ = nullptr;
    ContrastFigures* simFigures_ = nullptr;
    QLabel* realHeading_ = nullptr;
    QLabel* simHeading_ = nullptr;
    ContrastSwatch* fixSwatch_ = nullptr;
    QLabel* fixLabel_ = nullptr;
    PressableLabel* menuButton_ = nullptr;
};

} // namespace twl

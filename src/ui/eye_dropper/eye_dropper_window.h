#pragma once
// The Eye Dropper window (Form2): the magnified picture, the sampled colour with its three value
// lines, the web-safe warning and the comparison with the newest palette colour; the pick
// gestures, its menus and keys.

#include "ui/common/image_files.h"
#include "ui/common/tool_window.h"
#include "ui/eye_dropper/eye_dropper_menus.h"
#include "ui/eye_dropper/eye_sampler.h"

#include <QTimer>

#include <array>
#include <functional>
#include <optional>

class QLabel;

namespace twl {

class Clipboard;
class Dialogs;
class FilledBox;
class FormatList;
class MagnifierView;
class PressableLabel;
struct Settings;

class EyeDropperWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 169, kNormalHeight = 234;
    static constexpr int kBigWidth = 313, kBigHeight = 378;

    EyeDropperWindow(Settings& settings, const FormatList& formats, ScreenReader& screen,
                     Clipboard& clipboard, Dialogs& dialogs);

    EyeSampler& Sampler() { return sampler_; }
    EyeDropperMenus& Menus() { return menus_; }

    // Shows the window (the show handler sizes, places and redraws it).
    void ShowEyeDropper();
    void SetMagnifierSize(int size);
    void ShowSampledColor();
    void RenderMagnifier(NudgeDirection direction, std::uint8_t amount);
    // The hotkey's sample: the colour under the pointer (or at point), shown at once.
    void SampleColorAt(Point point, bool useCursor);
    void SetZoomLevel(int zoomLevel);
    void SetSamplingMode(int samplingMode);
    void SetGrid(bool on);
    void ToggleGrid();
    // The warning beside the colour when it is not web safe, and its menu item.
    void SetWebSafeInfo(bool on);
    void ToggleWebSafeInfo();
    void SetAutoPosition(bool on);
    // The Options dialog changed the comparison flag.
    void ApplyComparisonFlag();
    void AddSampledColor();
    void CloseEyeDropper();
    void CopyImage();
    void SaveImageAs(ImageFormat format);
    // Writes the picture as a BMP file; false when it cannot be written.
    bool WriteMagnifiedBitmap(const std::string& path) const;
    // The window menu, dropped from the menu button.
    void OpenWindowMenuAtButton();
    // The newest palette colour, which the comparison shows beside the sampled one.
    void SetNewestColor(std::optional<TColor> color) { newestColor_ = color; }

    // The pick that starts on the main bar's eye-dropper button. A pick begun with a receiver
    // (from another window's eye-dropper button) gives it the colour instead of the palette.
    void BeginBarPick(std::function<void(TColor)> receiver = {});
    void EndBarPick();
    bool Picking() const { return sampleTimer_.isActive(); }
    // True from the press on the bar's button to its release: the bar is then left out of the
    // picture; in every other pick it is part of the screen.
    bool BarPicking() const { return barPick_; }

    // Puts the window's position, magnifier state and sampled colour into the settings.
    void CollectSettings(Settings& settings);

signals:
    // A colour to add to the palette.
    void colorPicked(TColor color);
    // Dock the Eye Dropper, or the Quick Color Palette, beside the bar.
    void dockRequested();
    void quickPaletteDockRequested();
    // The keys F3 to F8 and "More Options...".
    void optionsRequested();
    void eyeDropperRequested();
    void quickPaletteRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();
    void moreOptionsRequested();
    void helpRequested(const QString& page);
    // A pick begins: the windows it must leave out of the picture are where they are now.
    void pickStarting();
    // A pick where the pointer is known only over the program's own windows (Wayland): it is
    // made on the screen pick overlay instead.
    void overlayPickRequested();

protected:
    void showEvent(QShowEvent* event) override;
    // The key map is in eye_dropper_keys.cpp.
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The sampling timer of a pick, with the pick's start at the screen reader.
    void BeginSampling();
    void EndSampling();
    void BuildComponents();
    void Layout();
    void SampleTick();
    void OnMagnifierPress(QMouseEvent* event);
    void OnMagnifierRelease(QMouseEvent* event);
    void Redraw();

    Settings& settings_;
    const FormatList& formats_;
    ScreenReader& screen_;
    Clipboard& clipboard_;
    Dialogs& dialogs_;
    EyeSampler sampler_;
    EyeDropperMenus menus_;
    QTimer sampleTimer_;
    bool barPick_ = false;
    std::function<void(TColor)> receiver_;
    TColor shownColor_ = 0;
    std::optional<TColor> newestColor_;

    PressableLabel* titlePicture_ = nullptr;
    PressableLabel* titleLabel_ = nullptr;
    PressableLabel* menuButton_ = nullptr;
    FilledBox* magnifierFrame_ = nullptr;
    MagnifierView* magnifier_ = nullptr;
    FilledBox* swatchFrame_ = nullptr;
    FilledBox* swatch_ = nullptr;
    QWidget* webSafeWarning_ = nullptr;
    std::array<PressableLabel*, 3> valueLabels_{};
    FilledBox* comparePanel_ = nullptr;
    FilledBox* compareSampled_ = nullptr;
    FilledBox* compareNewest_ = nullptr;
    QLabel* compareSame_ = nullptr;
};

} // namespace twl

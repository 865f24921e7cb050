#pragma once
// The Eye Dropper window: the magnified picture, the sampled colour with its three value lines,
// the web-safe warning and the comparison with the newest palette colour; the pick gestures,
// its menus and keys.

#include "ui/common/filled_box.h"
#include "ui/common/image_files.h"
#include "ui/common/pressable_label.h"
#include "ui/common/tool_window.h"
#include "ui/eye_dropper/eye_dropper_menus.h"
#include "ui/eye_dropper/eye_sampler.h"

#include <QTimer>

#include <functional>
#include <optional>
#include <string>

namespace twl {

class Clipboard;
class Dialogs;
class FormatList;
struct Settings;

// Work of the main bar and the other windows that the Eye Dropper starts.
struct EyeDropperHooks {
    std::function<void(TColor)> addColor;                  // add to the palette
    std::function<std::optional<TColor>()> firstSlotColor; // the newest palette colour
    std::function<void()> placeEyeDropper;                 // dock beside the bar
    std::function<void()> placeQuickPalette;
    std::function<void()> showColorProperties; // F7
    std::function<void()> optionsCommand;      // F3
    std::function<void()> eyeDropperCommand;   // F4
    std::function<void()> quickPaletteCommand; // F5
    std::function<void()> testLayoutsCommand;  // F6
    std::function<void()> moreOptions;         // Options on its Eye Dropper page
    std::function<void(const std::string& page)> openHelp;
    std::function<void()> pickStarting; // a pick begins: the windows it must leave out are known
};

// The picture itself (EyeIMG): shows the sampler's image and reports presses.
class MagnifierView : public QWidget {
    Q_OBJECT
public:
    MagnifierView(const EyeSampler& sampler, QWidget* parent);
    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const EyeSampler& sampler_;
};

class Form2 : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 169, kNormalHeight = 234;
    static constexpr int kBigWidth = 313, kBigHeight = 378;

    Form2(Settings& settings, const FormatList& formats, ScreenReader& screen, Clipboard& clipboard,
          Dialogs& dialogs);

    EyeDropperHooks& Hooks() { return hooks_; }
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
    void ToggleGrid();
    void ToggleWebSafeInfo();
    // The Options dialog changed the comparison flag.
    void ApplyComparisonFlag();
    void AddSampledColor();
    void CloseEyeDropper();
    void CopyImage();
    void SaveImageAs(ImageFormat format);
    // Writes the picture as a BMP file; false when it cannot be written.
    bool WriteMagnifiedBitmap(const std::string& path) const;

    // The pick that starts on the main bar's eye-dropper button.
    void BeginBarPick();
    void EndBarPick();
    bool Picking() const { return timer1_.isActive(); }

    // Puts the window's position, magnifier state and sampled colour into the settings.
    void CollectSettings(Settings& settings);

    // Components, named as the window's design names them.
    MagnifierView* EyeIMG() const { return eyeImg_; }
    PressableLabel* Label(int line) const { return labels_[static_cast<std::size_t>(line)]; }
    QWidget* PropWSIMG() const { return propWsImg_; }
    QWidget* ComparePNL() const { return comparePnl_; }
    QWidget* CompareLBL() const;
    QWidget* EyePNL() const { return eyePnl_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildComponents();
    void ConnectMenus();
    void Layout();
    void Timer1Timer();
    void EyeIMGMouseDown(QMouseEvent* event);
    void EyeIMGMouseUp(QMouseEvent* event);
    void Redraw();

    Settings& settings_;
    const FormatList& formats_;
    ScreenReader& screen_;
    Clipboard& clipboard_;
    Dialogs& dialogs_;
    EyeSampler sampler_;
    EyeDropperHooks hooks_;
    EyeDropperMenus menus_;
    QTimer timer1_;
    TColor shownColor_ = 0;

    PressableLabel* eyeTitleImg_ = nullptr;
    PressableLabel* eyeTitleLbl_ = nullptr;
    PressableLabel* eyeMenuBtn_ = nullptr;
    FilledBox* eyePnl_ = nullptr;
    MagnifierView* eyeImg_ = nullptr;
    FilledBox* eyeColPnl_ = nullptr;
    FilledBox* eyeCol_ = nullptr;
    QWidget* propWsImg_ = nullptr;
    std::array<PressableLabel*, 3> labels_{};
    FilledBox* comparePnl_ = nullptr;
    FilledBox* compareC1_ = nullptr;
    FilledBox* compareC2_ = nullptr;
    QLabel* compareLbl_ = nullptr;
};

} // namespace twl

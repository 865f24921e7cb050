#pragma once
// The fonts preview (Form5): the installed fonts on the left, and on the right every selected
// font by name and in a sample text at a chosen size. The samples come from
// "fonttextsamples.txt", read when the window is built and written back at exit. The font list
// is filled the first time the window shows, so the program's start does not pay for it.

#include "core/fonts/sample_texts.h"
#include "ui/common/tool_window.h"
#include "ui/fonts/fonts_menus.h"

#include <filesystem>
#include <vector>

class QListWidget;
class QSlider;

namespace twl {

class FontPreviewDelegate;
class PressableLabel;

class FontsWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 462, kHeight = 479;
    static constexpr int kMinimumSize = 4, kMaximumSize = 128, kStartSize = 16;

    // Reads the samples from that file (the six defaults when there is none).
    explicit FontsWindow(std::filesystem::path samplesFile, QWidget* parent = nullptr);

    FontsMenus& Menus() { return menus_; }
    const SampleTexts& Samples() const { return samples_; }
    int PreviewSize() const { return previewSize_; }
    bool FontsListed() const { return fontsListed_; }

    // Rebuilds the preview from the selected fonts in the font list's order, keeping the
    // preview's scroll position.
    void RefreshPreview();
    void NextSample();
    void PreviousSample();
    void SetPreviewSize(int pointSize);
    // A click on the size: shows and focuses the slider, or hides it when it shows.
    void ToggleSizeSlider();
    void HideSizeSlider();
    // Maximises the window, or gives it back its size when it is maximised.
    void Maximize();
    void CloseFonts();
    void OpenWindowMenuAtButton();
    // Writes the samples file whole; false when it cannot be written.
    bool SaveSamples() const;

signals:
    // The keys F3 to F8.
    void optionsRequested();
    void eyeDropperRequested();
    void quickPaletteRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The key map is in fonts_keys.cpp.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Where a component lies in the 462 × 479 design and which window edges it keeps its
    // distance to; one held to both opposite edges stretches.
    struct Anchored {
        QWidget* widget;
        QRect design;
        bool left, top, right, bottom;
    };

    void BuildComponents();
    void Anchor(QWidget* widget, QRect design, bool left, bool top, bool right, bool bottom);
    PressableLabel* AddButton(const char* name, QPixmap glyph, int left, int top);
    void FillFontList();
    void ShowSample(const std::string& sample);

    std::filesystem::path samplesFile_;
    SampleTexts samples_;
    int previewSize_ = kStartSize;
    bool fontsListed_ = false;
    FontsMenus menus_;
    std::vector<Anchored> anchored_;

    QListWidget* fontList_ = nullptr;
    QListWidget* preview_ = nullptr;
    FontPreviewDelegate* delegate_ = nullptr;
    PressableLabel* menuButton_ = nullptr;
    PressableLabel* textLabel_ = nullptr;
    PressableLabel* sizeLabel_ = nullptr;
    QSlider* sizeSlider_ = nullptr;
};

} // namespace twl

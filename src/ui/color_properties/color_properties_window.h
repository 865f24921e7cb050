#pragma once
// The Color Properties window (Form3): the colour of the selected palette slot with its three
// value lines, the web-safe warning that fixes it, the strip of seven lightness variations, the
// HEX editor, and the menu that lightens, darkens, saturates and desaturates the slot's colour.
// Every change it makes replaces the selected slot's colour in the palette.

#include "core/base/screen_info.h"
#include "core/color/color_properties.h"
#include "ui/color_properties/color_properties_menus.h"
#include "ui/common/tool_window.h"

#include <array>
#include <optional>
#include <string>

class QLineEdit;

namespace twl {

class Clipboard;
class FilledBox;
class FormatList;
class PaletteController;
class PressableLabel;
struct Settings;

class ColorPropertiesWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 173, kHeight = 66, kHeightWithVariations = 87;
    static constexpr int kAdjustStep = 5;

    // The stored position is read against the virtual screen.
    ColorPropertiesWindow(Settings& settings, const FormatList& formats, PaletteController& palette,
                          Clipboard& clipboard, const ScreenInfo& screen);

    ColorPropertiesMenus& Menus() { return menus_; }
    TColor ShownColor() const { return shownColor_; }

    // The menu's adjustments of the shown colour by one step; each replaces the selected slot.
    void Lighten();
    void Darken();
    void Saturate();
    void Desaturate();
    // The selected slot's own colour snapped to the web-safe palette.
    void MakeSelectedWebSafe();
    void SetVariations(bool on);
    void SetWebSafeInfo(bool on);
    void SetAutoPosition(bool on);
    void CloseColorProperties();
    // The window menu, dropped from the menu button's top-left corner.
    void OpenWindowMenuAtButton();
    // The variation last hovered, copied in the named format or as a swatch.
    void CopyHoveredAs(const char* formatName);
    void CopyHoveredSwatch();

    // Puts the window's position into the settings; its options are kept there as they change.
    void CollectSettings(Settings& settings);

public slots:
    // Shows the colour: the swatch, the value lines, the variations and the web-safe warning.
    void ShowColorProperties(TColor color);
    // Applies a pending HEX edit, then closes the editor.
    void EndHexEdit();

signals:
    // A variation to add to the palette.
    void colorPicked(TColor color);
    // A swatch picture of a variation on the clipboard.
    void colorSwatchRequested(TColor color);
    // The keys F3 to F8 and "More Options...".
    void optionsRequested();
    void eyeDropperRequested();
    void quickPaletteRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();
    void moreOptionsRequested();
    void helpRequested(const QString& page);

protected:
    // The key map is in color_properties_keys.cpp.
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildComponents();
    void BuildValueLabels();
    void BuildVariations();
    void BuildHexEditor();
    void ReplaceSelected(const std::string& text);
    void HoverVariation(std::size_t index);
    void OnVariationPress(std::size_t index, QMouseEvent* event);
    void OpenHexEditor();
    void CheckHexText();
    void ApplyHexEdit(const QString& text);

    struct Hovered {
        std::size_t index;
        TColor color;
    };

    Settings& settings_;
    const FormatList& formats_;
    PaletteController& palette_;
    Clipboard& clipboard_;
    ColorPropertiesMenus menus_;
    TColor shownColor_ = 0;
    std::array<TColor, kVariationCount> variations_{};
    std::optional<Hovered> hovered_;

    FilledBox* swatchFrame_ = nullptr;
    FilledBox* swatch_ = nullptr;
    PressableLabel* webSafeWarning_ = nullptr;
    std::array<PressableLabel*, 3> valueLabels_{};
    QLineEdit* hexEditor_ = nullptr;
    PressableLabel* menuButton_ = nullptr;
    std::array<FilledBox*, kVariationCount> variationFrames_{};
    std::array<PressableLabel*, kVariationCount> variationSwatches_{};
};

} // namespace twl

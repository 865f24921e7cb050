#pragma once
// The Quick Color Palette window (Form4): in the palette mode a colour spectrum and the web-safe
// grid, whose screen colour under the pointer a left click adds to the palette; in the
// named-colours mode a filtered list of named colours. Both modes share the title and menu.

#include "core/base/screen_info.h"
#include "core/color/color_text.h"
#include "ui/common/tool_window.h"
#include "ui/quick_palette/quick_palette_menus.h"

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace twl {

class FilledBox;
class PressableLabel;
class ScreenReader;
struct Settings;

enum class QuickPaletteMode { Palette = 0, NamedColors = 1 };

class QuickPaletteWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 196, kHeight = 279;

    // The named colours are the file's lines, read once by the caller; the stored position is
    // read against the virtual screen.
    QuickPaletteWindow(Settings& settings, ScreenReader& screen,
                       std::vector<std::string> namedColors, const ScreenInfo& screenInfo);

    QuickPaletteMenus& Menus() { return menus_; }
    QuickPaletteMode Mode() const { return mode_; }

    void SetQuickPaletteMode(QuickPaletteMode mode);
    void Swap();
    // The selected row's colour; nothing without a selected row.
    void AddSelectedNamedColor();
    void SetAutoPosition(bool on);
    void CloseQuickPalette();
    // The window menu at the menu button's top-left corner (Shift+F10).
    void OpenWindowMenuAtButton();

    // Puts the window's position into the settings; "Auto Position" is kept there as it changes.
    void CollectSettings(Settings& settings);

signals:
    // A colour to add to the palette.
    void colorPicked(TColor color);
    // The keys F3, F4, F6, F7 and F8.
    void optionsRequested();
    void eyeDropperRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();
    void helpRequested(const QString& page);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTitle();
    void BuildPalettePanel();
    void BuildNamedColorsPanel();
    PressableLabel* AddPicture(QWidget* panel, const char* name, QRect frame, bool webSafe);
    // The key map is in quick_palette_keys.cpp; true when the key was one of it.
    bool HandleKey(const QKeyEvent& event);
    // The colour the screen shows under the pointer; nullopt off the screen and, over the
    // web-safe picture, on its grid colour.
    std::optional<TColor> PointerColor(bool webSafe);
    void HoverPicture(bool webSafe);
    void PressPicture(bool webSafe, const QMouseEvent& event);
    void ApplyFilter(const QString& text);
    void SetFilterBackground(TColor color);

    Settings& settings_;
    ScreenReader& screen_;
    const std::vector<std::string> namedColors_;
    QuickPaletteMenus menus_;
    QuickPaletteMode mode_ = QuickPaletteMode::Palette;

    QLabel* title_ = nullptr;
    PressableLabel* menuButton_ = nullptr;
    QWidget* palettePanel_ = nullptr;
    QWidget* namedColorsPanel_ = nullptr;
    FilledBox* swatch_ = nullptr;
    QLabel* colorLine_ = nullptr;
    QListWidget* namedList_ = nullptr;
    QLineEdit* filter_ = nullptr;
};

} // namespace twl

#pragma once
// The six pages of the Options dialog, each control at its own place on its page: a heading in
// bold 16-pixel Tahoma, the page's explanatory text, then its boxes, choosers and buttons.

#include <array>

class QCheckBox;
class QLabel;
class QComboBox;
class QFont;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace twl {

class HotkeyField;

inline constexpr const char* kOptionsPageNames[] = {
    "General", "Global Hotkey", "Auto Copy", "Color Formats", "Eye Dropper", "Color Properties"};

// How the hotkey page tells of the hotkey on a Wayland desktop: an X key grab, heard only while
// a TWL window has the focus, or the desktop's own shortcut.
inline constexpr const char* kGrabbedHotkeyNote =
    "On this Wayland desktop the hotkey works only while a TWL window has the focus. To pick "
    "from anywhere, bind this command to a key in the desktop's keyboard settings:";
inline constexpr const char* kDesktopHotkeyNote =
    "Here the hotkey is the desktop's shortcut \"Pick a colour\" (%1), set in the desktop's "
    "settings. Or bind this command to a key:";

struct OptionsControls {
    QCheckBox* stayOnTop = nullptr;
    QCheckBox* startWithWindows = nullptr;
    QCheckBox* showProgram = nullptr;
    QCheckBox* pasteCss = nullptr;
    QCheckBox* win = nullptr;
    QCheckBox* ctrl = nullptr;
    QCheckBox* alt = nullptr;
    QCheckBox* shift = nullptr;
    HotkeyField* key = nullptr;
    // On a Wayland desktop: how the hotkey is heard there.
    QLabel* waylandHotkey = nullptr;
    QCheckBox* autoCopy = nullptr;
    QCheckBox* autoCopySwatch = nullptr;
    QCheckBox* autoCopyOnHotkey = nullptr;
    QCheckBox* showComparison = nullptr;
    QListWidget* formatList = nullptr;
    // New, Edit, Remove.
    std::array<QPushButton*, 3> formatButtons{};
    // The three Eye Dropper choosers, the three Color Properties choosers, the Auto Copy chooser.
    std::array<QComboBox*, 7> choosers{};
};

QFont OptionsFont(int pixels, bool bold = false);

// Adds the six pages to pages, in the order of kOptionsPageNames.
OptionsControls BuildOptionsPages(QStackedWidget* pages);

} // namespace twl

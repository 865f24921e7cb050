#pragma once
// The commands of the main bar: its three menus, its keys, moving it, the tray icon with Hide
// and Show, Stay on Top, Auto Copy, the colour dialog and the global hotkey.

#include "core/color/color_text.h"
#include "ui/bar/bar_menus.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QKeyEvent;
class QSystemTrayIcon;
class QWidget;

namespace twl {

class Program;

// Commands whose windows come later; each does nothing while empty.
struct LaterCommands {
    std::function<void()> quickPalette;
    std::function<void()> namedColors;
    std::function<void()> testLayouts;
    std::function<void()> quickReference;
    std::function<void()> pasteColor;
    std::function<void()> options;
    std::function<void()> colorProperties; // show it beside the selected slot
    std::function<void()> about;
    std::function<void()> checkForUpdates;
    std::function<void(TColor)> copyColorSwatch;
    // Palette exports by the design names of their items ("HEX1", "PhotoShopSwatches1", ...).
    std::function<void(const QString& item)> paletteExport;
};

class BarCommands : public QObject {
    Q_OBJECT
public:
    explicit BarCommands(Program& program);
    ~BarCommands() override;

    BarMenus& Menus() { return menus_; }
    LaterCommands& Later() { return later_; }
    QSystemTrayIcon& Tray() { return *tray_; }

    // A tool window Hide closes and Show brings back when it was showing.
    void AddToolWindow(QWidget* window) { toolWindows_.push_back(window); }

    // Registers the hotkey of the settings; false when there is none or it cannot be had.
    bool RegisterHotkey();

    void Hide();
    void Show();
    void ToggleStayOnTop();
    // Both "Stay on Top" items ticked alike, and the bar kept above the others or not.
    void SetStayOnTop(bool on);
    void ToggleAutoCopy();
    void ColorDialog();
    void HotkeyPressed();
    bool OnBarKey(QKeyEvent* event);
    // The slot menu's "Make Web Safe".
    void MakeWebSafe();

private:
    void ConnectItems();
    void Connect(const QString& item, std::function<void()> command);
    void Later(const QString& item, const std::function<void()>& command);
    void OpenPage(const char* address);
    void OpenHelp(const char* page);
    void CopyCurrentAs(const char* format);

    Program& program_;
    BarMenus menus_;
    LaterCommands later_;
    QSystemTrayIcon* tray_ = nullptr;
    std::vector<QPointer<QWidget>> toolWindows_;
    std::vector<bool> remembered_;
    TColor lastDialogColor_ = 0;
};

} // namespace twl

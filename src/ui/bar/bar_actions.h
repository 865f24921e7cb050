#pragma once
// The main bar's commands: the items of its three menus (the main menu on the title picture,
// the tray icon's menu and the colour menu of a palette slot), built from one table, and the
// bar's keys. Commands of other windows are signals; one nobody listens to does nothing.

#include "core/color/color_text.h"
#include "ui/common/action_table.h"

#include <QObject>
#include <QPointer>

#include <string>
#include <vector>

class QKeyEvent;

namespace twl {

class Clipboard;
class Dialogs;
class FormatList;
class MainBar;
class PaletteController;
class Shell;
struct Settings;

class BarActions : public QObject {
    Q_OBJECT
public:
    struct Services {
        Clipboard& clipboard;
        Dialogs& dialogs;
        Shell& shell;
    };

    BarActions(MainBar& bar, PaletteController& palette, Settings& settings,
               const FormatList& formats, Services services, std::string programFolder);

    QMenu* MainMenu() const { return mainMenu_; }
    QMenu* TrayMenu() const { return trayMenu_; }
    QMenu* SlotMenu() const { return slotMenu_; }
    // An item by its design name ("EyeDropper1", "StayonTop2", "HEX3"); throws UnknownMenuItem
    // for a name no menu has.
    QAction* Item(const QString& name) const { return table_.Item(name); }

    // A tool window Hide closes and Show brings back when it was showing.
    void AddToolWindow(QWidget* window) { toolWindows_.push_back(window); }

    // A key pressed while the bar has the focus: runs its command and accepts the event.
    void HandleKey(QKeyEvent* event);

    void Hide();
    void Show();
    // Both "Stay on Top" items ticked alike, and the bar kept above the others or not.
    void SetStayOnTop(bool on);
    void SetAutoCopy(bool on);
    void ColorDialog();
    void MakeWebSafe();
    void RemoveSelected();
    void CopyCurrentSwatch();
    void OpenHelp(const char* page);
    void OpenPage(const char* address);
    void CopyCurrentAs(const char* format);
    // The main menu at the title picture's corner (F10).
    void OpenMainMenuAtTitle();
    void Exit();

signals:
    void eyeDropperRequested();
    void quickPaletteRequested();
    void namedColorsRequested();
    void testLayoutsRequested();
    // Ctrl+F: the fonts preview.
    void fontsRequested();
    void quickReferenceRequested();
    // F8: the Contrast window.
    void contrastRequested();
    void pasteColorRequested();
    void optionsRequested();
    void colorPropertiesRequested();
    void aboutRequested();
    void checkForUpdatesRequested();
    // Ctrl+C: the automatic copy of the newest colour.
    void autoCopyNewestRequested();
    // A swatch picture of the slot menu's colour on the clipboard.
    void colorSwatchRequested(TColor color);
    // "Open Palette...": a palette file's colours onto the palette.
    void openPaletteRequested();
    // A palette export, by its item's design name ("HEX1", "PhotoShopSwatches2", ...).
    void paletteExportRequested(const QString& item);

private:
    MainBar& bar_;
    PaletteController& palette_;
    Settings& settings_;
    const FormatList& formats_;
    Services services_;
    std::string programFolder_;
    ActionTable table_;
    QMenu* mainMenu_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QMenu* slotMenu_ = nullptr;
    std::vector<QPointer<QWidget>> toolWindows_;
    std::vector<bool> remembered_;
    TColor lastDialogColor_ = 0;
};

} // namespace twl

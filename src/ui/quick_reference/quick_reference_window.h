#pragma once
// The HTML quick reference (Form13): HTML snippets and character entities in eight collapsible
// sections, at most one open; a click on a snippet copies it. The window grows and shrinks with
// the open section and keeps its section and place between showings.

#include "core/base/screen_info.h"
#include "ui/common/tool_window.h"
#include "ui/quick_reference/quick_reference_menus.h"

#include <optional>
#include <vector>

namespace twl {

class Clipboard;
class PressableLabel;
class SectionPanel;
class Shell;
struct Settings;

class QuickReferenceWindow : public ToolWindow {
    Q_OBJECT
public:
    // Built with the Characters section open, at the stored position or centred.
    QuickReferenceWindow(const Settings& settings, Clipboard& clipboard, Shell& shell,
                         const ScreenInfo& screen);

    QuickReferenceMenus& Menus() { return menus_; }
    std::optional<int> OpenSectionIndex() const { return openSection_; }

    void CollapseAll();
    void OpenSection(int index);
    // The header of section index was clicked: it opens alone, or closes all when it was open.
    void ClickHeader(int index);
    void CopyEntry(int section, int entry);
    // A page on the W3C's server, by its path.
    void OpenResource(const char* path);

    // Shows the window where it was left, without the first showing's centring: its place was
    // settled when it was built.
    void ShowQuickReference();
    void CloseQuickReference();
    // The window menu at the menu button's top-left corner (Shift+F10).
    void OpenWindowMenuAtButton();

    void CollectSettings(Settings& settings);

signals:
    // The keys F1 and F3 to F8.
    void helpRequested(const QString& page);
    void optionsRequested();
    void eyeDropperRequested();
    void quickPaletteRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();

protected:
    // The key map is in quick_reference_keys.cpp.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildTitle();
    void ApplyLayout(std::optional<int> openSection);

    Clipboard& clipboard_;
    Shell& shell_;
    QuickReferenceMenus menus_;
    std::vector<SectionPanel*> panels_;
    std::optional<int> openSection_;
    PressableLabel* menuButton_ = nullptr;
};

} // namespace twl

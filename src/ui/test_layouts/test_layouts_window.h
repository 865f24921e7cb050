#pragma once
// The Test Layouts window (Form6): the first five palette colours side by side in a small page
// layout on a 144 × 144 preview. Layouts come from the .tl files of the "TLs" folders and are
// stepped through with the arrow buttons; the preview can be copied or saved as a picture.

#include "core/base/screen_info.h"
#include "core/contrast/color_vision.h"
#include "core/layout/test_layout.h"
#include "ui/common/picture_output.h"
#include "ui/common/save_file_dialog.h"
#include "ui/common/tool_window.h"
#include "ui/test_layouts/test_layouts_menus.h"

#include <string>
#include <vector>

namespace twl {

class Clipboard;
class Dialogs;
class LayoutPreview;
class PaletteController;
class PressableLabel;
struct DataFolders;
struct Settings;

class TestLayoutsWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 165, kHeight = 200;

    // Collects the layout files, colours the built-in layout from the palette and takes the
    // stored position and options. LoadLastLayout then shows the layout last shown.
    TestLayoutsWindow(Settings& settings, const DataFolders& folders, PaletteController& palette,
                      Clipboard& clipboard, Dialogs& dialogs, const ScreenInfo& screen);

    TestLayoutsMenus& Menus() { return menus_; }
    const TestLayout& Layout() const { return layout_; }
    const std::vector<std::string>& LayoutFileList() const { return layoutFiles_; }
    int CurrentLayoutIndex() const { return currentIndex_; }
    QString LayoutName() const;

    void LoadLastLayout();
    // Loads "TLs/<name>"; a name with no file changes nothing. A geometry value that is not an
    // integer ends the load there and is reported through errorRaised.
    void LoadTestLayout(const std::string& name);
    void NextLayout();
    void PreviousLayout();
    void SetAutoColor(bool on);
    void SetAutoPosition(bool on);
    // A vision chosen in this window's menu: kept in the settings, shown, and told to the others.
    void SetColorVision(ColorVision vision);
    // The preview as a 144 × 144 picture, seen with the simulated vision, to the clipboard or a
    // file chosen in SD2.
    void RenderLayoutImage(PictureTarget target);
    void CloseTestLayouts();
    void OpenWindowMenuAtButton();

    void CollectSettings(Settings& settings);

public slots:
    // The areas take the colours of palette slots 1 to 5; without force only with Auto Color on.
    void RefreshLayoutColors(bool force = false);
    // The settings' vision, chosen here or in another window: the preview and its pictures are
    // drawn as seen with it, and the name label says which.
    void ShowColorVision();

signals:
    void colorVisionChanged();
    // An error for the general error report.
    void errorRaised(const QString& message);
    // The keys F3 to F8.
    void optionsRequested();
    void eyeDropperRequested();
    void quickPaletteRequested();
    void testLayoutsRequested();
    void colorPropertiesRequested();
    void contrastRequested();
    void helpRequested(const QString& page);

protected:
    // The key map is in test_layouts_keys.cpp.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildComponents();
    PressableLabel* AddButton(const char* name, QPixmap glyph, int left, int top);
    void ShowLayout();
    void SetAreaColor(int index, TColor color);
    // The layout with its colours as the simulated vision sees them.
    TestLayout SeenLayout() const;

    Settings& settings_;
    const DataFolders& folders_;
    PaletteController& palette_;
    Clipboard& clipboard_;
    Dialogs& dialogs_;
    TestLayoutsMenus menus_;
    SaveFileDialog imageDialog_; // SD2
    TestLayout layout_ = BuiltInLayout();
    std::vector<std::string> layoutFiles_;
    int currentIndex_ = -1;

    LayoutPreview* preview_ = nullptr;
    PressableLabel* nameLabel_ = nullptr;
    PressableLabel* menuButton_ = nullptr;
};

} // namespace twl

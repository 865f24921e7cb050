#pragma once
// The palette on the main bar: the palette list with its selection, the operations every
// window uses to change it, and the slot mouse handling. Each change repaints the slots, sizes
// the bar and then runs the refreshes of the windows that follow the palette.

#include "core/palette/palette_list.h"
#include "ui/bar/palette_column.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>
#include <string>

namespace twl {

class Dialogs;

// Work of other windows that the palette calls; each does nothing while empty.
struct PaletteHooks {
    std::function<void()> endHexEdit;                // close a pending HEX edit
    std::function<void(TColor)> showColorProperties; // show a colour in Color Properties
    std::function<void()> openColorProperties;       // show the Color Properties window
    std::function<void()> placeColorProperties;      // put it beside the selected slot
    std::function<void(QPoint)> openSlotMenu;        // the slot's colour menu at a point
    std::function<void()> autoCopyNewest;            // the automatic copy after an add
    std::function<void()> refreshTestLayouts;        // Test Layouts' automatic colours
};

class PaletteController : public QObject {
    Q_OBJECT
public:
    PaletteController(QWidget* bar, Dialogs& dialogs, QObject* parent = nullptr);
    ~PaletteController() override;

    PaletteHooks& Hooks() { return hooks_; }
    const Palette& Model() const { return palette_; }
    PaletteBarView& View() { return *view_; }

    // Reads the palette file, shows it, sizes the bar and selects slot 1.
    void LoadPalette(const std::string& userFolder, const std::string& programFolder);
    // Writes "colorset.dat"; a failure is reported and the list stays as it is.
    void SavePalette(const std::string& userFolder);

    void AddColorToPalette(TColor color);
    // Only the list part of an add; the caller refreshes (Refresh).
    void InsertColorAtTop(TColor color);
    void ReplaceSelectedColor(const std::string& text);
    void RemoveSelectedColor();
    void MovePaletteColor(int from, int to);

    // Repaints the slots, sizes the bar and refreshes the Test Layouts colours.
    void Refresh();
    void ShowPalette();
    void SizePaletteBar();
    // Test Layouts copies the first five slots when its Auto Color is on.
    void RefreshTestLayouts();

    int SelectedSlot() const { return palette_.SelectedSlot(); }
    TColor CurrentColor() const { return palette_.CurrentColor(); }
    TColor DraggedColor() const { return palette_.DraggedColor(); }
    // The colour slot n shows (1 to 20).
    TColor SlotColor(int slot) const { return slotColors_[static_cast<std::size_t>(slot - 1)]; }

private:
    void OnHover(int tag);
    void OnLeftPress(int tag);
    void OnRightPress(int tag);
    void OnDragStart(int tag);
    void OnDragOver(int targetTag);
    void OnDrop(int targetTag);
    void OnDragEnd();

    QWidget* bar_;
    Dialogs& dialogs_;
    PaletteHooks hooks_;
    Palette palette_;
    SlotColorArray slotColors_{};
    SlotSwatch::Events events_;
    std::unique_ptr<PaletteBarView> view_;
};

} // namespace twl

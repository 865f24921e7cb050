#pragma once
// The palette on the main bar: the palette list with its selection, the operations every
// window uses to change it, and the slot mouse handling. Each change repaints the slots, sizes
// the bar and then tells the windows that follow the palette.

#include "core/palette/palette_list.h"
#include "ui/bar/palette_column.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <memory>
#include <optional>
#include <span>
#include <string>

namespace twl {

class Dialogs;

class PaletteController : public QObject {
    Q_OBJECT
public:
    // Whether an add runs the automatic copy: every picking tool's add does, the hotkey's only
    // when the settings ask for it, and a paste never does.
    enum class AutoCopy { Run, Skip };

    PaletteController(QWidget* bar, Dialogs& dialogs, QObject* parent = nullptr);
    ~PaletteController() override;

    const Palette& Model() const { return palette_; }
    PaletteColumn& Column() { return *column_; }

    // Reads the palette file, shows it, sizes the bar and selects slot 1.
    void LoadPalette(const std::string& userFolder, const std::string& programFolder);
    // Writes "colorset.dat"; a failure is reported and the list stays as it is. A save that
    // was waiting after a change is no longer needed.
    void SavePalette(const std::string& userFolder);
    // From now on every change reaches userFolder's "colorset.dat" a second later, so a crash
    // or a power cut loses no colour collected before it. Changes within that second share one
    // write. Only the first of a run of failed writes is reported, so a read-only folder does
    // not bring up a message for every colour.
    void SaveAfterChanges(const std::string& userFolder);

    // The one add operation of every window: the colour becomes slot 1, the bar is repainted
    // and sized, the automatic copy runs (when asked to), then the followers hear of it.
    void AddColorToPalette(TColor color, AutoCopy autoCopy = AutoCopy::Run);
    // Several colours, each put on top in turn, with no automatic copy; the bar is repainted
    // once at the end. Only the last twenty can stay, so only those are inserted.
    void AddColorsToPalette(std::span<const TColor> colors);
    void ReplaceSelectedColor(const std::string& text);
    void RemoveSelectedColor();
    void MovePaletteColor(int from, int to);

    void ShowPalette();
    void SizePaletteBar();

    int SelectedSlot() const { return palette_.SelectedSlot(); }
    TColor CurrentColor() const { return palette_.CurrentColor(); }
    TColor DraggedColor() const { return palette_.DraggedColor(); }
    // The colour slot n shows (1 to 20).
    TColor SlotColor(int slot) const { return slotColors_[static_cast<std::size_t>(slot - 1)]; }
    // Slot 1's colour, when the palette has any.
    std::optional<TColor> NewestColor() const;

signals:
    // After an add that runs the automatic copy, once the bar shows the new colour.
    void autoCopyDue();
    // The last step of every change of the palette (Test Layouts' automatic colours follow).
    void paletteChanged();
    // The Color Properties window: end a pending HEX edit, show a colour, open it, place it.
    void endHexEdit();
    void showColorProperties(TColor color);
    void openColorProperties();
    void placeColorProperties();
    // A slot's colour menu, at a screen point.
    void slotMenuRequested(QPoint at);
    // A write that followed changes has ended (whether it worked or not).
    void paletteSaved();

private:
    void Refresh();
    void SaveAfterDelay();
    void OnHover(int tag);
    void OnLeftPress(int tag);
    void OnRightPress(int tag);
    void OnDragStart(int tag);
    void OnDragOver(int targetTag);
    void OnDrop(int targetTag);
    void OnDragEnd();

    QWidget* bar_;
    Dialogs& dialogs_;
    Palette palette_;
    SlotColorArray slotColors_{};
    std::unique_ptr<PaletteColumn> column_;
    QTimer saveTimer_;
    std::string saveFolder_;
    bool saveFailureShown_ = false;
};

} // namespace twl

#pragma once
// The palette: at most 20 colour texts, newest first, kept in "colorset.dat". Line 1 is slot 1,
// the top slot of the bar. The palette also remembers the slot the pointer last moved over and
// the slot being dragged, which other windows read.
//
// The operations change the list only; painting the slots, sizing the bar, the automatic copy
// and the Test Layouts refresh are the caller's work after an operation that returns true.

#include "core/color/color_text.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

inline constexpr int kPaletteSlotCount = 20;
inline constexpr std::string_view kPaletteFileName = "colorset.dat";
inline constexpr std::string_view kSavePaletteErrorText = "ERROR! Cannot save color list!";

// The twelve colours of a first start, slot 1 first.
std::vector<std::string> DefaultPaletteLines();

// Where LoadPalette found the palette.
enum class PaletteSource { UserFile, ProgramFile, Defaults };

class Palette {
public:
    // An empty palette; slot 1 selected, current and dragged colour black.
    Palette() = default;
    // A palette holding the given lines, cut to the first 20 as a loaded file is.
    explicit Palette(std::vector<std::string> lines);

    // Reads userFolder/colorset.dat, else programFolder/colorset.dat, else takes the default
    // colours. Lines are taken as they are (empty or invalid ones included), except that only
    // the first 20 are kept: the bar has 20 slots and never grows past them. A file that exists
    // but cannot be read (or is over kMaxTextFileBytes) counts as missing. The selection is not
    // touched.
    PaletteSource LoadPalette(const std::filesystem::path& userFolder,
                              const std::filesystem::path& programFolder);
    // Writes the whole list to userFolder/colorset.dat. False when the file cannot be written;
    // the old file then stays as it was.
    bool SavePalette(const std::filesystem::path& userFolder) const;

    const std::vector<std::string>& PaletteList() const { return paletteList_; }
    int Count() const { return static_cast<int>(paletteList_.size()); }
    // The colour of line slot (1-based), or nullopt when the line is missing or not a colour.
    std::optional<TColor> LineColor(int slot) const;

    int SelectedSlot() const { return selectedSlot_; }
    TColor CurrentColor() const { return currentColor_; }
    int DraggedSlot() const { return draggedSlot_; }
    TColor DraggedColor() const { return draggedColor_; }

    // The pointer moved over slot (1 to 20), which shows color. False for a slot number outside
    // 1 to 20, which changes nothing.
    bool Select(int slot, TColor color);
    // A drag starts on the slot with 0-based index tag, showing color.
    void BeginDrag(int tag, TColor color);

    // Puts the colour's text in slot 1, moving the others down; a 21st line drops out.
    void InsertColorAtTop(TColor color);
    // Sets the selected slot's line to text. False (nothing changed) when the selected slot is
    // past the end of the list.
    bool ReplaceSelectedColor(std::string_view text);
    // Deletes the selected slot's line; the selection stays where it was. False (nothing
    // changed) when the selected slot is past the end of the list.
    bool RemoveSelectedColor();
    // Takes the line at 0-based index from out and inserts it at index to. True whenever both
    // indexes are inside the list, a drop on itself included (the list then stays as it was but
    // the bar is refreshed all the same); false for an index outside it.
    bool MovePaletteColor(int from, int to);

private:
    std::vector<std::string> paletteList_;
    int selectedSlot_ = 1;
    TColor currentColor_ = 0;
    int draggedSlot_ = 0;
    TColor draggedColor_ = 0;
};

} // namespace twl

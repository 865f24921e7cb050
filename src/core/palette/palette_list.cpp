#include "core/palette/palette_list.h"

#include "core/base/text_file.h"

#include <utility>

namespace twl {

namespace {

void KeepFirstSlots(std::vector<std::string>& lines) {
    if (lines.size() > static_cast<std::size_t>(kPaletteSlotCount))
        lines.resize(kPaletteSlotCount);
}

std::filesystem::path PaletteFile(const std::filesystem::path& folder) {
    return folder / kPaletteFileName;
}

} // namespace

std::vector<std::string> DefaultPaletteLines() {
    return {"$008000FF", "clFuchsia", "$00FF0080", "clBlue",   "$00FF8000", "clAqua",
            "$0080FF00", "clLime",    "$0000FF80", "clYellow", "$000080FF", "clRed"};
}

Palette::Palette(std::vector<std::string> lines) : paletteList_(std::move(lines)) {
    KeepFirstSlots(paletteList_);
}

PaletteSource Palette::LoadPalette(const std::filesystem::path& userFolder,
                                   const std::filesystem::path& programFolder) {
    PaletteSource source = PaletteSource::Defaults;
    std::optional<std::vector<std::string>> lines =
        ReadTextLines(PaletteFile(userFolder), kPaletteSlotCount);
    if (lines) {
        source = PaletteSource::UserFile;
    } else {
        lines = ReadTextLines(PaletteFile(programFolder), kPaletteSlotCount);
        if (lines)
            source = PaletteSource::ProgramFile;
    }
    paletteList_ = lines ? std::move(*lines) : DefaultPaletteLines();
    KeepFirstSlots(paletteList_);
    return source;
}

bool Palette::SavePalette(const std::filesystem::path& userFolder) const {
    return WriteTextLines(PaletteFile(userFolder), paletteList_);
}

std::optional<TColor> Palette::LineColor(int slot) const {
    if (slot < 1 || slot > Count())
        return std::nullopt;
    return TryTextToColor(paletteList_[static_cast<std::size_t>(slot - 1)]);
}

bool Palette::Select(int slot, TColor color) {
    if (slot < 1 || slot > kPaletteSlotCount)
        return false;
    selectedSlot_ = slot;
    currentColor_ = color;
    return true;
}

void Palette::BeginDrag(int tag, TColor color) {
    draggedSlot_ = tag;
    draggedColor_ = color;
}

void Palette::InsertColorAtTop(TColor color) {
    paletteList_.insert(paletteList_.begin(), ColorToText(color));
    // Only the one line pushed past slot 20 goes.
    if (paletteList_.size() > static_cast<std::size_t>(kPaletteSlotCount))
        paletteList_.erase(paletteList_.begin() + kPaletteSlotCount);
}

bool Palette::ReplaceSelectedColor(std::string_view text) {
    if (selectedSlot_ < 1 || selectedSlot_ > Count())
        return false;
    paletteList_[static_cast<std::size_t>(selectedSlot_ - 1)] = std::string(text);
    return true;
}

bool Palette::RemoveSelectedColor() {
    if (selectedSlot_ < 1 || selectedSlot_ > Count())
        return false;
    paletteList_.erase(paletteList_.begin() + (selectedSlot_ - 1));
    return true;
}

bool Palette::MovePaletteColor(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count())
        return false;
    std::string moved = std::move(paletteList_[static_cast<std::size_t>(from)]);
    paletteList_.erase(paletteList_.begin() + from);
    paletteList_.insert(paletteList_.begin() + to, std::move(moved));
    return true;
}

} // namespace twl

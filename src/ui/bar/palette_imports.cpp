#include "ui/bar/palette_imports.h"

#include "core/export/palette_import.h"
#include "core/formats/paste_color.h"
#include "platform/dialogs.h"
#include "ui/bar/palette_controller.h"

#include <algorithm>
#include <filesystem>

namespace twl {

namespace {

constexpr const char* kPaletteFilters =
    "Palette Files|*.gpl;*.ase;*.aco;*.cll;*.txt;*.css;*.json|All Files|*";

} // namespace

PaletteImports::PaletteImports(PaletteController& palette, Dialogs& dialogs,
                               const ColorNames& cssNames, QObject* parent)
    : QObject(parent), palette_(palette), dialogs_(dialogs), cssNames_(cssNames) {}

void PaletteImports::OpenPalette() {
    if (const auto path = dialogs_.AskOpenFileName(kPaletteFilters)) {
        ImportPaletteFile(*path);
    }
}

void PaletteImports::ImportPaletteFile(const std::string& path) {
    ImportPaletteFiles({path});
}

void PaletteImports::ImportPaletteFiles(const std::vector<std::string>& paths) {
    std::vector<TColor> colors;
    for (const std::string& path : paths) {
        const std::filesystem::path file(path);
        const PaletteImport read = ReadPaletteFile(file, CssLineReader(cssNames_));
        if (!read.problem.empty()) {
            dialogs_.ShowMessage(PaletteImportMessage(file, read.problem));
            continue;
        }
        colors.insert(colors.end(), read.colors.begin(), read.colors.end());
    }
    colors.resize(std::min(colors.size(), kMaxImportedColors));
    // The palette's add puts each colour on top in turn: the first goes in last.
    const std::vector<TColor> lastOnTop(colors.rbegin(), colors.rend());
    palette_.AddColorsToPalette(lastOnTop);
}

} // namespace twl

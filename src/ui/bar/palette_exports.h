#pragma once
// The palette leaving the program: Photoshop swatches and colour list files, the palette as
// text on the clipboard, swatch images on the clipboard or in BMP, PNG and GIF files, and the
// single-colour swatch that the "Color S&watch" commands and the automatic copy put on the
// clipboard. Every file is written whole; one that cannot be written leaves any old file as it
// was and says "Sorry! Cannot save file!".

#include "core/color/color_text.h"
#include "core/export/palette_export.h"
#include "ui/common/picture_output.h"
#include "ui/common/save_file_dialog.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

class Clipboard;
class Dialogs;
class Palette;

// The palette files other programs read.
enum class PaletteFileKind { Gimp, SwatchExchange, NamedSwatches, Css, Json };

class PaletteExports : public QObject {
    Q_OBJECT
public:
    PaletteExports(const Palette& palette, Clipboard& clipboard, Dialogs& dialogs,
                   QObject* parent = nullptr);

    // Refuses an empty palette before any dialog; the dialog (SDACO) keeps the chosen name.
    void ExportPhotoshopSwatches();
    // An empty palette gives a 0-byte file; the dialog (iSD1) keeps the chosen name.
    void ExportColorList();
    void CopyPaletteAs(PaletteTextForm form);
    // The swatch image of the whole palette. The file dialog (iSD2) opens with an empty name and
    // the target's filter; the file holds the target's format whatever extension is typed.
    void RenderPaletteSwatches(PictureTarget target);
    // The files of other programs: refused for an empty palette before any dialog.
    void ExportFile(PaletteFileKind kind);
    // The CSS custom properties or the JSON array on the clipboard; refused for an empty palette.
    void CopyPaletteFile(PaletteFileKind kind);
    // The text and the single-colour swatch offered together (the automatic copy with swatch).
    void CopyTextAndSwatch(const std::string& text, TColor color);

public slots:
    // The export of a bar menu item, by its design name ("HEX1", "PhotoShopSwatches2", ...).
    void RunItem(const QString& item);
    // The single-colour swatch (37 × 50) alone on the clipboard: every "Color S&watch" command.
    void CopyColorSwatch(TColor color);

private:
    void WriteOrReport(const std::string& path, std::string_view bytes);
    // The colours, or nothing after telling that the palette is empty.
    std::optional<std::vector<TColor>> ColorsToExport();

    const Palette& palette_;
    Clipboard& clipboard_;
    Dialogs& dialogs_;
    SaveFileDialog photoshopDialog_; // SDACO
    SaveFileDialog colorListDialog_; // iSD1
    SaveFileDialog swatchDialog_;    // iSD2
    // One dialog for each kind of PaletteFileKind, in its order.
    std::vector<SaveFileDialog> fileDialogs_;
};

} // namespace twl

#include "ui/bar/palette_exports.h"

#include "ui/common/picture_output.h"

#include "core/base/text_file.h"
#include "core/export/palette_files.h"
#include "core/palette/palette_list.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/qt_conversions.h"
#include "ui/common/color_copy.h"
#include "ui/common/image_files.h"
#include "ui/common/swatch_picture.h"

#include <vector>

namespace twl {

namespace {

using Run = void (*)(PaletteExports& exports);

struct ExportItem {
    const char* name;
    Run run;
};

template <PictureTarget Target> void Swatches(PaletteExports& e) {
    e.RenderPaletteSwatches(Target);
}

template <PaletteTextForm Form> void Text(PaletteExports& e) {
    e.CopyPaletteAs(Form);
}

void Photoshop(PaletteExports& e) {
    e.ExportPhotoshopSwatches();
}

void ColorListFile(PaletteExports& e) {
    e.ExportColorList();
}

template <PaletteFileKind Kind> void File(PaletteExports& e) {
    e.ExportFile(Kind);
}

template <PaletteFileKind Kind> void CopyFile(PaletteExports& e) {
    e.CopyPaletteFile(Kind);
}

// Each kind's writer and save dialog, in the order of PaletteFileKind.
struct FileKind {
    std::string (*write)(std::span<const TColor> colors);
    const char* filters;
    const char* extension;
};

const FileKind kFileKinds[] = {
    {GimpPalette, "GIMP Palette|*.gpl", ".gpl"},
    {AdobeSwatchExchange, "Adobe Swatch Exchange|*.ase", ".ase"},
    {PhotoshopSwatchesWithNames, "Photoshop ACO File (*.aco)|*.ACO", ".aco"},
    {CssCustomProperties, "CSS File|*.css", ".css"},
    {JsonColors, "JSON File|*.json", ".json"},
};

const FileKind& KindOf(PaletteFileKind kind) {
    return kFileKinds[static_cast<int>(kind)];
}

// Each export's main-menu item, then its tray-menu item.
const ExportItem kItems[] = {
    {"CopyAllasBitmap1", Swatches<PictureTarget::Clipboard>},
    {"CopyAllasBitmap2", Swatches<PictureTarget::Clipboard>},
    {"HEX1", Text<PaletteTextForm::Hex>},
    {"HEX3", Text<PaletteTextForm::Hex>},
    {"HEXwith1", Text<PaletteTextForm::HexWithHash>},
    {"HEXwith3", Text<PaletteTextForm::HexWithHash>},
    {"RGB1", Text<PaletteTextForm::Rgb>},
    {"RGB3", Text<PaletteTextForm::Rgb>},
    {"PortableNetworkGraphicsFile1", Swatches<PictureTarget::Png>},
    {"PortableNetworkGraphicsFile2", Swatches<PictureTarget::Png>},
    {"WindowsBitmapFile1", Swatches<PictureTarget::Bmp>},
    {"WindowsBitmapFilebmp1", Swatches<PictureTarget::Bmp>},
    {"GraphicsInterchangeFormat1", Swatches<PictureTarget::Gif>},
    {"GraphicsInterchangeFormatgif1", Swatches<PictureTarget::Gif>},
    {"PhotoShopSwatches1", Photoshop},
    {"PhotoShopSwatches2", Photoshop},
    {"VTOrlinColorList1", ColorListFile},
    {"VTOrlinColorList2", ColorListFile},
    {"GIMPPalette1", File<PaletteFileKind::Gimp>},
    {"GIMPPalette2", File<PaletteFileKind::Gimp>},
    {"AdobeSwatchExchange1", File<PaletteFileKind::SwatchExchange>},
    {"AdobeSwatchExchange2", File<PaletteFileKind::SwatchExchange>},
    {"PhotoshopSwatcheswithNames1", File<PaletteFileKind::NamedSwatches>},
    {"PhotoshopSwatcheswithNames2", File<PaletteFileKind::NamedSwatches>},
    {"CSSCustomProperties1", File<PaletteFileKind::Css>},
    {"CSSCustomProperties2", File<PaletteFileKind::Css>},
    {"JSON1", File<PaletteFileKind::Json>},
    {"JSON2", File<PaletteFileKind::Json>},
    {"CSSCustomProperties3", CopyFile<PaletteFileKind::Css>},
    {"CSSCustomProperties4", CopyFile<PaletteFileKind::Css>},
    {"JSON3", CopyFile<PaletteFileKind::Json>},
    {"JSON4", CopyFile<PaletteFileKind::Json>},
};

} // namespace

PaletteExports::PaletteExports(const Palette& palette, Clipboard& clipboard, Dialogs& dialogs,
                               QObject* parent)
    : QObject(parent), palette_(palette), clipboard_(clipboard), dialogs_(dialogs),
      photoshopDialog_(dialogs, "Photoshop ACO File (*.aco)|*.ACO", ".aco"),
      colorListDialog_(dialogs, "VT Orlin 1.5 Color List|*.cll", ".cll"),
      swatchDialog_(dialogs, "Bitmap Image|*.bmp|PNG Image|*.png|GIF Image|*.gif", ".bmp") {
    for (const FileKind& kind : kFileKinds) {
        fileDialogs_.emplace_back(dialogs, kind.filters, kind.extension);
    }
}

void PaletteExports::RunItem(const QString& item) {
    for (const ExportItem& entry : kItems) {
        if (item == QLatin1String(entry.name)) {
            entry.run(*this);
            return;
        }
    }
}

void PaletteExports::ExportPhotoshopSwatches() {
    if (palette_.Count() == 0) {
        dialogs_.ShowMessage(std::string(kNoColorsToExportText));
        return;
    }
    if (const auto path = photoshopDialog_.Run()) {
        WriteOrReport(*path, PhotoshopSwatches(PaletteColors(palette_.PaletteList())));
    }
}

void PaletteExports::ExportColorList() {
    if (const auto path = colorListDialog_.Run()) {
        WriteOrReport(*path, ColorList(PaletteColors(palette_.PaletteList())));
    }
}

std::optional<std::vector<TColor>> PaletteExports::ColorsToExport() {
    if (palette_.Count() == 0) {
        dialogs_.ShowMessage(std::string(kNoColorsToExportText));
        return std::nullopt;
    }
    return PaletteColors(palette_.PaletteList());
}

void PaletteExports::ExportFile(PaletteFileKind kind) {
    if (const auto colors = ColorsToExport()) {
        if (const auto path = fileDialogs_[static_cast<std::size_t>(kind)].Run()) {
            WriteOrReport(*path, KindOf(kind).write(*colors));
        }
    }
}

void PaletteExports::CopyPaletteFile(PaletteFileKind kind) {
    if (const auto colors = ColorsToExport()) {
        CopyTextToClipboard(clipboard_, KindOf(kind).write(*colors));
    }
}

void PaletteExports::CopyPaletteAs(PaletteTextForm form) {
    CopyTextToClipboard(clipboard_, PaletteText(PaletteColors(palette_.PaletteList()), form));
}

void PaletteExports::RenderPaletteSwatches(PictureTarget target) {
    const PixelImage picture = DrawSwatchPicture(PaletteColors(palette_.PaletteList()));
    SendPicture(picture, target, swatchDialog_, clipboard_, dialogs_);
}

void PaletteExports::CopyColorSwatch(TColor color) {
    clipboard_.SetImage(DrawSwatchPicture(std::vector<TColor>{color}));
}

void PaletteExports::CopyTextAndSwatch(const std::string& text, TColor color) {
    clipboard_.SetTextAndImage(text, DrawSwatchPicture(std::vector<TColor>{color}));
}

void PaletteExports::WriteOrReport(const std::string& path, std::string_view bytes) {
    if (!WriteWholeFile(path, bytes)) {
        dialogs_.ShowMessage(std::string(kCannotSaveFileText));
    }
}

} // namespace twl

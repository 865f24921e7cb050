#include "ui/bar/palette_file_writer.h"

#include "core/base/text_file.h"
#include "core/export/palette_export.h"
#include "platform/qt_conversions.h"
#include "ui/common/image_files.h"
#include "ui/common/swatch_picture.h"

namespace twl {

namespace {

bool WriteImage(const std::filesystem::path& path, std::span<const TColor> colors,
                ImageFormat format) {
    return SaveImage(path, ToQImage(DrawSwatchPicture(colors)), format);
}

} // namespace

std::optional<std::string> WritePaletteFile(const std::filesystem::path& path, ExportKind kind,
                                            std::span<const TColor> colors) {
    bool written = false;
    switch (kind) {
    case ExportKind::PhotoshopSwatches:
        if (colors.empty()) {
            return std::string(kNoColorsToExportText);
        }
        written = WriteWholeFile(path, PhotoshopSwatches(colors));
        break;
    case ExportKind::ColorList:
        written = WriteWholeFile(path, ColorList(colors));
        break;
    case ExportKind::HexText:
        written = WriteWholeFile(path, PaletteText(colors, PaletteTextForm::Hex));
        break;
    case ExportKind::Png:
        written = WriteImage(path, colors, ImageFormat::Png);
        break;
    case ExportKind::Bmp:
        written = WriteImage(path, colors, ImageFormat::Bmp);
        break;
    case ExportKind::Gif:
        written = WriteImage(path, colors, ImageFormat::Gif);
        break;
    }
    if (!written) {
        return std::string(kCannotSaveFileText);
    }
    return std::nullopt;
}

} // namespace twl

// Any file as a palette: the kind told by its content, text (JSON arrays, CSS) read line by line.
// Colours read from text come back through the colour list.

#include "core/color/css_color_text.h"
#include "core/export/palette_export.h"
#include "palette_import_checks.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const OtherColorReader css = [](std::string_view line) { return ReadCssColor(line); };
    const auto read = [&css](std::string_view bytes) { return ReadPaletteBytes(bytes, css); };
    const PaletteImport any = read(fuzz::AsText(data, size));
    fuzz::Require(any.colors.size() <= kMaxImportedColors);
    fuzz::Require(any.problem.empty() != any.colors.empty());
    fuzz::CheckPaletteReader(
        fuzz::AsText(data, size),
        [&css](std::string_view bytes) { return ReadPaletteText(bytes, css); }, ColorList);
    return 0;
}

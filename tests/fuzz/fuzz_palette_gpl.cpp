// GIMP palettes as anything may have written them.

#include "core/export/palette_files.h"
#include "palette_import_checks.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckPaletteReader(fuzz::AsText(data, size), ReadGimpPalette, GimpPalette);
    return 0;
}

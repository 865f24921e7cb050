// Photoshop swatches as anything may have written them: either version, any colour space,
// counts and name lengths that need not fit the file.

#include "core/export/palette_files.h"
#include "palette_import_checks.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckPaletteReader(fuzz::AsText(data, size), ReadPhotoshopSwatches,
                             PhotoshopSwatchesWithNames);
    return 0;
}

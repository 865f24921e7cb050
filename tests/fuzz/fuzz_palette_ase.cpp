// Adobe Swatch Exchange files as anything may have written them: blocks of any length and type,
// names of any length, colour models and values of any bits.

#include "core/export/palette_files.h"
#include "palette_import_checks.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckPaletteReader(fuzz::AsText(data, size), ReadAdobeSwatchExchange,
                             AdobeSwatchExchange);
    return 0;
}

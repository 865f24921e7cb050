#pragma once
// What every palette file reader must hold to, whatever the bytes: at most twenty colours, none
// when it finds a problem, and colours it read come back the same through the writer of its
// kind.

#include "core/export/palette_import.h"
#include "fuzz_input.h"

#include <span>
#include <string>

namespace twl::fuzz {

template <typename Read, typename Write>
void CheckPaletteReader(std::string_view bytes, Read read, Write write) {
    const PaletteImport first = read(bytes);
    Require(first.colors.size() <= kMaxImportedColors);
    Require(first.problem.empty() || first.colors.empty());
    if (first.problem.empty()) {
        const PaletteImport again = read(write(std::span<const TColor>(first.colors)));
        Require(again.problem.empty() && again.colors == first.colors);
    }
}

} // namespace twl::fuzz

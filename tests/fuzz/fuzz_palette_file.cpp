// colorset.dat as anything may have left it: at most twenty lines load, each slot reads as a
// colour or as nothing, and the list saves back as it loaded.

#include "core/palette/bar_geometry.h"
#include "core/palette/palette_list.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto user = fuzz::InputFolder() / "user";
    std::filesystem::create_directories(user);
    fuzz::WriteInputFile("user/colorset.dat", fuzz::AsText(data, size));
    Palette palette;
    palette.LoadPalette(user, fuzz::InputFolder() / "program");
    fuzz::Require(palette.Count() <= kPaletteSlotCount);
    for (int slot = 0; slot <= kPaletteSlotCount + 1; ++slot) {
        (void)palette.LineColor(slot);
    }
    (void)SlotColors(palette.PaletteList(), SlotColorArray{});
    (void)PaletteBarHeight(palette.Count());

    fuzz::Require(palette.SavePalette(user));
    Palette reloaded;
    reloaded.LoadPalette(user, fuzz::InputFolder() / "program");
    fuzz::Require(palette.PaletteList() == reloaded.PaletteList());
    return 0;
}

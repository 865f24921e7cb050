// Loads one file the way the program reads it, for bench/hostile.sh to time and measure:
//   twl_bench_hostile palette|settings|paste|named|layout FILE
// Prints what was loaded, so the reader can tell a load from a refusal.

#include "core/base/screen_info.h"
#include "core/base/text_file.h"
#include "core/formats/paste_color.h"
#include "core/layout/test_layout.h"
#include "core/palette/palette_list.h"
#include "core/quick_palette/named_colors.h"
#include "core/settings/settings.h"

#include <cstdio>
#include <fstream>
#include <string>

using namespace twl;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s palette|settings|paste|named|layout FILE\n", argv[0]);
        return 2;
    }
    const std::string what = argv[1];
    const std::filesystem::path file = argv[2];
    const std::filesystem::path folder = file.parent_path();
    const std::filesystem::path elsewhere = folder / "no-such-folder";
    if (what == "palette") {
        Palette palette;
        const PaletteSource source = palette.LoadPalette(folder, elsewhere);
        std::printf("%s, %d lines\n", source == PaletteSource::UserFile ? "loaded" : "refused",
                    palette.Count());
    } else if (what == "settings") {
        SettingsList list;
        LoadSettings(list, folder, elsewhere, ScreenInfo{0, 0, 1920, 1080, 1080}, 0);
        std::printf("%zu lines\n", list.Lines().size());
    } else if (what == "paste") {
        // The clipboard's text reaches Paste Color as one string, with no file limit.
        std::ifstream in(file, std::ios::binary);
        std::string text(static_cast<std::size_t>(std::filesystem::file_size(file)), '\0');
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        std::printf("%zu colours\n", ParsePastedColors(text).colors.size());
    } else if (what == "named") {
        std::printf("%zu colours\n", LoadNamedColors(file).size());
    } else if (what == "layout") {
        TestLayout layout = BuiltInLayout();
        const auto lines = ReadTextLines(file);
        if (!lines) {
            std::printf("refused: over the size limit\n");
            return 0;
        }
        try {
            ApplyLayoutLines(layout, *lines, "hostile");
            std::printf("applied, name of %zu bytes\n", layout.name.size());
        } catch (const ConversionError&) {
            std::printf("refused: not a number\n");
        }
    } else {
        return 2;
    }
    return 0;
}

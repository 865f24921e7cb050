#include "ui/bar/paste_color.h"

#include "core/color/css_color_text.h"
#include "core/formats/color_names.h"
#include "core/formats/paste_color.h"
#include "platform/clipboard.h"
#include "ui/bar/palette_controller.h"

namespace twl {

void PasteColor(const Clipboard& clipboard, PaletteController& palette,
                const ColorNames* cssNames) {
    OtherColorReader readCss;
    if (cssNames != nullptr) {
        readCss = [cssNames](std::string_view line) {
            return ReadCssColor(line,
                                [cssNames](std::string_view name) { return cssNames->Find(name); });
        };
    }
    const PastedColors pasted = ParsePastedColors(clipboard.Text(), readCss);
    palette.AddColorsToPalette(pasted.colors);
    if (pasted.error) {
        throw *pasted.error;
    }
}

} // namespace twl

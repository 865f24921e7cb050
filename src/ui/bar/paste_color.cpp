#include "ui/bar/paste_color.h"

#include "core/formats/paste_color.h"
#include "platform/clipboard.h"
#include "ui/bar/palette_controller.h"

namespace twl {

void PasteColor(const Clipboard& clipboard, PaletteController& palette,
                const ColorNames* cssNames) {
    const PastedColors pasted = ParsePastedColors(
        clipboard.Text(), cssNames != nullptr ? CssLineReader(*cssNames) : OtherColorReader());
    palette.AddColorsToPalette(pasted.colors);
    if (pasted.error) {
        throw *pasted.error;
    }
}

} // namespace twl

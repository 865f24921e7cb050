#pragma once
// Paste Color: the colour text on the clipboard, one colour a line, into the palette, the
// first line on top.

namespace twl {

class Clipboard;
class ColorNames;
class PaletteController;

// Adds the colours of the recognised lines. An RGB or HSL line with a field that is not an
// integer stops the paste there: the colours of the lines below it are added, then the
// ConversionError naming the field is thrown for the general error report. With cssNames, a
// line of no form is read as CSS colour text, its colour names from cssNames.
void PasteColor(const Clipboard& clipboard, PaletteController& palette,
                const ColorNames* cssNames = nullptr);

} // namespace twl

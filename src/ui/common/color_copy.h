#pragma once
// Copying colours as text: the copy-as commands and the automatic copy after a pick.

#include "core/color/color_text.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace twl {

class Clipboard;
class FormatList;
struct Settings;

// The program's one way of putting text on the clipboard: replaces the whole content.
void CopyTextToClipboard(Clipboard& clipboard, const std::string& text);

// The colour in the named format (an unknown name copies the empty text).
void CopyColorAs(Clipboard& clipboard, const FormatList& formats, TColor color,
                 std::string_view formatName);

// Puts text and a swatch of the colour on the clipboard together.
using CopyTextAndSwatchFn = std::function<void(const std::string& text, TColor color)>;

// With Auto Copy on, copies the newest colour (slot 1) in the "copyas" format; with "copy
// swatch" on as well, the text goes with a swatch picture through copyTextAndSwatch when that
// is given. Nothing happens with Auto Copy off or no newest colour. True when it copied.
bool AutoCopyNewest(Clipboard& clipboard, const FormatList& formats, const Settings& settings,
                    std::optional<TColor> newest, const CopyTextAndSwatchFn& copyTextAndSwatch);

} // namespace twl

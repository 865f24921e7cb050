#include "ui/common/color_copy.h"

#include "core/formats/format_list.h"
#include "core/settings/settings.h"
#include "platform/clipboard.h"

namespace twl {

void CopyTextToClipboard(Clipboard& clipboard, const std::string& text) {
    clipboard.SetText(text);
}

void CopyColorAs(Clipboard& clipboard, const FormatList& formats, TColor color,
                 std::string_view formatName) {
    CopyTextToClipboard(clipboard, formats.FormatColorByName(color, formatName));
}

bool AutoCopyNewest(Clipboard& clipboard, const FormatList& formats, const Settings& settings,
                    std::optional<TColor> newest, const CopyTextAndSwatchFn& copyTextAndSwatch) {
    if (!settings.autoCopy || !newest) {
        return false;
    }
    const std::string text = formats.FormatColorByName(*newest, settings.autoCopyFormat);
    if (settings.autoCopySwatch && copyTextAndSwatch) {
        copyTextAndSwatch(text, *newest);
    } else {
        CopyTextToClipboard(clipboard, text);
    }
    return true;
}

} // namespace twl

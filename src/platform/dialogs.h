#pragma once
// Message boxes behind a small interface: the program shows real ones, the widget tests record
// what would have been shown, so no test ever blocks on a modal dialog.

#include "core/color/color_text.h"

#include <optional>
#include <string>

namespace twl {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain message box with an OK button, captioned "TWL".
    virtual void ShowMessage(const std::string& text) = 0;
    // The general error report: the text as given, captioned "TWL", error icon, OK button.
    virtual void ShowError(const std::string& text) = 0;
    // The colour chooser in its full form, starting from initial; nullopt when cancelled.
    virtual std::optional<TColor> AskColor(TColor initial) = 0;
    // The save-file dialog: filters as "Name|*.ext|Name|*.ext", the 1-based filter shown first
    // and the extension added to a name typed without one. nullopt when cancelled.
    virtual std::optional<std::string> AskSaveFileName(const std::string& filters, int filterIndex,
                                                       const std::string& defaultExtension) = 0;
};

} // namespace twl

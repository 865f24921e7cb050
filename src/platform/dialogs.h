#pragma once
// Message boxes behind a small interface: the program shows real ones, the widget tests record
// what would have been shown, so no test ever blocks on a modal dialog.

#include "core/color/color_text.h"

#include <optional>
#include <string>

namespace twl {

struct SaveFileRequest {
    std::string filters;          // "Name|*.ext|Name|*.ext"
    int filterIndex = 1;          // the filter shown first, 1-based
    std::string defaultExtension; // ".bmp": added to a name typed without an extension
    std::string fileName;         // the name the dialog opens with; empty for none
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain message box with an OK button, captioned "TWL".
    virtual void ShowMessage(const std::string& text) = 0;
    // A confirmation box with Yes and No buttons, captioned "TWL"; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The general error report: the text as given, captioned "TWL", error icon, OK button.
    virtual void ShowError(const std::string& text) = 0;
    // The colour chooser in its full form, starting from initial; nullopt when cancelled.
    virtual std::optional<TColor> AskColor(TColor initial) = 0;
    // The save-file dialog. It asks before an existing file is replaced; the chosen name, or
    // nullopt when cancelled.
    virtual std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) = 0;
    // The open-file dialog for an existing file, with filters as a save request has them; the
    // chosen name, or nullopt when cancelled.
    virtual std::optional<std::string> AskOpenFileName(const std::string& filters) = 0;
};

} // namespace twl

#pragma once
// Message boxes behind a small interface: the program shows real ones, the widget tests record
// what would have been shown, so no test ever blocks on a modal dialog.

#include <string>

namespace twl {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain message box with an OK button, captioned "TWL".
    virtual void ShowMessage(const std::string& text) = 0;
    // The general error report: the text as given, captioned "TWL", error icon, OK button.
    virtual void ShowError(const std::string& text) = 0;
};

} // namespace twl

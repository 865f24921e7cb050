#pragma once
// The dialogs as Qt shows them. Each belongs to the window that has the focus as it opens, so it
// comes up above it, above a window that stays on top too.

#include "platform/dialogs.h"

namespace twl {

class QtDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<TColor> AskColor(TColor initial) override;
    std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override;
    std::optional<std::string> AskOpenFileName(const std::string& filters) override;
};

} // namespace twl

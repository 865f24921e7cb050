#pragma once

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

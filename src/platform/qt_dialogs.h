#pragma once

#include "platform/dialogs.h"

namespace twl {

class QtDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
};

} // namespace twl

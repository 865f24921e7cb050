#include "ui/common/save_file_dialog.h"

#include "platform/dialogs.h"

namespace twl {

SaveFileDialog::SaveFileDialog(Dialogs& dialogs, std::string filters, std::string defaultExtension)
    : dialogs_(dialogs), filters_(std::move(filters)),
      defaultExtension_(std::move(defaultExtension)) {}

std::optional<std::string> SaveFileDialog::Run(int filterIndex) {
    auto chosen = dialogs_.AskSaveFileName({filters_, filterIndex, defaultExtension_, fileName_});
    if (chosen) {
        fileName_ = *chosen;
    }
    return chosen;
}

} // namespace twl

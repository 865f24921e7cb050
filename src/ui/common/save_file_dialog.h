#pragma once
// One of the program's save dialogs: made once, it keeps its filters, its default extension and
// the name chosen last, which its next showing starts with unless it is cleared first.

#include <optional>
#include <string>

namespace twl {

class Dialogs;

class SaveFileDialog {
public:
    // filters as "Name|*.ext|Name|*.ext"; defaultExtension as ".ext".
    SaveFileDialog(Dialogs& dialogs, std::string filters, std::string defaultExtension);

    // Shows the dialog with the 1-based filter selected. The chosen name, which the dialog keeps,
    // or nullopt when cancelled (the kept name stays as it was).
    std::optional<std::string> Run(int filterIndex = 1);
    void ClearFileName() { fileName_.clear(); }
    const std::string& FileName() const { return fileName_; }

private:
    Dialogs& dialogs_;
    std::string filters_;
    std::string defaultExtension_;
    std::string fileName_;
};

} // namespace twl

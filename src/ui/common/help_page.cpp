#include "ui/common/help_page.h"

#include "core/startup/help_page.h"
#include "platform/shell.h"

namespace twl {

void OpenHelpPage(Shell& shell, const std::string& programFolder, const std::string& page) {
    shell.Open(HelpPagePath(programFolder, page));
}

} // namespace twl

#include "app/help_page.h"

#include "platform/shell.h"

namespace twl {

std::string HelpPagePath(const std::string& programFolder, const std::string& page) {
    return programFolder + "help/" + page;
}

void OpenHelpPage(Shell& shell, const std::string& programFolder, const std::string& page) {
    shell.Open(HelpPagePath(programFolder, page));
}

} // namespace twl

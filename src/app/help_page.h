#pragma once
// The help pages shipped in the program folder's "help" folder, opened in the user's browser.

#include <string>

namespace twl {

class Shell;

// The full path of a help page: ProgramFolder + "help/" + page.
std::string HelpPagePath(const std::string& programFolder, const std::string& page);

void OpenHelpPage(Shell& shell, const std::string& programFolder, const std::string& page);

} // namespace twl

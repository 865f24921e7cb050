#pragma once
// Opening a shipped help page in the user's browser.

#include <string>

namespace twl {

class Shell;

void OpenHelpPage(Shell& shell, const std::string& programFolder, const std::string& page);

} // namespace twl

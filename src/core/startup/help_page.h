#pragma once
// The help pages shipped in the program folder's "help" folder.

#include <string>

namespace twl {

// The full path of a help page: ProgramFolder + "help/" + page.
std::string HelpPagePath(const std::string& programFolder, const std::string& page);

} // namespace twl

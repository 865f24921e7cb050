#pragma once
// A command of the command line run to its end: sent to the bar that runs for the same
// configuration folder, or, with none running, answered here on the files. Prints the reply
// and gives the exit status.

#include "app/command_line.h"

#include <string>

namespace twl {

// installDataFolder: where an installed program finds its shipped data (see FindProgramFolder).
int RunScriptCommand(const CommandLine& commandLine, const std::string& installDataFolder, int argc,
                     char** argv);

} // namespace twl

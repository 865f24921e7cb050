#pragma once
// The program's three folders. Every folder path ends in a separator, so a file name can be
// appended to it as it is.

#include <filesystem>
#include <string>

namespace twl {

struct DataFolders {
    std::string programFolder;    // shipped presets, help pages, named colours, layouts
    std::string userDataFolder;   // <config>/Vantrel/TWL/: settings, palette, magnified image
    std::string sharedDataFolder; // <config>/Vantrel/Shared/: the colour value formats
};

// Adds a trailing "/" where it is missing.
std::string WithTrailingSeparator(std::string folder);

// The shipped data lies beside the program in a build tree or a portable copy (its "help"
// folder is there); an installed program finds it in installDataFolder instead, which, when
// relative ("../share/tintwell"), is taken from the program's folder, so an installed tree
// still finds its data after it has been moved.
std::string FindProgramFolder(const std::filesystem::path& executableFolder,
                              const std::filesystem::path& installDataFolder);

DataFolders MakeDataFolders(const std::filesystem::path& appDataFolder,
                            const std::string& programFolder);

// Creates <appData>/Vantrel, then .../TWL and .../Shared, one level at a time. A folder that
// cannot be created is passed over: the later file writes into it report their own failure.
void CreateDataFolders(const std::filesystem::path& appDataFolder);

} // namespace twl

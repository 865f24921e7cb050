#include "core/startup/data_folders.h"

#include <system_error>

namespace twl {

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string FindProgramFolder(const std::filesystem::path& executableFolder,
                              const std::filesystem::path& installDataFolder) {
    std::error_code ec;
    if (std::filesystem::is_directory(executableFolder / "help", ec)) {
        return WithTrailingSeparator(executableFolder.string());
    }
    if (installDataFolder.is_relative()) {
        return WithTrailingSeparator(
            (executableFolder / installDataFolder).lexically_normal().string());
    }
    return WithTrailingSeparator(installDataFolder.string());
}

DataFolders MakeDataFolders(const std::filesystem::path& appDataFolder,
                            const std::string& programFolder) {
    const std::string base = WithTrailingSeparator(appDataFolder.string()) + "Vantrel/";
    return DataFolders{WithTrailingSeparator(programFolder), base + "TWL/", base + "Shared/"};
}

void CreateDataFolders(const std::filesystem::path& appDataFolder) {
    // A fresh account may not have its configuration folder yet.
    std::error_code ec;
    std::filesystem::create_directories(appDataFolder, ec);
    const std::filesystem::path base = appDataFolder / "Vantrel";
    for (const auto& folder : {base, base / "TWL", base / "Shared"}) {
        std::error_code ignored;
        std::filesystem::create_directory(folder, ignored);
    }
}

} // namespace twl

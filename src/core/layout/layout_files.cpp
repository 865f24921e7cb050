#include "core/layout/layout_files.h"

#include "core/base/ascii_case.h"

namespace twl {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLayoutFolder = "TLs";

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsLayoutFileName(const std::string& name) {
    return name.size() >= 3 && EqualIgnoringAsciiCase(name.substr(name.size() - 3), ".tl");
}

void CollectFolder(const fs::path& folder, std::vector<std::string>& list, int depth) {
    // A loop of linked folders ends here.
    if (depth > 32) {
        return;
    }
    std::vector<fs::path> subfolders;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            if (!name.starts_with('.')) {
                subfolders.push_back(it->path());
            }
        } else if (it->is_regular_file(kindError) && IsLayoutFileName(name)) {
            list.push_back(name);
        }
    }
    for (const fs::path& subfolder : subfolders) {
        CollectFolder(subfolder, list, depth + 1);
    }
}

} // namespace

std::vector<std::string> CollectLayoutFiles(const std::string& userDataFolder,
                                            const std::string& programFolder) {
    std::vector<std::string> list;
    const fs::path user = fs::path(userDataFolder) / kLayoutFolder;
    const fs::path program = fs::path(programFolder) / kLayoutFolder;
    if (IsDirectory(user)) {
        CollectFolder(user, list, 0);
    } else if (IsDirectory(program)) {
        CollectFolder(program, list, 0);
    }
    return list;
}

std::optional<fs::path> FindLayoutFile(const std::string& name, const std::string& userDataFolder,
                                       const std::string& programFolder) {
    // A bare name: nothing outside the layout folders.
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
        return std::nullopt;
    }
    for (const std::string& folder : {userDataFolder, programFolder}) {
        const fs::path path = fs::path(folder) / kLayoutFolder / name;
        std::error_code error;
        if (fs::is_regular_file(path, error)) {
            return path;
        }
    }
    return std::nullopt;
}

int LayoutIndexOf(const std::vector<std::string>& list, const std::string& name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (EqualIgnoringAsciiCase(list[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int NextLayoutIndex(int index, int count) {
    return index + 1 >= count ? 0 : index + 1;
}

int PreviousLayoutIndex(int index, int count) {
    return index - 1 < 0 ? count - 1 : index - 1;
}

} // namespace twl

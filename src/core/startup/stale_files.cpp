#include "core/startup/stale_files.h"

#include <charconv>

namespace twl {

std::optional<long> TemporaryFileOwner(std::string_view fileName) {
    for (const std::string_view name : kDataFileNames) {
        if (!fileName.starts_with(name) || !fileName.substr(name.size()).starts_with(".tmp")) {
            continue;
        }
        const std::string_view digits = fileName.substr(name.size() + 4);
        long pid = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), pid);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            pid <= 0 || digits.front() == '0') {
            return std::nullopt;
        }
        return pid;
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> StaleTemporaryFiles(const std::filesystem::path& folder,
                                                       const std::function<bool(long)>& running) {
    std::vector<std::filesystem::path> stale;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto owner = TemporaryFileOwner(entry->path().filename().string());
        std::error_code notFile;
        if (owner && entry->is_regular_file(notFile) && !running(*owner)) {
            stale.push_back(entry->path());
        }
    }
    return stale;
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                               const std::function<bool(long)>& running) {
    for (const std::filesystem::path& file : StaleTemporaryFiles(folder, running)) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

} // namespace twl

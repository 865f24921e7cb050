#pragma once
// The temporary files a save leaves when it is killed halfway: every file is written to
// "<name>.tmp<pid>" beside it and renamed over it, so a kill in between leaves that file behind.
// At start the program removes those of its own files whose process no longer runs.

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace twl {

// The files the program writes whole in its data folders.
inline constexpr std::string_view kDataFileNames[] = {
    "set.set", "colorset.dat", "magnified.bmp", "cvf.ini", "update.txt", "fonttextsamples.txt"};

// The process id in a temporary file's name of ours ("colorset.dat.tmp1234"); nullopt for any
// other name.
std::optional<long> TemporaryFileOwner(std::string_view fileName);

// The temporary files of ours in folder whose process is not running, as running tells.
std::vector<std::filesystem::path> StaleTemporaryFiles(const std::filesystem::path& folder,
                                                       const std::function<bool(long)>& running);

// Removes them; a file that cannot be removed is left.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                               const std::function<bool(long)>& running);

} // namespace twl

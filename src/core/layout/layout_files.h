#pragma once
// The layout files: the bare names of the .tl files in a "TLs" folder and its subfolders, the
// file a name stands for, and stepping through the list with wrap-around.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace twl {

// "TLs" in the user data folder if it exists, else in the program folder: its .tl files in
// listing order, then each subfolder not starting with "." the same way. Names only.
std::vector<std::string> CollectLayoutFiles(const std::string& userDataFolder,
                                            const std::string& programFolder);

// "TLs/" + name in the user data folder, else in the program folder; nullopt when neither is a
// file (a name found only in a subfolder has none).
std::optional<std::filesystem::path> FindLayoutFile(const std::string& name,
                                                    const std::string& userDataFolder,
                                                    const std::string& programFolder);

// The position of name in the list, letter case ignored; -1 when it is not there.
int LayoutIndexOf(const std::vector<std::string>& list, const std::string& name);

// One step on from index (-1 included) in a list of count names, wrapping at both ends.
int NextLayoutIndex(int index, int count);
int PreviousLayoutIndex(int index, int count);

} // namespace twl

#pragma once
// What the published version in "update.txt" means for the running program.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace twl {

enum class UpdateDecision {
    LatestVersion, // the published release is not newer than the running one
    NewerVersion,  // the published release is newer: the download is offered
    CheckManually, // no readable version: the user is asked to look on the product page
};

// Compares two versions of four decimal numbers joined by "." ("1.0.12.0"), number by number.
// Blanks around a number and leading zeros do not count. Only a published version greater than
// the running one is newer; a published value that is not four numbers (or a running one that
// is not) gives CheckManually.
UpdateDecision DecideUpdate(std::string_view published, std::string_view running);

// The value of the "update" line of the update file (keys match without regard to case, the
// first line wins; "" when there is none), or nullopt when the file cannot be read.
std::optional<std::string> ReadPublishedVersion(const std::filesystem::path& updateFile);

} // namespace twl

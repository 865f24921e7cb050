#pragma once
// Small text files of one item per line: read with CR, LF or CR LF line ends, written whole with
// CR LF after every line (a temporary file renamed over the old one, so a failed save leaves the
// old file as it was).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// Splits text into lines at CR, LF or CR LF. A line end after the last line adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The file's lines, or nullopt when it does not exist or cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// The whole file as bytes, or nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes bytes to a temporary file beside path and renames it over path. False on any failure,
// in which case path is untouched and no temporary file is left behind.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Each line followed by CR LF, written whole as above.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace twl

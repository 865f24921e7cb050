#pragma once
// Small text files of one item per line: read with CR, LF or CR LF line ends, written whole with
// CR LF after every line (a temporary file renamed over the old one, so a failed save leaves the
// old file as it was).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// Splits text into lines at CR, LF or CR LF. A line end after the last line adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The largest file the readers take: no settings, palette, format, layout or named-colour file
// comes near it, and a larger one (damaged, or written by something else) is refused as a file
// that cannot be read, so it costs neither time nor memory.
inline constexpr std::uintmax_t kMaxTextFileBytes = 32u << 20;

// The file's lines, or nullopt when it does not exist, cannot be read or is over the limit.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// The whole file as bytes, or nullopt when it cannot be read or is over kMaxTextFileBytes.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes bytes to a temporary file beside path, flushes it to the disk and renames it over
// path, so that whatever stops the program (a kill, a power cut) leaves the old or the new
// file whole. False on any failure, in which case path is untouched and no temporary file is
// left behind.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Each line followed by CR LF, written whole as above.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace twl

#pragma once
// Small text files of one item per line: read with CR, LF or CR LF line ends, written whole with
// CR LF after every line (a temporary file renamed over the old one, so a failed save leaves the
// old file as it was).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// Splits text into lines at CR, LF or CR LF. A line end after the last line adds no empty line.
// Only the first maxLines lines are taken.
std::vector<std::string> SplitLines(std::string_view text, std::size_t maxLines = SIZE_MAX);

// The largest file the readers take unless they say otherwise: no settings, palette, format or
// layout file comes near it, and a larger one (damaged, or written by something else) is
// refused as a file that cannot be read, so it costs neither time nor memory.
inline constexpr std::uintmax_t kMaxTextFileBytes = 4u << 20;

// The file's first maxLines lines, or nullopt when it does not exist, cannot be read or is over
// kMaxTextFileBytes.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path,
                                                      std::size_t maxLines = SIZE_MAX);

// The whole file as bytes, or nullopt when it cannot be read or is over maxBytes.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::uintmax_t maxBytes = kMaxTextFileBytes);

// Writes bytes to a temporary file beside path, flushes it to the disk and renames it over
// path, so that whatever stops the program (a kill, a power cut) leaves the old or the new
// file whole. False on any failure, in which case path is untouched and no temporary file is
// left behind.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Each line followed by CR LF, written whole as above.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace twl

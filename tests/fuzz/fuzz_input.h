#pragma once
// What every harness shares: the input as text, and a private folder where an input becomes the
// file a reader expects to find.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace twl::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process's own, removed when the process ends normally. In memory where the
// system has it, so the saves' flushes to the disk cost nothing.
inline const std::filesystem::path& InputFolder() {
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "twl-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(InputFolder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// Writes the input as InputFolder()/name and returns that path.
inline std::filesystem::path WriteInputFile(std::string_view name, std::string_view bytes) {
    const std::filesystem::path path = InputFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A fault the sanitizers cannot see: a reader broke one of its own promises.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace twl::fuzz

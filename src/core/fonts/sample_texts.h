#pragma once
// The fonts preview's sample texts: one sample a line in "fonttextsamples.txt", stepped through
// with previous and next, both wrapping round. The file is read once when the window is built and
// written back whole at exit, byte for byte as it was read plus nothing else.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace twl {

// The sample that shows each font by its own name.
inline constexpr const char* kFontNameSample = "(Font Name)";

class SampleTexts {
public:
    // The six samples a first run starts with.
    static std::vector<std::string> DefaultSamples();

    // The file's lines; the six defaults when it is absent or holds no line. A file that is
    // there but cannot be read gives the defaults too, and is never written over.
    static SampleTexts Load(const std::filesystem::path& path);

    explicit SampleTexts(std::vector<std::string> lines);

    // Writes every line whole; false when the file cannot be written (the old one stays) or
    // is one that could not be read.
    bool Save(const std::filesystem::path& path) const;

    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t Index() const { return index_; }
    const std::string& Current() const { return lines_[index_]; }
    // The next sample, the first after the last; the previous, the last before the first.
    const std::string& Next();
    const std::string& Previous();

private:
    std::vector<std::string> lines_;
    std::size_t index_ = 0;
    bool keepFile_ = false;
};

} // namespace twl

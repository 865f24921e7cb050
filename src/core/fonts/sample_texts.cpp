#include "core/fonts/sample_texts.h"

#include "core/base/text_file.h"

#include <utility>

namespace twl {

std::vector<std::string> SampleTexts::DefaultSamples() {
    return {kFontNameSample,
            "The quick brown fox jumps over the lazy dog.",
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
            "abcdefghijklmnopqrstuvwxyz",
            "0123456789 !@#$%^&*()-=_+[]{};':\",./<>?",
            "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz"};
}

SampleTexts SampleTexts::Load(const std::filesystem::path& path) {
    auto lines = ReadTextLines(path);
    std::error_code ec;
    SampleTexts samples(lines.value_or(std::vector<std::string>{}));
    samples.keepFile_ = !lines && std::filesystem::exists(path, ec);
    return samples;
}

SampleTexts::SampleTexts(std::vector<std::string> lines) : lines_(std::move(lines)) {
    // An empty list has no current sample: the defaults stand in for it.
    if (lines_.empty()) {
        lines_ = DefaultSamples();
    }
}

bool SampleTexts::Save(const std::filesystem::path& path) const {
    return !keepFile_ && WriteTextLines(path, lines_);
}

const std::string& SampleTexts::Next() {
    index_ = index_ + 1 < lines_.size() ? index_ + 1 : 0;
    return Current();
}

const std::string& SampleTexts::Previous() {
    index_ = index_ == 0 ? lines_.size() - 1 : index_ - 1;
    return Current();
}

} // namespace twl

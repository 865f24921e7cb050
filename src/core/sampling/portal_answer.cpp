#include "core/sampling/portal_answer.h"

#include "core/color/color_text.h"

namespace twl {

std::string PortalRequestPath(std::string_view uniqueName, std::string_view token) {
    std::string sender(uniqueName.substr(uniqueName.starts_with(':') ? 1 : 0));
    for (char& c : sender) {
        if (c == '.') {
            c = '_';
        }
    }
    return "/org/freedesktop/portal/desktop/request/" + sender + "/" + std::string(token);
}

ScreenshotAnswer ReadScreenshotAnswer(std::uint32_t response,
                                      const std::optional<std::string>& uri) {
    if (response == 1) {
        return {std::nullopt, "the screenshot was cancelled"};
    }
    if (response != 0) {
        return {std::nullopt, "the desktop portal could not take a screenshot"};
    }
    constexpr std::string_view kScheme = "file://";
    if (!uri || !std::string_view(*uri).starts_with(kScheme)) {
        return {std::nullopt, "the desktop portal gave no picture file"};
    }
    const std::string_view encoded = std::string_view(*uri).substr(kScheme.size());
    std::string path;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%') {
            const int high = i + 2 < encoded.size() ? HexDigitValue(encoded[i + 1]) : -1;
            const int low = i + 2 < encoded.size() ? HexDigitValue(encoded[i + 2]) : -1;
            if (high < 0 || low < 0) {
                return {std::nullopt, "the desktop portal gave no picture file"};
            }
            path += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            path += encoded[i];
        }
    }
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) {
        return {std::nullopt, "the desktop portal gave no picture file"};
    }
    return {path, {}};
}

} // namespace twl

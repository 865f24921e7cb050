#pragma once
// The desktop portal's Screenshot as the program meets it on the session bus: where its answer
// will come (the request object's path, known before the call so the answer cannot be missed),
// and what an answer says.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace twl {

// "/org/freedesktop/portal/desktop/request/SENDER/TOKEN", SENDER being the caller's unique bus
// name without its ":" and with every "." made "_" (":1.42" gives "1_42").
std::string PortalRequestPath(std::string_view uniqueName, std::string_view token);

struct ScreenshotAnswer {
    std::optional<std::string> file; // the picture's local path, when the screenshot was taken
    std::string problem;             // otherwise, what went wrong, for the message
};

// The Response signal's code (0 done, 1 cancelled by the user, anything else failed) and its
// "uri" result; only a "file://" address of an absolute path counts ("%XX" escapes decoded).
ScreenshotAnswer ReadScreenshotAnswer(std::uint32_t response,
                                      const std::optional<std::string>& uri);

} // namespace twl

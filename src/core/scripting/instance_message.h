#pragma once
// The messages between a command line (`tintwell --pick`, `--add`, ...) and the running bar, one
// request and one reply a connection. Both are framed alike, in lines ended by LF:
//
//   TWL1 <head>          the head: a request's verb, or a reply's status and exit code
//   A<text>              one line for each item (a colour text, a format name, a value)
//   <empty line>         the end
//
// An item is any bytes but LF, the empty text included. A message is complete only with its end
// line, so a truncated one is told from a whole one; nothing may follow it.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// A request larger than this is refused before it is read to its end.
inline constexpr std::size_t kMaxRequestBytes = 64 * 1024;

enum class RequestVerb { Show, Quit, Pick, Add, Palette, Export, Formats, Import };

struct InstanceRequest {
    RequestVerb verb = RequestVerb::Show;
    // Pick and Palette: the format name, when one was asked for; Add: the colour texts, first
    // first; Export and Import: the file's absolute path.
    std::vector<std::string> items;

    bool operator==(const InstanceRequest&) const = default;
};

enum class ReadStatus { Incomplete, Complete, Malformed, TooLarge };

struct RequestReading {
    ReadStatus status = ReadStatus::Incomplete;
    InstanceRequest request; // when Complete
    std::string problem;     // when Malformed or TooLarge: what is wrong, for the reply
};

// The bytes of a request. Items must hold no LF.
std::string WriteInstanceRequest(const InstanceRequest& request);

// Reads the bytes received so far. Incomplete while the end line has not come (and the bytes
// still fit kMaxRequestBytes). A complete request is checked whole: a known verb, the number of
// items that verb takes, and nothing after the end line.
RequestReading ReadInstanceRequest(std::string_view bytes);

enum class ReplyStatus { Ok, Cancelled, Failed };

struct InstanceReply {
    ReplyStatus status = ReplyStatus::Ok;
    // The command line's exit status: 0 with Ok, 1 with Cancelled, the given one with Failed.
    int exitCode = 0;
    // Ok: the lines to print on standard output; Failed: the message for standard error.
    std::vector<std::string> lines;

    bool operator==(const InstanceReply&) const = default;
};

InstanceReply OkReply(std::vector<std::string> lines = {});
InstanceReply CancelledReply();
InstanceReply FailedReply(int exitCode, std::vector<std::string> message);

// Lines holding an LF are cut there, so a reply is always well framed.
std::string WriteInstanceReply(const InstanceReply& reply);
// The reply of all the bytes read up to the end of the connection; nullopt for anything that is
// not one whole reply.
std::optional<InstanceReply> ReadInstanceReply(std::string_view bytes);

} // namespace twl

#include "core/scripting/instance_message.h"

#include <array>
#include <charconv>
#include <utility>

namespace twl {

namespace {

constexpr std::string_view kMagic = "TWL1 ";

struct VerbName {
    RequestVerb verb;
    std::string_view name;
    std::size_t fewestItems;
    std::size_t mostItems;
};

constexpr std::size_t kAny = static_cast<std::size_t>(-1);

constexpr std::array<VerbName, 8> kVerbs{{
    {RequestVerb::Show, "show", 0, 0},
    {RequestVerb::Quit, "quit", 0, 0},
    {RequestVerb::Pick, "pick", 0, 1},
    {RequestVerb::Add, "add", 1, kAny},
    {RequestVerb::Palette, "palette", 0, 1},
    {RequestVerb::Export, "export", 1, 1},
    {RequestVerb::Formats, "formats", 0, 0},
    {RequestVerb::Import, "import", 1, 1},
}};

const VerbName& NameOf(RequestVerb verb) {
    for (const VerbName& entry : kVerbs) {
        if (entry.verb == verb) {
            return entry;
        }
    }
    return kVerbs[0];
}

std::string Frame(std::string_view head, std::span<const std::string> items) {
    std::string bytes(kMagic);
    bytes += head;
    bytes += '\n';
    for (const std::string& item : items) {
        bytes += 'A';
        bytes.append(item.substr(0, item.find('\n')));
        bytes += '\n';
    }
    bytes += '\n';
    return bytes;
}

struct FrameReading {
    ReadStatus status = ReadStatus::Incomplete;
    std::string_view head;
    std::vector<std::string> items;
    std::string problem;
};

FrameReading Malformed(std::string problem) {
    FrameReading reading;
    reading.status = ReadStatus::Malformed;
    reading.problem = std::move(problem);
    return reading;
}

// Reads one frame; Incomplete until its end line has come.
FrameReading ReadFrame(std::string_view bytes) {
    FrameReading reading;
    // A first line that already departs from the magic is malformed before its end comes.
    const std::string_view start = bytes.substr(0, kMagic.size());
    if (start != kMagic.substr(0, start.size())) {
        return Malformed("not a Tintwell request");
    }
    std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
        return reading;
    }
    reading.head = bytes.substr(kMagic.size(), end - kMagic.size());
    std::size_t at = end + 1;
    for (;;) {
        end = bytes.find('\n', at);
        if (end == std::string_view::npos) {
            if (at < bytes.size() && bytes[at] != 'A') {
                return Malformed("a line is neither an item nor the end");
            }
            return reading;
        }
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty()) {
            break;
        }
        if (line.front() != 'A') {
            return Malformed("a line is neither an item nor the end");
        }
        reading.items.emplace_back(line.substr(1));
    }
    if (at != bytes.size()) {
        return Malformed("more than one request");
    }
    reading.status = ReadStatus::Complete;
    return reading;
}

} // namespace

std::string WriteInstanceRequest(const InstanceRequest& request) {
    return Frame(NameOf(request.verb).name, request.items);
}

RequestReading ReadInstanceRequest(std::string_view bytes) {
    RequestReading reading;
    if (bytes.size() > kMaxRequestBytes) {
        reading.status = ReadStatus::TooLarge;
        reading.problem = "the request is larger than 64 KiB";
        return reading;
    }
    FrameReading frame = ReadFrame(bytes);
    reading.status = frame.status;
    reading.problem = std::move(frame.problem);
    if (frame.status != ReadStatus::Complete) {
        return reading;
    }
    for (const VerbName& entry : kVerbs) {
        if (frame.head != entry.name) {
            continue;
        }
        const std::size_t count = frame.items.size();
        if (count < entry.fewestItems || count > entry.mostItems) {
            reading.status = ReadStatus::Malformed;
            reading.problem = "wrong number of items for " + std::string(entry.name);
            return reading;
        }
        const bool takesPath =
            entry.verb == RequestVerb::Export || entry.verb == RequestVerb::Import;
        if (takesPath && frame.items.front().rfind('/', 0) != 0) {
            reading.status = ReadStatus::Malformed;
            reading.problem = "the " + std::string(entry.name) + " needs an absolute path";
            return reading;
        }
        reading.request.verb = entry.verb;
        reading.request.items = std::move(frame.items);
        return reading;
    }
    reading.status = ReadStatus::Malformed;
    reading.problem = "unknown request";
    return reading;
}

InstanceReply OkReply(std::vector<std::string> lines) {
    return {ReplyStatus::Ok, 0, std::move(lines)};
}

InstanceReply CancelledReply() {
    return {ReplyStatus::Cancelled, 1, {}};
}

InstanceReply FailedReply(int exitCode, std::vector<std::string> message) {
    return {ReplyStatus::Failed, exitCode, std::move(message)};
}

std::string WriteInstanceReply(const InstanceReply& reply) {
    switch (reply.status) {
    case ReplyStatus::Ok:
        return Frame("ok", reply.lines);
    case ReplyStatus::Cancelled:
        return Frame("cancelled", {});
    case ReplyStatus::Failed:
        break;
    }
    return Frame("failed " + std::to_string(reply.exitCode), reply.lines);
}

std::optional<InstanceReply> ReadInstanceReply(std::string_view bytes) {
    FrameReading frame = ReadFrame(bytes);
    if (frame.status != ReadStatus::Complete) {
        return std::nullopt;
    }
    if (frame.head == "ok") {
        return OkReply(std::move(frame.items));
    }
    if (frame.head == "cancelled" && frame.items.empty()) {
        return CancelledReply();
    }
    constexpr std::string_view kFailed = "failed ";
    if (frame.head.substr(0, kFailed.size()) == kFailed) {
        const std::string_view code = frame.head.substr(kFailed.size());
        int exitCode = 0;
        const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), exitCode);
        // Written one way only: no sign, no leading zero.
        if (error == std::errc() && end == code.data() + code.size() && exitCode >= 1 &&
            exitCode <= 255 && code == std::to_string(exitCode)) {
            return FailedReply(exitCode, std::move(frame.items));
        }
    }
    return std::nullopt;
}

} // namespace twl

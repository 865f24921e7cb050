// A request on the bar's socket, as received so far: a complete one writes back to the very same
// bytes, and no prefix of a complete request is taken as complete.

#include "core/scripting/instance_message.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    const RequestReading reading = ReadInstanceRequest(bytes);
    if (reading.status == ReadStatus::Complete) {
        fuzz::Require(WriteInstanceRequest(reading.request) == bytes);
        fuzz::Require(ReadInstanceRequest(bytes.substr(0, bytes.size() - 1)).status !=
                      ReadStatus::Complete);
    }
    fuzz::Require(reading.status != ReadStatus::Complete || bytes.size() <= kMaxRequestBytes);
    if (const auto reply = ReadInstanceReply(bytes)) {
        fuzz::Require(WriteInstanceReply(*reply) == bytes);
    }
    return 0;
}

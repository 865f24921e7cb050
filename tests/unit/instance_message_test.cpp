// The messages on the bar's socket: every request and reply reads back as written, a request is
// whole only with its end line, and anything else is refused before it can change a thing.

#include "core/scripting/instance_message.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

TEST(InstanceRequest, EveryRequestReadsBackAndNoPrefixOfItIsWhole) {
    const InstanceRequest requests[] = {
        {RequestVerb::Show, {}},
        {RequestVerb::Quit, {}},
        {RequestVerb::Formats, {}},
        {RequestVerb::Pick, {}},
        {RequestVerb::Pick, {"HEX with #"}},
        {RequestVerb::Palette, {""}},
        {RequestVerb::Add, {"#ff0000", "RGB(0,255,0)", "", "A"}},
        {RequestVerb::Export, {"/tmp/a b/p.aco"}},
        {RequestVerb::Import, {"/tmp/a b/p.ase"}},
    };
    for (const InstanceRequest& request : requests) {
        const std::string bytes = WriteInstanceRequest(request);
        const RequestReading reading = ReadInstanceRequest(bytes);
        ASSERT_EQ(reading.status, ReadStatus::Complete) << bytes;
        EXPECT_EQ(reading.request, request) << bytes;
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            EXPECT_EQ(ReadInstanceRequest(std::string_view(bytes).substr(0, length)).status,
                      ReadStatus::Incomplete)
                << bytes.substr(0, length);
        }
    }
    EXPECT_EQ(WriteInstanceRequest({RequestVerb::Add, {"#ff0000", "x"}}),
              "TWL1 add\nA#ff0000\nAx\n\n");
}

TEST(InstanceRequest, MalformedRequestsAreRefused) {
    const char* const malformed[] = {
        "show\n",                         // an older copy's greeting is no request
        "GET / HTTP/1.1\r\n\r\n",         // not ours, refused at its first bytes
        "TWL2 show\n\n",                  // another version
        "TWL1 dance\n\n",                 // no such verb
        "TWL1 Show\n\n",                  // verbs keep their case
        "TWL1 show\nAextra\n\n",          // show takes nothing
        "TWL1 add\n\n",                   // add needs a colour
        "TWL1 pick\nAone\nAtwo\n\n",      // one format at most
        "TWL1 export\nArelative.aco\n\n", // the bar cannot know the command's folder
        "TWL1 add\nB#ff0000\n\n",         // a line that is neither an item nor the end
        "TWL1 show\n\nTWL1 quit\n\n",     // one request a connection
        "TWL1 show\n\n\n",
    };
    for (const char* bytes : malformed) {
        const RequestReading reading = ReadInstanceRequest(bytes);
        EXPECT_EQ(reading.status, ReadStatus::Malformed) << bytes;
        EXPECT_FALSE(reading.problem.empty()) << bytes;
    }
    EXPECT_EQ(ReadInstanceRequest("X").status, ReadStatus::Malformed);
    EXPECT_EQ(ReadInstanceRequest("TWL1 add\nB").status, ReadStatus::Malformed);
}

TEST(InstanceRequest, MoreThan64KiBIsRefusedWholeOrNot) {
    std::string bytes = "TWL1 add\n";
    while (bytes.size() <= kMaxRequestBytes) {
        bytes += "A#ff00ff\n";
    }
    EXPECT_EQ(ReadInstanceRequest(bytes).status, ReadStatus::TooLarge);
    EXPECT_EQ(ReadInstanceRequest(bytes + "\n").status, ReadStatus::TooLarge);
    bytes.resize(kMaxRequestBytes - 1);
    bytes.back() = '\n';
    EXPECT_NE(ReadInstanceRequest(bytes + "\n").status, ReadStatus::TooLarge);
}

TEST(InstanceReply, RepliesReadBackAndDamagedOnesAreNone) {
    const InstanceReply replies[] = {
        OkReply(),
        OkReply({"#336699", "", "RGB(1,2,3)"}),
        CancelledReply(),
        FailedReply(2, {"tintwell: not a colour: \"bogus\""}),
        FailedReply(255, {}),
    };
    for (const InstanceReply& reply : replies) {
        const std::string bytes = WriteInstanceReply(reply);
        EXPECT_EQ(ReadInstanceReply(bytes), reply) << bytes;
        EXPECT_EQ(ReadInstanceReply(bytes.substr(0, bytes.size() - 1)), std::nullopt) << bytes;
    }
    EXPECT_EQ(CancelledReply().exitCode, 1);
    // A value with a line break cannot split one line of the reply into two.
    EXPECT_EQ(ReadInstanceReply(WriteInstanceReply(OkReply({"a\nb"})))->lines,
              std::vector<std::string>{"a"});
    for (const char* bytes :
         {"", "TWL1 ok\n", "TWL1 failed 0\n\n", "TWL1 failed 256\n\n", "TWL1 failed 02\n\n",
          "TWL1 failed -1\n\n", "TWL1 failed\n\n", "TWL1 cancelled\nAx\n\n", "TWL1 fine\n\n"}) {
        EXPECT_EQ(ReadInstanceReply(bytes), std::nullopt) << bytes;
    }
}

} // namespace
} // namespace twl

// update.txt as a server may have sent it: the published version reads or not, and whatever it
// reads as, the decision against our own version is one of the three outcomes, the same each time.

#include "core/base/version_info.h"
#include "core/update/update_decision.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto published =
        ReadPublishedVersion(fuzz::WriteInputFile("update.txt", fuzz::AsText(data, size)));
    fuzz::Require(published.has_value());
    const UpdateDecision decision = DecideUpdate(*published, "1.0.0.0");
    fuzz::Require(decision == DecideUpdate(*published, "1.0.0.0"));
    // The raw bytes as a version, both ways round: a value that is not four numbers on either
    // side is never "newer".
    const std::string_view raw = fuzz::AsText(data, size);
    if (DecideUpdate(raw, "x") != UpdateDecision::CheckManually) {
        std::abort();
    }
    (void)DecideUpdate("1.0.0.0", raw);
    return 0;
}

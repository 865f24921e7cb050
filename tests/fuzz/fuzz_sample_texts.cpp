// fonttextsamples.txt as anything may have left it: there is always a sample to show, stepping
// wraps both ways, and the samples save back as they loaded.

#include "core/fonts/sample_texts.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::WriteInputFile("fonttextsamples.txt", fuzz::AsText(data, size));
    SampleTexts samples = SampleTexts::Load(path);
    const std::size_t count = samples.Lines().size();
    fuzz::Require(count > 0);
    const std::string first = samples.Current();
    fuzz::Require(samples.Previous() == samples.Lines().back());
    fuzz::Require(samples.Next() == first);
    for (std::size_t step = 0; step < count; ++step) {
        samples.Next();
    }
    fuzz::Require(samples.Current() == first);

    fuzz::Require(samples.Save(path));
    fuzz::Require(SampleTexts::Load(path).Lines() == samples.Lines());
    return 0;
}

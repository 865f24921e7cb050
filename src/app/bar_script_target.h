#pragma once
// The running bar as the command line's requests see it: its live palette and formats, and picks
// through the screen pick overlay whose colours join the palette through its one add operation
// (with the automatic copy as the settings have it).

#include "app/script_requests.h"
#include "core/sampling/magnifier_state.h"

#include <functional>
#include <memory>

namespace twl {

class PaletteController;
class ScreenPickOverlay;
class ScreenReader;
struct Settings;

class BarScriptTarget : public ScriptTarget {
public:
    // magnifier gives the Eye Dropper's magnifier as it is now.
    BarScriptTarget(PaletteController& palette, const FormatList& formats, const Settings& settings,
                    ScreenReader& screen, std::function<MagnifierState()> magnifier);
    ~BarScriptTarget() override;

    std::vector<std::string> PaletteLines() const override;
    const FormatList& Formats() const override { return formats_; }
    std::string AutoCopyFormat() const override;
    std::optional<std::string> AddColors(std::span<const TColor> firstOnTop) override;
    void Pick(std::function<void(std::optional<TColor>)> done) override;
    std::string PickProblem() const override;
    // Opens the overlay and hands on the colour picked, adding nothing (the hotkey's pick, which
    // adds by its own rules).
    void OpenOverlay(std::function<void(std::optional<TColor>)> done);

private:
    PaletteController& palette_;
    const FormatList& formats_;
    const Settings& settings_;
    ScreenReader& screen_;
    std::function<MagnifierState()> magnifier_;
    std::unique_ptr<ScreenPickOverlay> overlay_;
};

// The screen pick overlay with the lens of magnifier and the value under it in the automatic
// copy's format.
std::unique_ptr<ScreenPickOverlay> MakeScreenPickOverlay(ScreenReader& screen,
                                                         const MagnifierState& magnifier,
                                                         const FormatList& formats,
                                                         const std::string& autoCopyFormat);

// Opens overlay; done gets the colour picked, or nothing when the pick is cancelled or the
// screen cannot be read.
void OpenScreenPick(ScreenPickOverlay& overlay, std::function<void(std::optional<TColor>)> done);

} // namespace twl

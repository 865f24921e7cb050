#include "app/bar_script_target.h"

#include "core/scripting/script_values.h"
#include "core/settings/settings.h"
#include "platform/screen_reader.h"
#include "ui/bar/palette_controller.h"
#include "ui/screen_pick/screen_pick_overlay.h"

#include <algorithm>

namespace twl {

std::unique_ptr<ScreenPickOverlay> MakeScreenPickOverlay(ScreenReader& screen,
                                                         const MagnifierState& magnifier,
                                                         const FormatList& formats,
                                                         const std::string& autoCopyFormat) {
    return std::make_unique<ScreenPickOverlay>(
        screen, magnifier, [&formats, autoCopyFormat](TColor color) {
            const auto name = ChooseFormat(formats, std::nullopt, autoCopyFormat);
            return ScriptValue(formats, color, name.value_or(std::string(kHexWithHashFormat)));
        });
}

void OpenScreenPick(ScreenPickOverlay& overlay, std::function<void(std::optional<TColor>)> done) {
    QObject::connect(&overlay, &ScreenPickOverlay::picked, &overlay,
                     [done](TColor color) { done(color); });
    QObject::connect(&overlay, &ScreenPickOverlay::cancelled, &overlay,
                     [done] { done(std::nullopt); });
    if (!overlay.Open()) {
        done(std::nullopt);
    }
}

BarScriptTarget::BarScriptTarget(PaletteController& palette, const FormatList& formats,
                                 const Settings& settings, ScreenReader& screen,
                                 std::function<MagnifierState()> magnifier)
    : palette_(palette), formats_(formats), settings_(settings), screen_(screen),
      magnifier_(std::move(magnifier)) {}

BarScriptTarget::~BarScriptTarget() = default;

std::vector<std::string> BarScriptTarget::PaletteLines() const {
    return palette_.Model().PaletteList();
}

std::string BarScriptTarget::AutoCopyFormat() const {
    return settings_.autoCopyFormat;
}

std::optional<std::string> BarScriptTarget::AddColors(std::span<const TColor> firstOnTop) {
    // The palette's add puts each colour on top in turn: the last one given ends on top.
    std::vector<TColor> lastOnTop(firstOnTop.rbegin(), firstOnTop.rend());
    palette_.AddColorsToPalette(lastOnTop);
    return std::nullopt;
}

std::string BarScriptTarget::PickProblem() const {
    if (overlay_ && overlay_->IsOpen()) {
        return "a pick is already under way";
    }
    return screen_.Unavailable();
}

void BarScriptTarget::Pick(std::function<void(std::optional<TColor>)> done) {
    OpenOverlay([this, done](std::optional<TColor> color) {
        if (color) {
            palette_.AddColorToPalette(*color);
        }
        done(color);
    });
}

void BarScriptTarget::OpenOverlay(std::function<void(std::optional<TColor>)> done) {
    // A new overlay for each pick: the magnifier and the formats may have changed since.
    if (overlay_) {
        overlay_.release()->deleteLater();
    }
    overlay_ = MakeScreenPickOverlay(screen_, magnifier_(), formats_, settings_.autoCopyFormat);
    OpenScreenPick(*overlay_, std::move(done));
}

} // namespace twl

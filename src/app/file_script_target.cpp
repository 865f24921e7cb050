#include "app/file_script_target.h"

#include "app/bar_script_target.h"
#include "core/sampling/eye_dropper_settings.h"
#include "platform/screen_reader.h"
#include "ui/screen_pick/screen_pick_overlay.h"

namespace twl {

FileScriptTarget::FileScriptTarget(const std::filesystem::path& appDataFolder,
                                   const std::string& programFolder)
    : appDataFolder_(appDataFolder), folders_(MakeDataFolders(appDataFolder, programFolder)) {
    // The screen's size only pulls the bar's stored place onto it, which nothing here uses.
    settings_ = LoadSettings(settingsList_, folders_.userDataFolder, folders_.programFolder,
                             ScreenInfo{}, 0);
    palette_.LoadPalette(folders_.userDataFolder, folders_.programFolder);
    LoadColorValueFormats(formats_, folders_.sharedDataFolder, folders_.programFolder);
    colorNames_ = std::make_unique<ColorNames>(std::filesystem::path(folders_.programFolder) /
                                               "namedcolors.txt");
    formats_.SetColorNames(colorNames_.get());
}

FileScriptTarget::~FileScriptTarget() = default;

std::optional<std::string> FileScriptTarget::AddColors(std::span<const TColor> firstOnTop) {
    Palette palette = palette_;
    for (auto color = firstOnTop.rbegin(); color != firstOnTop.rend(); ++color) {
        palette.InsertColorAtTop(*color);
    }
    CreateDataFolders(appDataFolder_);
    if (!palette.SavePalette(folders_.userDataFolder)) {
        return std::string(kSavePaletteErrorText);
    }
    palette_ = palette;
    return std::nullopt;
}

std::string FileScriptTarget::PickProblem() const {
    return screen_ != nullptr ? screen_->Unavailable()
                              : std::string("there is no screen to pick from");
}

void FileScriptTarget::Pick(std::function<void(std::optional<TColor>)> done) {
    if (screen_ == nullptr) {
        done(std::nullopt);
        return;
    }
    overlay_ = MakeScreenPickOverlay(*screen_, MagnifierStateFromSettings(settings_), formats_,
                                     settings_.autoCopyFormat);
    OpenScreenPick(*overlay_, std::move(done));
}

} // namespace twl

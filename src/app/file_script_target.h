#pragma once
// The command line's requests when no bar runs: the palette and formats as the bar would read
// them at its start, colours added straight into "colorset.dat" (written whole), and picks that
// only print (no file is written).

#include "app/script_requests.h"
#include "core/formats/color_names.h"
#include "core/palette/palette_list.h"
#include "core/settings/settings.h"
#include "core/startup/data_folders.h"

#include <filesystem>
#include <memory>

namespace twl {

class ScreenPickOverlay;
class ScreenReader;

class FileScriptTarget : public ScriptTarget {
public:
    // Reads the settings, the palette and the formats; writes nothing.
    FileScriptTarget(const std::filesystem::path& appDataFolder, const std::string& programFolder);
    ~FileScriptTarget() override;

    // The screen for picks; the pick needs the application object and a display.
    void SetScreen(ScreenReader* screen) { screen_ = screen; }

    std::vector<std::string> PaletteLines() const override { return palette_.PaletteList(); }
    const FormatList& Formats() const override { return formats_; }
    std::string AutoCopyFormat() const override { return settings_.autoCopyFormat; }
    std::optional<std::string> AddColors(std::span<const TColor> firstOnTop) override;
    void Pick(std::function<void(std::optional<TColor>)> done) override;
    std::string PickProblem() const override;

private:
    std::filesystem::path appDataFolder_;
    DataFolders folders_;
    SettingsList settingsList_;
    Settings settings_;
    Palette palette_;
    std::unique_ptr<ColorNames> colorNames_;
    FormatList formats_;
    ScreenReader* screen_ = nullptr;
    std::unique_ptr<ScreenPickOverlay> overlay_;
};

} // namespace twl

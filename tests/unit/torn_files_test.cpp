// A process killed at any moment while it saves leaves every file whole: set.set, colorset.dat
// and cvf.ini each hold the complete old or the complete new content, never an empty or a
// partial file.

#include "core/base/text_file.h"
#include "core/formats/format_list.h"
#include "core/palette/palette_list.h"
#include "core/settings/settings.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace twl {
namespace {

// One of two versions of everything the program saves, large enough that a write takes a while.
struct SavedState {
    Settings settings;
    Palette palette;
    FormatList formats;
};

SavedState Version(int v) {
    SavedState state;
    state.settings.zoomLevel = v + 2;
    state.settings.autoCopyFormat = std::string(20000, v == 0 ? 'a' : 'b');
    std::vector<std::string> colors;
    for (int i = 0; i < kPaletteSlotCount; ++i) {
        colors.push_back(ColorToText(MakeColor(i, v, 7)));
    }
    state.palette = Palette(colors);
    state.formats.SetDefaults();
    for (int i = 0; i < 2000; ++i) {
        state.formats.Append("format" + std::to_string(i), std::string(v + 5, '#') + "{rh}");
    }
    return state;
}

void Save(const SavedState& state, const std::filesystem::path& folder) {
    SettingsList list;
    SaveSettings(list, state.settings, folder);
    state.palette.SavePalette(folder);
    SaveColorValueFormats(state.formats, folder, folder, nullptr);
}

const char* const kFiles[] = {"set.set", "colorset.dat", "cvf.ini"};

TEST(TornFiles, AKillDuringTheSavesLeavesEachFileOldOrNew) {
    TempFolder temp;
    const SavedState versions[] = {Version(0), Version(1)};
    std::vector<std::string> expected[2];
    for (int v = 0; v < 2; ++v) {
        const auto folder = temp.Path() / ("v" + std::to_string(v));
        std::filesystem::create_directories(folder);
        Save(versions[v], folder);
        for (const char* name : kFiles) {
            expected[v].push_back(ReadWholeFile(folder / name).value());
        }
    }
    const auto folder = temp.Path() / "live";
    std::filesystem::create_directories(folder);
    Save(versions[0], folder);

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    constexpr int kKills = 200;
    int killed = 0;
    for (int round = 0; round < kKills; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                Save(versions[i % 2], folder);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        killed += WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        for (std::size_t f = 0; f < std::size(kFiles); ++f) {
            const std::string now = ReadWholeFile(folder / kFiles[f]).value_or("(missing)");
            ASSERT_TRUE(now == expected[0][f] || now == expected[1][f])
                << kFiles[f] << " is torn after kill " << round << ": " << now.size() << " bytes";
        }
    }
    EXPECT_EQ(killed, kKills);
}

} // namespace
} // namespace twl

// The palette reaches colorset.dat a second after it changes, not only at exit: what the file
// holds after a change and how many writes a burst of changes makes.

#include "program_on_fakes.h"
#include "ui/bar/palette_controller.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>
#include <sys/resource.h>

namespace twl {
namespace {

class PaletteAutosaveTest : public ProgramOnFakes {
protected:
    void StartCounting() {
        QObject::connect(&program_->Palette(), &PaletteController::paletteSaved,
                         [this] { ++writes_; });
    }
    // Runs the event loop until `count` writes have ended, or for at most `limitMs`.
    void RunUntilWrites(int count, int limitMs = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (writes_ < count && clock.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    std::vector<std::string> PaletteFile() const {
        return ReadTextLines(UserFolder() / "colorset.dat").value_or(std::vector<std::string>{});
    }

    int writes_ = 0;
};

TEST_F(PaletteAutosaveTest, ABurstOfChangesReachesTheFileInOneWrite) {
    WritePalette({"clRed"});
    StartProgram();
    StartCounting();
    PaletteController& palette = program_->Palette();
    palette.AddColorToPalette(0x0000FF);
    palette.AddColorToPalette(0x00FF00);
    palette.AddColorToPalette(0xFF0000);
    EXPECT_EQ(PaletteFile(), std::vector<std::string>{"clRed"}); // not before the wait
    RunUntilWrites(1);
    ASSERT_EQ(writes_, 1);
    EXPECT_EQ(PaletteFile(), (std::vector<std::string>{"clBlue", "clLime", "clRed", "clRed"}));
    RunUntilWrites(2, 1500); // nothing changed since: no second write
    EXPECT_EQ(writes_, 1);

    palette.RemoveSelectedColor(); // slot 1
    RunUntilWrites(2);
    EXPECT_EQ(PaletteFile(), (std::vector<std::string>{"clLime", "clRed", "clRed"}));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(PaletteAutosaveTest, AFailingWriteIsReportedOnceAndTheExitStillTries) {
    WritePalette({"clRed"});
    StartProgram();
    StartCounting();
    // A folder in the file's place makes every write fail.
    std::filesystem::remove(UserFolder() / "colorset.dat");
    std::filesystem::create_directories(UserFolder() / "colorset.dat" / "blocked");
    program_->Palette().AddColorToPalette(0x0000FF);
    RunUntilWrites(1);
    program_->Palette().AddColorToPalette(0x00FF00);
    RunUntilWrites(2);
    ASSERT_EQ(writes_, 2);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"ERROR! Cannot save color list!"});
    program_->Palette().AddColorToPalette(0xFF0000);
    program_->Exit(); // the exit's own save reports, and replaces the write that was waiting
    EXPECT_EQ(dialogs_.messages.size(), 2u);
    RunUntilWrites(3, 1500);
    EXPECT_EQ(writes_, 2);
}

TEST_F(PaletteAutosaveTest, AFullDiskLeavesTheOldFileAndTheProgramRunning) {
    WritePalette({"clRed"});
    StartProgram();
    StartCounting();
    // No file of this process may grow past 0 bytes, as on a full disk; a write past it fails
    // (SIGXFSZ ignored) instead of ending the process.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit none = old;
    none.rlim_cur = 0;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &none);
    program_->Palette().AddColorToPalette(0x0000FF);
    RunUntilWrites(1);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(writes_, 1);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"ERROR! Cannot save color list!"});
    EXPECT_EQ(PaletteFile(), std::vector<std::string>{"clRed"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(UserFolder()),
                            std::filesystem::directory_iterator()),
              1);                                    // no temporary file left behind
    program_->Palette().AddColorToPalette(0x00FF00); // still running, and saving again
    RunUntilWrites(2);
    EXPECT_EQ(PaletteFile(), (std::vector<std::string>{"clLime", "clRed", "clRed"}));
}

} // namespace
} // namespace twl

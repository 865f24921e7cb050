// The program's start and end with in-memory services: what a first start, an exit and a
// session end leave on disk.

#include "app/program.h"
#include "core/base/text_file.h"
#include "fake_screen.h"
#include "fake_services.h"
#include "temp_folder.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>

namespace twl {
namespace {

class ProgramTest : public ::testing::Test {
protected:
    ProgramEnvironment Environment() const {
        ProgramEnvironment environment;
        environment.appDataFolder = home_.Path() / "config";
        environment.programFolder = (home_.Path() / "program").string() + "/";
        environment.programPath = (home_.Path() / "program" / "tintwell").string();
        environment.autostartFolder = home_.Path() / "config" / "autostart";
        environment.useInstanceGuard = false;
        return environment;
    }
    std::filesystem::path UserFile(const std::string& name) const {
        return home_.Path() / "config" / "Vantrel" / "TWL" / name;
    }

    TempFolder home_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeClipboard clipboard_;
    FakeScreen screen_{1280, 1024, 0x336699};
    FakeGlobalHotkey hotkey_;
};

TEST_F(ProgramTest, FirstStartShowsABorderlessToolBarAtItsBuiltInPlace) {
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    MainBar& bar = program.Bar();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.width(), 42);
    EXPECT_EQ(bar.pos(), QPoint(395, 209));
    EXPECT_TRUE(bar.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(bar.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(bar.windowTitle(), "TWL");
    EXPECT_TRUE(std::filesystem::is_directory(home_.Path() / "config/Vantrel/TWL"));
    EXPECT_TRUE(std::filesystem::is_directory(home_.Path() / "config/Vantrel/Shared"));
    EXPECT_TRUE(program.CurrentSettings().startWithWindows);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ProgramTest, ABarStoredOffEveryMonitorComesBackOntoTheNearest) {
    std::filesystem::create_directories(UserFile("set.set").parent_path());
    ASSERT_TRUE(WriteTextLines(UserFile("set.set"), {"program=twl", "top=-400", "left=-500"}));
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.Bar().pos(), QGuiApplication::primaryScreen()->geometry().topLeft());
}

TEST_F(ProgramTest, ExitWritesTheWholeSettingsFileWithFirstRunDone) {
    {
        Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
        ASSERT_TRUE(program.Start());
        program.Bar().move(100, 120);
        program.EyeDropperCommand();
        program.EyeDropper().move(600, 70);
        program.EyeDropper().SetZoomLevel(3);
        program.Exit();
    }
    const auto lines = ReadTextLines(UserFile("set.set"));
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 45u);
    EXPECT_EQ((*lines)[0], "program=twl");
    EXPECT_EQ((*lines)[2], "firstrun=0");
    EXPECT_EQ((*lines)[4], "top=120");
    EXPECT_EQ((*lines)[5], "left=100");
    // The tool windows put their live state in as well.
    EXPECT_EQ((*lines)[7], "EyeTop=70");
    EXPECT_EQ((*lines)[8], "EyeLeft=600");
    EXPECT_EQ((*lines)[10], "zoom=3");
    const auto bytes = ReadWholeFile(UserFile("set.set"));
    EXPECT_NE(bytes->find("program=twl\r\n"), std::string::npos);

    // The next start reads it back: the bar comes up where it was left.
    Program again(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.Bar().pos(), QPoint(100, 120));
    EXPECT_FALSE(again.CurrentSettings().firstRunPending);
}

TEST_F(ProgramTest, EndOfSessionSavesSettingsAndPaletteButNotTheFormats) {
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    program.EyeDropperCommand();
    program.EndSession();
    EXPECT_FALSE(std::filesystem::exists(UserFile("magnified.bmp")));
    EXPECT_TRUE(std::filesystem::exists(UserFile("set.set")));
    EXPECT_FALSE(std::filesystem::exists(UserFile("cvf.ini")));
    EXPECT_TRUE(std::filesystem::exists(UserFile("colorset.dat")));
    program.Exit(); // the program has ended: nothing runs twice
    EXPECT_FALSE(std::filesystem::exists(UserFile("cvf.ini")));
}

TEST_F(ProgramTest, ExitSavesEverythingAndReportsASettingsFileThatCannotBeWritten) {
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    program.EyeDropperCommand();
    // A folder where the settings file should be makes the save fail.
    std::filesystem::create_directories(UserFile("set.set") / "blocked");
    program.Exit();
    EXPECT_TRUE(std::filesystem::exists(UserFile("magnified.bmp")));
    EXPECT_TRUE(std::filesystem::exists(UserFile("cvf.ini")));
    EXPECT_TRUE(std::filesystem::exists(home_.Path() / "config/Vantrel/Shared/cvf.ini"));
    EXPECT_TRUE(std::filesystem::exists(UserFile("colorset.dat")));
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"ERROR! Can not save settings file!"});
    EXPECT_TRUE(std::filesystem::is_directory(UserFile("set.set") / "blocked"));
}

TEST_F(ProgramTest, ADamagedSettingsFileStartsWithWhatCanBeRead) {
    std::filesystem::create_directories(UserFile(""));
    {
        std::ofstream out(UserFile("set.set"), std::ios::binary);
        out << "program=twl\r\n\x01\x02\xff garbage\r\ntop=abc\r\nleft=77\r\n"
            << std::string(1 << 20, 'x') << "\nstayontop=1\n";
    }
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.Bar().pos(), QPoint(77, 209));
    EXPECT_TRUE(program.CurrentSettings().stayOnTop);
}

// The names of the program's windows that exist now, the bar and its menus left out.
std::set<QString> BuiltWindows() {
    std::set<QString> names;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().startsWith(QStringLiteral("Form")) &&
            window->objectName() != QStringLiteral("Form1")) {
            names.insert(window->objectName());
        }
    }
    return names;
}

TEST_F(ProgramTest, EachWindowIsBuiltTheFirstTimeItIsWanted) {
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    // Test Layouts reads its last layout at start.
    EXPECT_EQ(BuiltWindows(), std::set<QString>{"Form6"});
    BarActions& actions = program.Actions();
    const std::pair<std::function<void()>, std::set<QString>> steps[] = {
        {[&] { emit actions.quickReferenceRequested(); }, {"Form13"}},
        {[&] { emit actions.fontsRequested(); }, {"Form5"}},
        {[&] { emit actions.aboutRequested(); }, {"Form12"}},
        {[&] { emit actions.colorPropertiesRequested(); }, {"Form3"}},
        {[&] { emit actions.namedColorsRequested(); }, {"Form4"}},
        {[&] { emit actions.optionsRequested(); }, {"Form8", "Form14"}},
        {[&] { emit actions.eyeDropperRequested(); }, {"Form2"}},
        {[&] { program.UpdateCheck(); }, {"Form20"}},
    };
    std::set<QString> expected = {"Form6"};
    for (const auto& [step, built] : steps) {
        step();
        expected.insert(built.begin(), built.end());
        EXPECT_EQ(BuiltWindows(), expected) << built.begin()->toStdString();
    }
    // A second request shows the same window again.
    emit actions.eyeDropperRequested();
    EXPECT_EQ(BuiltWindows(), expected);
}

TEST_F(ProgramTest, AWindowNeverOpenedHasItsSettingsWrittenBackAsRead) {
    std::filesystem::create_directories(UserFile(""));
    const std::vector<std::string> stored = {"EyeTop=5000", "EyeLeft=-3000", "PropTop=4000",
                                             "QuiTop=4100", "QRefTop=4200"};
    std::vector<std::string> lines = {"program=twl"};
    lines.insert(lines.end(), stored.begin(), stored.end());
    WriteTextLines(UserFile("set.set"), lines);
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    program.Exit();
    const auto saved = ReadTextLines(UserFile("set.set")).value_or(std::vector<std::string>{});
    for (const std::string& line : stored) {
        EXPECT_NE(std::find(saved.begin(), saved.end(), line), saved.end()) << line;
    }
    // The fonts preview's samples are written at exit all the same.
    EXPECT_TRUE(std::filesystem::exists(UserFile("fonttextsamples.txt")));
}

TEST_F(ProgramTest, AddingAColourCopiesItWhileAutoCopyIsOn) {
    std::filesystem::create_directories(UserFile(""));
    WriteTextLines(UserFile("set.set"), {"program=twl", "captureandcopy=1", "copyas=rgb"});
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    program.Palette().AddColorToPalette(MakeColor(51, 102, 153));
    EXPECT_EQ(clipboard_.text, "RGB(51,102,153)");

    // Ctrl+C on the bar copies the newest colour again.
    clipboard_.text.clear();
    QKeyEvent ctrlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    QApplication::sendEvent(&program.Bar(), &ctrlC);
    EXPECT_EQ(clipboard_.text, "RGB(51,102,153)");

    // A "copyas" naming a removed format copies the empty text.
    program.CurrentSettings().autoCopyFormat = "Gone";
    program.Palette().AddColorToPalette(MakeColor(1, 2, 3));
    EXPECT_EQ(clipboard_.text, "");
    EXPECT_EQ(clipboard_.sets, 3);
}

TEST_F(ProgramTest, WithAutoCopyOffTheClipboardIsLeftAlone) {
    std::filesystem::create_directories(UserFile(""));
    WriteTextLines(UserFile("set.set"), {"program=twl", "captureandcopy=0"});
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    program.Palette().AddColorToPalette(MakeColor(51, 102, 153));
    QKeyEvent ctrlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    QApplication::sendEvent(&program.Bar(), &ctrlC);
    EXPECT_EQ(clipboard_.sets, 0);
}

TEST_F(ProgramTest, TheFormatsFileIsReadFromTheSharedFolder) {
    std::filesystem::create_directories(home_.Path() / "config/Vantrel/Shared");
    WriteTextLines(home_.Path() / "config/Vantrel/Shared/cvf.ini",
                   {"HEX with #=#{rh}{gh}{r}", "CSS=color: #{rh}{gh}{bh}"});
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, Environment());
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.Formats().Template("hex with #"), "#{rh}{gh}{bh}");
    EXPECT_EQ(program.Formats().Names(), (std::vector<std::string>{"HEX with #", "CSS"}));
}

TEST_F(ProgramTest, TheBarsCommandsAreBuiltOnceItHasBeenPainted) {
    ProgramEnvironment environment = Environment();
    environment.buildWindowsAfterFirstPaint = true;
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, environment);
    ASSERT_TRUE(program.Start());
    EXPECT_FALSE(program.CommandsReady());
    for (int i = 0; i < 50 && !program.CommandsReady(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(program.CommandsReady());
    EXPECT_TRUE(hotkey_.registered.has_value());
    EXPECT_EQ(BuiltWindows(), std::set<QString>{"Form6"});
}

TEST_F(ProgramTest, AnExitBeforeTheHiddenWindowsExistStillSaves) {
    ProgramEnvironment environment = Environment();
    environment.buildWindowsAfterFirstPaint = true;
    Program program(Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, environment);
    ASSERT_TRUE(program.Start());
    program.Exit();
    EXPECT_TRUE(std::filesystem::exists(UserFile("set.set")));
    EXPECT_TRUE(std::filesystem::exists(UserFile("colorset.dat")));
}

} // namespace
} // namespace twl

#include "core/base/text_file.h"
#include "core/base/version_info.h"
#include "core/settings/settings.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>

namespace twl {
namespace {

namespace fs = std::filesystem;

// A 1920x1080 desktop of one display.
constexpr ScreenInfo kScreen{0, 0, 1920, 1080, 1080};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = folder_.Path();
        user_ = root_ / "user";
        program_ = root_ / "program";
        fs::create_directories(user_);
        fs::create_directories(program_);
    }

    Settings LoadLines(const std::vector<std::string>& lines, int windowsVersionCode = 0) {
        EXPECT_TRUE(WriteTextLines(user_ / "set.set", lines));
        return LoadSettings(list_, user_, program_, kScreen, windowsVersionCode);
    }
    // A minimal valid file plus the given lines.
    Settings LoadKeys(std::vector<std::string> lines, int windowsVersionCode = 0) {
        lines.insert(lines.begin(), "program=twl");
        return LoadLines(lines, windowsVersionCode);
    }

    TempFolder folder_;
    fs::path root_;
    fs::path user_;
    fs::path program_;
    SettingsList list_;
};

std::vector<std::string> DefaultLines(int top, int left) {
    return {"program=twl",
            "version=" + FileVersionText(),
            "firstrun=1",
            "top=" + std::to_string(top),
            "left=" + std::to_string(left),
            "EyeTop=0",
            "EyeLeft=0",
            "zoom=2",
            "sampling=0",
            "ShowGrid=1",
            "LastEyeCol=clYellow",
            "EyeSize=1",
            "EyeCVF1=RGB",
            "EyeCVF2=HSL",
            "EyeCVF3=HEX with #",
            "PropTop=0",
            "PropLeft=0",
            "ColPropCVF1=RGB",
            "ColPropCVF2=HSL",
            "ColPropCVF3=HEX with #",
            "QuiTop=0",
            "QuiLeft=0",
            "QRefTop=",
            "QRefLeft=",
            "TestTop=0",
            "TestLeft=0",
            "hotkey=Win+Q",
            "stayontop=0",
            "captureandcopy=0",
            "AutoCopySwatch=0",
            "ACopyonHotkey=0",
            "copyas=HEX with #",
            "showprogram=1",
            "EyeShowComparison=1",
            "startonstartup=1",
            "snapEyeDropper=1",
            "snapColorProp=1",
            "snapQuickPal=1",
            "snapTest=1",
            "EyeShowWSinfo=1",
            "ColPropShowWSinfo=1",
            "EyeShowQVars=1",
            "LastTL=1",
            "TestAutoColor=0"};
}

TEST_F(SettingsTest, DefaultFileHasItsFortyFourLinesInOrder) {
    list_.Append("stale=1");
    WriteDefaultSettings(list_, -12, 3000);
    EXPECT_EQ(FileVersionText(), "1.0.0.0");
    EXPECT_EQ(list_.Lines(), DefaultLines(-12, 3000));
}

TEST_F(SettingsTest, FirstStartWithNoFilesUsesDefaultsAndRunsFirstRun) {
    const Settings s = LoadSettings(list_, user_, program_, kScreen, 0);
    auto expected = DefaultLines(209, 395);
    expected[2] = "firstrun=0";
    EXPECT_EQ(list_.Lines(), expected);
    EXPECT_TRUE(s.firstRunPending);
    EXPECT_TRUE(s.startWithWindows);
    EXPECT_EQ(s.barLeft, 395);
    EXPECT_EQ(s.barTop, 209);
    EXPECT_EQ(s.globalHotkey, (Hotkey{kModWin, "Q"}));
    EXPECT_EQ(s.zoomLevel, 2);
    EXPECT_EQ(s.samplingMode, 0);
    EXPECT_FALSE(s.autoCopy);
    EXPECT_FALSE(s.testAutoColor);
    EXPECT_EQ(s.autoCopyFormat, "HEX with #");
    EXPECT_EQ(s.eyeFormat3, "HEX with #");
    EXPECT_EQ(s.lastTestLayout, "1");
    EXPECT_EQ(s.eyeTop, 0);
    EXPECT_EQ(s.qrefTop, std::nullopt);
    EXPECT_EQ(s.qrefLeft, std::nullopt);
    EXPECT_FALSE(fs::exists(user_ / "set.set")); // loading writes nothing to disk
}

TEST_F(SettingsTest, MissingKeysTakeTheirMissingValuesNotTheDefaultFileOnes) {
    const Settings s = LoadKeys({});
    Settings expected;
    expected.globalHotkey = Hotkey{kModWin, "Q"};
    EXPECT_EQ(s, expected);
    EXPECT_EQ(s.zoomLevel, 1);
    EXPECT_TRUE(s.autoCopy);
    EXPECT_EQ(s.autoCopyFormat, "HEX");
    EXPECT_EQ(s.lastTestLayout, "center-2.tl");
    EXPECT_EQ(s.eyeFormat3, "Hex with #");
    EXPECT_EQ(s.lastEyeColor, kClYellow);
    EXPECT_FALSE(s.startWithWindows);
    // Empty values read as missing ones.
    const Settings empty = LoadKeys({"zoom=", "copyas=", "LastTL=", "EyeCVF1=", "hotkey=",
                                     "captureandcopy=", "stayontop=", "LastEyeCol="});
    EXPECT_EQ(empty, expected);
}

// Where a missing key differs from its line in the default file, as a save then writes it.
TEST_F(SettingsTest, MissingValuesDifferFromTheDefaultFileOnlyWhereTheyShould) {
    const auto byKey = [](const std::vector<std::string>& lines) {
        std::map<std::string, std::string> values;
        for (const std::string& line : lines) {
            values[line.substr(0, line.find('='))] = ValueOfLine(line);
        }
        return values;
    };
    auto expected = byKey(DefaultLines(209, 395));
    for (const auto& [key, value] :
         byKey({"firstrun=0", "monitor=0", "zoom=1", "sampling=1", "EyeCVF3=Hex with #",
                "ColPropCVF3=Hex with #", "LastTL=center-2.tl", "captureandcopy=1", "copyas=HEX",
                "startonstartup=0", "TestAutoColor=1", "EyeTop=", "EyeLeft=", "PropTop=",
                "PropLeft=", "QuiTop=", "QuiLeft=", "TestTop=", "TestLeft="})) {
        expected[key] = value;
    }
    FillSettingsList(list_, LoadKeys({}));
    EXPECT_EQ(byKey(list_.Lines()), expected);
}

// Each line moves one field away from its missing value, and no other field.
TEST_F(SettingsTest, EachKeyReadsIntoItsOwnField) {
    const std::vector<std::pair<std::string, std::function<void(Settings&)>>> cases = {
        {"EyeTop=1", [](Settings& s) { s.eyeTop = 1; }},
        {"EyeLeft=2", [](Settings& s) { s.eyeLeft = 2; }},
        {"PropTop=3", [](Settings& s) { s.propTop = 3; }},
        {"PropLeft=4", [](Settings& s) { s.propLeft = 4; }},
        {"QuiTop=5", [](Settings& s) { s.quiTop = 5; }},
        {"QuiLeft=6", [](Settings& s) { s.quiLeft = 6; }},
        {"QRefTop=7", [](Settings& s) { s.qrefTop = 7; }},
        {"QRefLeft=8", [](Settings& s) { s.qrefLeft = 8; }},
        {"TestTop=9", [](Settings& s) { s.testTop = 9; }},
        {"TestLeft=10", [](Settings& s) { s.testLeft = 10; }},
        {"EyeCVF1=a", [](Settings& s) { s.eyeFormat1 = "a"; }},
        {"EyeCVF2=b", [](Settings& s) { s.eyeFormat2 = "b"; }},
        {"EyeCVF3=c", [](Settings& s) { s.eyeFormat3 = "c"; }},
        {"ColPropCVF1=d", [](Settings& s) { s.colPropFormat1 = "d"; }},
        {"ColPropCVF2=e", [](Settings& s) { s.colPropFormat2 = "e"; }},
        {"ColPropCVF3=f", [](Settings& s) { s.colPropFormat3 = "f"; }},
        {"LastTL=g", [](Settings& s) { s.lastTestLayout = "g"; }},
        {"copyas=h", [](Settings& s) { s.autoCopyFormat = "h"; }},
        {"ShowGrid=0", [](Settings& s) { s.showGrid = false; }},
        {"EyeShowWSinfo=0", [](Settings& s) { s.eyeShowWebSafeInfo = false; }},
        {"EyeShowComparison=0", [](Settings& s) { s.eyeShowComparison = false; }},
        {"ColPropShowWSinfo=0", [](Settings& s) { s.colPropShowWebSafeInfo = false; }},
        {"EyeShowQVars=0", [](Settings& s) { s.showVariations = false; }},
        {"TestAutoColor=0", [](Settings& s) { s.testAutoColor = false; }},
        {"stayontop=1", [](Settings& s) { s.stayOnTop = true; }},
        {"captureandcopy=0", [](Settings& s) { s.autoCopy = false; }},
        {"AutoCopySwatch=1", [](Settings& s) { s.autoCopySwatch = true; }},
        {"ACopyonHotkey=1", [](Settings& s) { s.autoCopyOnHotkey = true; }},
        {"showprogram=0", [](Settings& s) { s.showAtStart = false; }},
        {"startonstartup=1", [](Settings& s) { s.startWithWindows = true; }},
        {"snapEyeDropper=0", [](Settings& s) { s.snapEyeDropper = false; }},
        {"snapColorProp=0", [](Settings& s) { s.snapColorProp = false; }},
        {"snapQuickPal=0", [](Settings& s) { s.snapQuickPal = false; }},
        {"snapTest=0", [](Settings& s) { s.snapTest = false; }},
    };
    for (const auto& [line, change] : cases) {
        Settings expected;
        change(expected);
        EXPECT_EQ(LoadKeys({line}), expected) << line;
    }
}

TEST_F(SettingsTest, FlagsReadOnlyIfOneOrUnlessZero) {
    const Settings yes = LoadKeys({"stayontop=true", "captureandcopy=yes", "ShowGrid=no",
                                   "AutoCopySwatch=1", "ACopyonHotkey=1 ", "snapTest= 0"});
    EXPECT_FALSE(yes.stayOnTop);
    EXPECT_TRUE(yes.autoCopy);
    EXPECT_TRUE(yes.showGrid);
    EXPECT_TRUE(yes.autoCopySwatch);
    EXPECT_FALSE(yes.autoCopyOnHotkey);
    EXPECT_TRUE(yes.snapTest);
    const Settings zero = LoadKeys({"StayOnTop=1", "CAPTUREANDCOPY=0", "showprogram=0",
                                    "snapeyedropper=0", "TestAutoColor=0", "EyeShowQVars=0"});
    EXPECT_TRUE(zero.stayOnTop);
    EXPECT_FALSE(zero.autoCopy);
    EXPECT_FALSE(zero.showAtStart);
    EXPECT_FALSE(zero.snapEyeDropper);
    EXPECT_FALSE(zero.testAutoColor);
    EXPECT_FALSE(zero.showVariations);
}

TEST_F(SettingsTest, HotkeyKeyIsFoundInCapitalsAndWin2IsReplacedOnlyOnCode8) {
    EXPECT_EQ(LoadKeys({"HOTKEY=Ctrl+Shift+Z"}).globalHotkey, (Hotkey{kModCtrl | kModShift, "Z"}));
    EXPECT_EQ(LoadKeys({"hotkey=Win+2"}, 8).globalHotkey, (Hotkey{kModWin, "Q"}));
    EXPECT_EQ(list_.Value("hotkey"), "Win+2"); // the stored text stays until the next save
    EXPECT_EQ(LoadKeys({"hotkey=Win+2"}, 7).globalHotkey, (Hotkey{kModWin, "2"}));
    EXPECT_EQ(LoadKeys({"hotkey=win+2"}, 8).globalHotkey, (Hotkey{kModWin, "2"}));
    EXPECT_EQ(LoadKeys({"hotkey=Foo+Q"}).globalHotkey, std::nullopt);
}

TEST_F(SettingsTest, MainBarPositionIsPulledBackOntoTheDesktop) {
    Settings s = LoadKeys({"top=5000", "left=-300"});
    EXPECT_EQ(s.barTop, 540);
    EXPECT_EQ(s.barLeft, -300);
    s = LoadKeys({"top=1080", "left=1920"});
    EXPECT_EQ(s.barTop, 1080);
    EXPECT_EQ(s.barLeft, 1920);
    s = LoadKeys({"top=-40", "left=1921"});
    EXPECT_EQ(s.barTop, -40);
    EXPECT_EQ(s.barLeft, 960);
    // The left is checked against the desktop's right edge, not its width.
    EXPECT_TRUE(WriteTextLines(user_ / "set.set", {"program=twl", "left=2500"}));
    s = LoadSettings(list_, user_, program_, ScreenInfo{1000, 0, 1920, 1080, 1080}, 0);
    EXPECT_EQ(s.barLeft, 2500);
    // Text that is not a decimal integer keeps the built-in position.
    s = LoadKeys({"top=abc", "left=12.5"});
    EXPECT_EQ(s.barTop, 209);
    EXPECT_EQ(s.barLeft, 395);
}

TEST_F(SettingsTest, IntegerKeysKeepLowBitsAndTreatBadNumbersAsMissing) {
    Settings s = LoadKeys({"sampling=257", "EyeSize=-1", "zoom=7"});
    EXPECT_EQ(s.samplingMode, 1);
    EXPECT_EQ(s.magnifierSize, 255);
    EXPECT_EQ(s.zoomLevel, 7);
    s = LoadKeys({"sampling=x", "EyeSize=0x1", "zoom=99999999999", "EyeTop= 5", "EyeLeft=-8",
                  "QRefTop=", "TestLeft=3"});
    EXPECT_EQ(s.samplingMode, 1);
    EXPECT_EQ(s.magnifierSize, 1);
    EXPECT_EQ(s.zoomLevel, 1);
    EXPECT_EQ(s.eyeTop, std::nullopt);
    EXPECT_EQ(s.eyeLeft, -8);
    EXPECT_EQ(s.qrefTop, std::nullopt);
    EXPECT_EQ(s.testLeft, 3);
}

TEST_F(SettingsTest, LastEyeColourReadsColourTextOrFallsBackToYellow) {
    EXPECT_EQ(LoadKeys({"LastEyeCol=$00FF0000"}).lastEyeColor, 0x00FF0000);
    EXPECT_EQ(LoadKeys({"LastEyeCol=clRed"}).lastEyeColor, 0x000000FF);
    EXPECT_EQ(LoadKeys({"LastEyeCol=not a colour"}).lastEyeColor, kClYellow);
}

TEST_F(SettingsTest, ForeignProgramValueGivesTheDefaultFileAndFirstRunAgain) {
    const Settings s = LoadLines({"program=TWL", "firstrun=0", "zoom=4", "stayontop=1"});
    EXPECT_TRUE(s.firstRunPending);
    EXPECT_EQ(s.zoomLevel, 2);
    EXPECT_FALSE(s.stayOnTop);
    EXPECT_EQ(list_.Lines().size(), 44u);
    EXPECT_EQ(list_.Value("firstrun"), "0");
}

TEST_F(SettingsTest, FirstRunRunsOnlyForExactlyOne) {
    Settings s = LoadKeys({"FirstRun=1", "startonstartup=0"});
    EXPECT_TRUE(s.firstRunPending);
    EXPECT_TRUE(s.startWithWindows);
    EXPECT_EQ(list_.Lines()[1], "FirstRun=0");
    s = LoadKeys({"firstrun=01", "startonstartup=0"});
    EXPECT_FALSE(s.firstRunPending);
    EXPECT_FALSE(s.startWithWindows);
}

TEST_F(SettingsTest, ProgramFolderFileIsReadWhenTheUserHasNone) {
    ASSERT_TRUE(WriteTextLines(program_ / "set.set", {"program=twl", "zoom=3"}));
    Settings s = LoadSettings(list_, user_, program_, kScreen, 0);
    EXPECT_EQ(s.zoomLevel, 3);
    ASSERT_TRUE(SaveSettings(list_, s, user_));
    s.zoomLevel = 1;
    ASSERT_TRUE(WriteTextLines(program_ / "set.set", {"program=twl", "zoom=4"}));
    EXPECT_EQ(LoadSettings(list_, user_, program_, kScreen, 0).zoomLevel, 3);
}

TEST_F(SettingsTest, SaveListHasItsFortyFiveLinesInOrder) {
    Settings s;
    s.barLeft = -300;
    s.barTop = 540;
    s.globalHotkey = Hotkey{kModShift | kModCtrl, "Z"};
    s.monitor = 1;
    s.eyeTop = 10;
    s.eyeLeft = -20;
    s.lastEyeColor = 0x00FF0000;
    s.zoomLevel = 4;
    s.samplingMode = 2;
    s.magnifierSize = 0;
    s.eyeFormat1 = "HSV";
    s.colPropFormat3 = "My=format";
    s.qrefLeft = 77;
    s.lastTestLayout = "left-3.tl";
    s.stayOnTop = true;
    s.autoCopy = false;
    s.autoCopyFormat = "RGB";
    s.startWithWindows = true;
    s.snapQuickPal = false;
    s.showGrid = false;
    s.firstRunPending = true;
    FillSettingsList(list_, s);
    const std::vector<std::string> expected = {"program=twl",
                                               "version=" + FileVersionText(),
                                               "firstrun=0",
                                               "hotkey=Ctrl+Shift+Z",
                                               "top=540",
                                               "left=-300",
                                               "monitor=1",
                                               "EyeTop=10",
                                               "EyeLeft=-20",
                                               "LastEyeCol=clBlue",
                                               "zoom=4",
                                               "sampling=2",
                                               "EyeSize=0",
                                               "EyeCVF1=HSV",
                                               "EyeCVF2=HSL",
                                               "EyeCVF3=Hex with #",
                                               "PropTop=",
                                               "PropLeft=",
                                               "ColPropCVF1=RGB",
                                               "ColPropCVF2=HSL",
                                               "ColPropCVF3=My=format",
                                               "QuiTop=",
                                               "QuiLeft=",
                                               "QRefTop=",
                                               "QRefLeft=77",
                                               "TestTop=",
                                               "TestLeft=",
                                               "LastTL=left-3.tl",
                                               "stayontop=1",
                                               "captureandcopy=0",
                                               "AutoCopySwatch=0",
                                               "ACopyonHotkey=0",
                                               "copyas=RGB",
                                               "showprogram=1",
                                               "EyeShowComparison=1",
                                               "startonstartup=1",
                                               "snapEyeDropper=1",
                                               "snapColorProp=1",
                                               "snapQuickPal=0",
                                               "snapTest=1",
                                               "EyeShowWSinfo=1",
                                               "ColPropShowWSinfo=1",
                                               "EyeShowQVars=1",
                                               "ShowGrid=0",
                                               "TestAutoColor=1"};
    EXPECT_EQ(list_.Lines(), expected);

    s.globalHotkey.reset();
    FillSettingsList(list_, s);
    EXPECT_EQ(list_.Lines()[3], "hotkey=");

    // Paste Color's CSS reading is saved only while on, after the others.
    s.pasteCss = true;
    FillSettingsList(list_, s);
    EXPECT_EQ(list_.Lines().size(), expected.size() + 1);
    EXPECT_EQ(list_.Lines().back(), "PasteCSS=1");

    // So are the Contrast window's place and colours, each while it has one, and a simulation.
    s.contrastLeft = 12;
    s.contrastBack = 0x00FF0000;
    s.colorVision = 4;
    FillSettingsList(list_, s);
    const std::vector<std::string> tail(list_.Lines().end() - 3, list_.Lines().end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"ContrastLeft=12", "ContrastBack=clBlue", "Simulate=4"}));
}

TEST_F(SettingsTest, SavedSettingsLoadBackUnchanged) {
    Settings s = LoadSettings(list_, user_, program_, kScreen, 0);
    s.firstRunPending = false;
    s.barTop = 100;
    s.globalHotkey = Hotkey{kModAlt, "F5"};
    s.eyeTop = -5;
    s.propLeft.reset();
    s.autoCopy = false;
    s.lastEyeColor = 0x00123456;
    s.eyeFormat2 = " spaced ";
    s.pasteCss = true;
    s.contrastTop = -40;
    s.contrastText = 0x00123456;
    s.colorVision = 2;
    ASSERT_TRUE(SaveSettings(list_, s, user_));
    const auto onDisk = ReadWholeFile(user_ / "set.set");
    ASSERT_TRUE(onDisk.has_value());
    EXPECT_EQ(onDisk->substr(0, 13), "program=twl\r\n");
    EXPECT_EQ(LoadSettings(list_, user_, program_, kScreen, 0), s);
}

TEST_F(SettingsTest, FailedSaveLeavesNoFileAndKeepsTheNewLines) {
    const fs::path blocker = root_ / "blocker";
    std::ofstream(blocker) << "a file, not a folder";
    Settings s;
    s.zoomLevel = 3;
    EXPECT_FALSE(SaveSettings(list_, s, blocker / "TWL"));
    EXPECT_EQ(list_.Value("zoom"), "3");
    EXPECT_EQ(list_.Lines().size(), 45u);
}

TEST_F(SettingsTest, DamagedFilesLoadAndKeepTheOtherKeys) {
    std::string bytes = "program=twl\r\n";
    bytes += std::string("\0\x01\xFF\xFE=binary\r\n", 13);
    bytes += "no equals sign here\n";
    bytes += "huge=" + std::string(1 << 20, 'x') + "\r";
    for (int i = 0; i < 10000; ++i) {
        bytes += "filler" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    }
    bytes += "zoom=3\r\nstayontop=1\r\n";
    ASSERT_TRUE(WriteWholeFile(user_ / "set.set", bytes));
    const Settings s = LoadSettings(list_, user_, program_, kScreen, 0);
    EXPECT_EQ(s.zoomLevel, 3);
    EXPECT_TRUE(s.stayOnTop);
    EXPECT_FALSE(s.firstRunPending);
    EXPECT_EQ(list_.Value("huge").size(), 1u << 20);
    EXPECT_EQ(list_.Lines().size(), 10006u);
}

} // namespace
} // namespace twl

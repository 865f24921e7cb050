#pragma once
// The whole program started on in-memory services, with a settings file and a palette of the
// test's choosing.

#include "app/program.h"
#include "core/base/text_file.h"
#include "fake_screen.h"
#include "fake_services.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace twl {

class ProgramOnFakes : public ::testing::Test {
protected:
    // set.set: "program=twl" and these lines.
    void WriteSettings(const std::vector<std::string>& settings) {
        std::vector<std::string> lines{"program=twl"};
        lines.insert(lines.end(), settings.begin(), settings.end());
        ASSERT_TRUE(WriteTextLines(UserFolder() / "set.set", lines));
    }
    void WritePalette(const std::vector<std::string>& palette) {
        ASSERT_TRUE(WriteTextLines(UserFolder() / "colorset.dat", palette));
    }
    void StartProgram() {
        environment_.appDataFolder = home_.Path() / "config";
        environment_.programFolder = programFolder_;
        environment_.programPath = "/opt/twl/tintwell";
        environment_.autostartFolder = home_.Path() / "autostart";
        environment_.useInstanceGuard = false;
        program_ = std::make_unique<Program>(
            Services{dialogs_, shell_, clipboard_, screen_, hotkey_}, environment_);
        ASSERT_TRUE(program_->Start());
    }
    std::filesystem::path UserFolder() const {
        const std::filesystem::path user = home_.Path() / "config/Vantrel/TWL";
        std::filesystem::create_directories(user);
        return user;
    }

    TempFolder home_;
    ProgramEnvironment environment_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeClipboard clipboard_;
    FakeScreen screen_{1280, 1024, 0x336699};
    // Where the program looks for its shipped data; nothing is there unless a test says.
    std::string programFolder_ = "/opt/twl/";
    FakeGlobalHotkey hotkey_;
    std::unique_ptr<Program> program_;
};

} // namespace twl

// The update check window on a scripted server, and the About box.

#include "core/base/text_file.h"
#include "core/base/version_info.h"
#include "fake_services.h"
#include "find_child.h"
#include "input_events.h"
#include "program_on_fakes.h"
#include "temp_folder.h"
#include "ui/about/about_window.h"
#include "ui/about/thanks_window.h"
#include "ui/bar/bar_actions.h"
#include "ui/update_check/update_check_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

namespace twl {
namespace {

// Answers each fetch when the test says so.
struct ScriptedServer {
    std::vector<std::string> fetched;
    UpdateDownloader::Done pending;
    int cancels = 0;

    void Answer(std::optional<std::string> body) {
        ASSERT_TRUE(pending);
        std::exchange(pending, nullptr)(std::move(body));
        QApplication::processEvents();
    }
};

class ScriptedDownloader : public UpdateDownloader {
public:
    explicit ScriptedDownloader(ScriptedServer& server) : server_(server) {}
    void Fetch(const std::string& address, int, std::size_t, Done done) override {
        server_.fetched.push_back(address);
        server_.pending = std::move(done);
    }
    void Cancel() override {
        server_.pending = nullptr;
        ++server_.cancels;
    }

private:
    ScriptedServer& server_;
};

class UpdateCheckTest : public ::testing::Test {
protected:
    UpdateCheckWindow& Window() {
        window_ = std::make_unique<UpdateCheckWindow>(
            folder_.Path().string() + "/", "https://updates.example.net", dialogs_, shell_,
            [this] { return std::make_unique<ScriptedDownloader>(server_); });
        return *window_;
    }
    bool UpdateFileThere() const { return std::filesystem::exists(folder_.Path() / "update.txt"); }

    TempFolder folder_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    ScriptedServer server_;
    std::unique_ptr<UpdateCheckWindow> window_;
};

TEST_F(UpdateCheckTest, EachAnswerEndsAsTheUserWasTold) {
    const std::string noServer = "Sorry, cannot connect to updates.example.net right now.";
    const std::string newer = "There is a newer version. Would you like to download?";
    const std::string manually =
        "Sorry, cannot find access information. Would you like to check it manually?";
    const std::string latest = "You have the latest version. Thanks for checking!";
    const std::string wait = "Please wait while TWL is looking for available updates...";
    const std::string noUpdate = "No update necessary.";
    const std::string error = "Error accessing update information.";
    const std::string download = "https://updates.example.net/products/twl/download.htm";
    const std::string product = "https://updates.example.net/products/twl";
    const std::string none;
    struct Case {
        std::optional<std::string> body;
        bool yes;
        std::string status;
        int progress;
        std::string message, question, opened;
        bool shows, fileKept;
    };
    // clang-format off
    const Case cases[] = {
        {std::nullopt,                  1, "Cannot connect to server.", 100, noServer, none, none, 0, 0},
        {"update=" + FileVersionText(), 1, noUpdate, 50, latest, none, none, 0, 1},
        {"x=1\r\nUpdate=0.9.0.0\r\n",   1, noUpdate, 50, latest, none, none, 0, 1},
        {"update=999.0.0.0",            1, wait, 100, none, newer, download, 0, 0},
        {"update=999.0.0.0",            0, wait, 100, none, newer, none, 0, 0},
        {"<html>404</html>",            1, error, 100, none, manually, product, 0, 1},
        {"",                            0, error, 100, none, manually, none, 1, 1},
    };
    // clang-format on
    const auto listOf = [](const std::string& one) {
        return one.empty() ? std::vector<std::string>{} : std::vector<std::string>{one};
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body.value_or("(no answer)") + (c.yes ? " / Yes" : " / No"));
        dialogs_ = FakeDialogs{};
        dialogs_.yesAnswer = c.yes;
        shell_.opened.clear();
        UpdateCheckWindow& window = Window();
        window.ShowAndCheck();
        EXPECT_EQ(window.Status().toStdString(),
                  "Connecting to updates.example.net for updates...");
        EXPECT_EQ(window.Progress(), 20);
        server_.Answer(c.body);
        EXPECT_EQ(window.Status().toStdString(), c.status);
        EXPECT_EQ(window.Progress(), c.progress);
        EXPECT_EQ(dialogs_.messages, listOf(c.message));
        EXPECT_EQ(dialogs_.questions, listOf(c.question));
        EXPECT_EQ(shell_.opened, listOf(c.opened));
        EXPECT_EQ(window.isVisible(), c.shows);
        EXPECT_EQ(UpdateFileThere(), c.fileKept);
        std::filesystem::remove(folder_.Path() / "update.txt");
    }
    EXPECT_EQ(server_.fetched.back(), "https://updates.example.net/products/twl/update.txt");
}

TEST_F(UpdateCheckTest, OneCheckAtATimeAndClosingTheWindowGivesItUp) {
    UpdateCheckWindow& window = Window();
    window.ShowAndCheck();
    window.ShowAndCheck();
    EXPECT_EQ(server_.fetched.size(), 1u);
    UpdateDownloader::Done late = server_.pending;
    window.close();
    EXPECT_EQ(server_.cancels, 1);
    late(std::optional<std::string>("update=999.0.0.0"));
    QApplication::processEvents();
    EXPECT_TRUE(dialogs_.questions.empty());
    EXPECT_FALSE(UpdateFileThere());
    // The next check starts afresh.
    window.ShowAndCheck();
    EXPECT_EQ(server_.fetched.size(), 2u);
}

class AboutTest : public ProgramOnFakes {
protected:
    AboutWindow& About() { return program_->About(); }
    void Open(const char* item) {
        program_->Actions().Item(QString::fromLatin1(item))->trigger();
        ASSERT_TRUE(About().isVisible()) << item;
    }
};

TEST_F(AboutTest, BothItemsOpenItAndClicksOnPictureOrSentencesOrEscCloseIt) {
    StartProgram();
    EXPECT_EQ(Child<QLabel>(About(), "VersionLBL")->text().toStdString(), FileVersionText());
    EXPECT_TRUE(About().windowFlags() & Qt::WindowStaysOnTopHint);
    for (const char* closer : {"Form12", "ContactLBL", "ProductLBL", "SchemesLBL", "Esc"}) {
        for (const char* item : {"About1", "About2"}) {
            Open(item);
            // The version line takes no part.
            Mouse(Child(About(), "VersionLBL"), QEvent::MouseButtonPress, Qt::LeftButton);
            Mouse(Child(About(), "VersionCaptionLBL"), QEvent::MouseButtonPress, Qt::LeftButton);
            ASSERT_TRUE(About().isVisible());
            if (std::string(closer) == "Esc") {
                Key(&About(), QEvent::KeyPress, Qt::Key_Escape);
            } else {
                QWidget* target =
                    std::string(closer) == "Form12" ? &About() : Child(About(), closer);
                Mouse(target, QEvent::MouseButtonPress, Qt::LeftButton);
            }
            EXPECT_FALSE(About().isVisible()) << closer << " after " << item;
        }
    }
}

TEST_F(AboutTest, LinksOpenThroughTheShellAndThanksOpensModal) {
    StartProgram();
    Open("About1");
    for (const char* link : {"MailLBL", "WebLBL", "SchemesLinkLBL", "ThanksLinkLBL"}) {
        Mouse(Child(About(), link), QEvent::MouseButtonPress, Qt::LeftButton);
    }
    EXPECT_EQ(shell_.opened, (std::vector<std::string>{"mailto:support@tintwell.example.org",
                                                       "https://tintwell.example.org",
                                                       "https://colorschemes.example.org"}));
    EXPECT_TRUE(About().isVisible());
    ThanksWindow& thanks = About().Thanks();
    EXPECT_TRUE(thanks.isVisible());
    EXPECT_TRUE(thanks.isModal());
    EXPECT_EQ(thanks.windowTitle(), "Thanks to...");
    const QString list = Child<QLabel>(thanks, "ThanksLBL")->text();
    for (const char* project : {"Qt", "giflib", "xcb", "fonts"}) {
        EXPECT_TRUE(list.contains(QString::fromLatin1(project))) << project;
    }
    thanks.close();
}

} // namespace
} // namespace twl

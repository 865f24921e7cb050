// The HTML quick reference inside the whole program: its sections, copies, menu, keys and place.

#include "find_child.h"
#include "input_events.h"
#include "program_on_fakes.h"
#include "ui/bar/bar_actions.h"
#include "ui/quick_reference/quick_reference_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace twl {
namespace {

class QuickReferenceTest : public ProgramOnFakes {
protected:
    void Start(const std::vector<std::string>& settings = {}) {
        WriteSettings(settings);
        StartProgram();
    }
    QuickReferenceWindow& Window() { return program_->QuickReference(); }
    // A left click: press and release on the component.
    void Click(const char* name) {
        QWidget* widget = Child(Window(), name);
        Mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
        Mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
    }
    QString Header(const char* key) {
        return Child<QLabel>(Window(), (std::string(key) + "LBL").c_str())->text();
    }
};

TEST_F(QuickReferenceTest, TheWindowGrowsWithTheSectionItsHeaderOpens) {
    Start();
    EXPECT_EQ(Window().windowTitle(), "Quick Reference");
    EXPECT_EQ(Window().objectName(), "Form13");
    // Built with the Characters open.
    EXPECT_EQ(Window().size(), QSize(204, 373));
    EXPECT_EQ(Header("char"), "  - Characters");
    EXPECT_EQ(Header("lists"), " + Lists");

    const std::pair<const char*, int> heights[] = {{"basic", 309},  {"body", 421},   {"textf", 547},
                                                   {"lists", 325},  {"images", 341}, {"links", 405},
                                                   {"tables", 485}, {"char", 373}};
    for (const auto& [key, height] : heights) {
        Click((std::string(key) + "LBL").c_str());
        EXPECT_EQ(Window().height(), height) << key;
        EXPECT_EQ(Header(key).left(4), "  - ") << key;
    }
    // The open header closes all.
    Click("charLBL");
    EXPECT_EQ(Window().height(), 224);
    EXPECT_EQ(Header("char"), " + Characters");
    EXPECT_EQ(Child(Window(), "tablesPNL")->geometry(), QRect(10, 30 + 6 * 24, 183, 17));
}

TEST_F(QuickReferenceTest, ClickingASnippetCopiesItsExactText) {
    Start();
    const std::pair<const char*, const char*> copies[] = {
        {"textf3", "<h1></h1>"},
        {"char5", "&amp;"},
        {"links2", "<a href=\"...\" target=\"_blank\"></a>"}};
    for (const auto& [name, text] : copies) {
        Click(name);
        EXPECT_EQ(clipboard_.text, text) << name;
    }
    // Entities show as written; a snippet's tags are no markup.
    EXPECT_EQ(Child<QLabel>(Window(), "char5")->text(), "&amp;");
    EXPECT_EQ(Child<QLabel>(Window(), "textf1")->textFormat(), Qt::PlainText);
    // The page skeleton is not a snippet.
    const int sets = clipboard_.sets;
    Click("basic1");
    EXPECT_EQ(clipboard_.sets, sets);
}

TEST_F(QuickReferenceTest, ResourcesOpenTheW3CPages) {
    Start();
    const char* const items[] = {"W3CXHTML1", "W3CHTML4011", "W3CCSS11", "W3CCSS21"};
    for (const char* item : items) {
        Window().Menus().Item(item)->trigger();
    }
    EXPECT_EQ(shell_.opened, (std::vector<std::string>{"https://www.w3.org/TR/xhtml1/",
                                                       "https://www.w3.org/TR/html4/",
                                                       "https://www.w3.org/TR/REC-CSS1",
                                                       "https://www.w3.org/TR/REC-CSS2/"}));
    Window().ShowQuickReference();
    Window().Menus().Item("CloseQuickReference1")->trigger();
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(QuickReferenceTest, BarItemsShowItAndKeysReachTheirCommands) {
    Start();
    for (const char* item : {"QuickReference1", "QuickReference2"}) {
        Window().hide();
        program_->Actions().Item(QString::fromLatin1(item))->trigger();
        EXPECT_TRUE(Window().isVisible()) << item;
    }
    using Signal = void (QuickReferenceWindow::*)();
    const std::pair<int, Signal> keys[] = {
        {Qt::Key_F3, &QuickReferenceWindow::optionsRequested},
        {Qt::Key_F4, &QuickReferenceWindow::eyeDropperRequested},
        {Qt::Key_F5, &QuickReferenceWindow::quickPaletteRequested},
        {Qt::Key_F6, &QuickReferenceWindow::testLayoutsRequested},
        {Qt::Key_F7, &QuickReferenceWindow::colorPropertiesRequested}};
    for (const auto& [key, signal] : keys) {
        int heard = 0;
        const auto connection = QObject::connect(&Window(), signal, [&heard] { ++heard; });
        twl::Key(&Window(), QEvent::KeyPress, key);
        QObject::disconnect(connection);
        EXPECT_EQ(heard, 1) << key;
    }
    twl::Key(&Window(), QEvent::KeyPress, Qt::Key_F1);
    ASSERT_FALSE(shell_.opened.empty());
    EXPECT_TRUE(shell_.opened.back().ends_with("help/qref.htm")) << shell_.opened.back();
    twl::Key(&Window(), QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(QuickReferenceTest, TheStoredPlaceIsReadAndWrittenBack) {
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    Start({"QRefTop=99999", "QRefLeft=40"});
    EXPECT_EQ(Window().pos(), QPoint(40, desktop.height() / 2));
    Window().move(70, 80);
    program_->Exit();
    const auto lines = ReadTextLines(UserFolder() / "set.set");
    ASSERT_TRUE(lines.has_value());
    EXPECT_NE(std::find(lines->begin(), lines->end(), "QRefTop=80"), lines->end());
    EXPECT_NE(std::find(lines->begin(), lines->end(), "QRefLeft=70"), lines->end());
}

TEST_F(QuickReferenceTest, WithoutAStoredPlaceItIsCentred) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Start();
    EXPECT_EQ(Window().pos(), QPoint(screen.width() / 2 - 204 / 2, screen.height() / 2 - 373 / 2));
}

} // namespace
} // namespace twl

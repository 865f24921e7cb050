// Menus built from a command table, and the choice of services for the desktop at hand.

#include "platform/platform_services.h"
#include "ui/common/action_table.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace twl {
namespace {

TEST(ActionTable, LaysOutItemsSeparatorsAndSubmenusByName) {
    QWidget owner;
    ActionTable table;
    table.Add(&owner, "Copy1", "&Copy", false);
    table.Add(&owner, "Grid1", "Show Grid", true);
    table.AddSubmenu("More1", "More");
    const char* const layout[] = {"Copy1", "-N1", "+More1", "Grid1", "<"};
    QMenu* menu = table.BuildMenu(&owner, QStringLiteral("TestMenu"), layout);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->objectName(), "TestMenu");
    EXPECT_EQ(menu->actions()[1]->objectName(), "N1");
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_EQ(table.Item(QStringLiteral("More1"))->menu()->actions(),
              QList<QAction*>{table.Item(QStringLiteral("Grid1"))});
    EXPECT_TRUE(table.Item(QStringLiteral("Grid1"))->isCheckable());
}

TEST(ActionTable, ANameTheTableDoesNotKnowFailsLoudly) {
    QWidget owner;
    ActionTable table;
    table.Add(&owner, "HEX3", "&HEX", false);
    const char* const misspelt[] = {"HEX3", "HEXwith3"};
    EXPECT_THROW(table.BuildMenu(&owner, QStringLiteral("Tray"), misspelt), UnknownMenuItem);
    const char* const noSubmenu[] = {"+CopyPaletteas2", "HEX3", "<"};
    EXPECT_THROW(table.BuildMenu(&owner, QStringLiteral("Tray"), noSubmenu), UnknownMenuItem);
    EXPECT_THROW(table.Item(QStringLiteral("hex3")), UnknownMenuItem);
}

TEST(PlatformServices, OnlyX11OffersTheScreenAndTheHotkey) {
    EXPECT_EQ(UnavailableServicesNote("xcb"), "");
    EXPECT_EQ(UnavailableServicesNote("wayland"),
              "tintwell: no X11 display (Qt platform \"wayland\"): picking from the screen and "
              "the global hotkey are unavailable");
    // The widget tests run offscreen: the stand-ins answer without a display.
    const PlatformServices services = MakePlatformServices();
    EXPECT_FALSE(services.hotkey->Register(Hotkey{kModWin, "Q"}));
    SourceBlock block;
    services.screen->Read({0, 0, 2, 2}, block);
    EXPECT_EQ(block.pixels, std::vector<std::uint32_t>(4, kOutsidePixel));
}

} // namespace
} // namespace twl

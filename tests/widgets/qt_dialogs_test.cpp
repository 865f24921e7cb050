// The real message boxes belong to the window that asked: they come up above it, and stay on top
// with a window that stays on top (the format editor, Options, the tool windows).

#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace twl {
namespace {

TEST(QtDialogs, AMessageBoxBelongsToTheActiveWindowAndStaysOnTopWithIt) {
    for (const bool onTop : {false, true}) {
        QWidget owner(nullptr, onTop ? Qt::Window | Qt::WindowStaysOnTopHint : Qt::Window);
        owner.show();
        QApplication::setActiveWindow(&owner);
        QWidget* parent = nullptr;
        bool staysOnTop = false;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                parent = box->parentWidget();
                staysOnTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
                box->done(0);
            }
        });
        QtDialogs dialogs;
        dialogs.ShowMessage("Please fill both Format and Name boxes.");
        EXPECT_EQ(parent, &owner) << onTop;
        EXPECT_EQ(staysOnTop, onTop);
    }
}

} // namespace
} // namespace twl

// The program's icon: built in at every window size, and the same on the bar and in the tray.

#include "program_on_fakes.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/tray_icon.h"
#include "ui/common/program_icon.h"

namespace twl {
namespace {

using ProgramIconTest = ProgramOnFakes;

TEST_F(ProgramIconTest, TheBarAndTheTrayShowTheProgramIconAtEverySize) {
    const QIcon icon = ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    StartProgram();
    for (int size : {16, 24, 48}) {
        const QImage picture = icon.pixmap(size).toImage();
        EXPECT_EQ(program_->Bar().windowIcon().pixmap(size).toImage(), picture) << size;
        EXPECT_EQ(program_->Tray().icon().pixmap(size).toImage(), picture) << size;
    }
}

} // namespace
} // namespace twl

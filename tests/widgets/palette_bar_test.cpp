// The palette column on the main bar: size, slot geometry, hover selection, slot menu point,
// drag and drop reordering, and the refreshes that follow every change.

#include "core/base/text_file.h"
#include "fake_services.h"
#include "temp_folder.h"
#include "ui/bar/palette_controller.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>

namespace twl {
namespace {

class PaletteBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar_.setFixedWidth(42);
        bar_.move(300, 100);
        controller_ = std::make_unique<PaletteController>(&bar_, dialogs_);
        bar_.show();
    }
    // Loads a palette of the given lines through the palette file.
    void Load(const std::vector<std::string>& lines) {
        const std::string user = (folder_.Path() / "user").string() + "/";
        std::filesystem::create_directories(user);
        ASSERT_TRUE(WriteTextLines(user + "colorset.dat", lines));
        controller_->LoadPalette(user, (folder_.Path() / "none").string() + "/");
    }
    void LoadCount(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back(ColorToText(MakeColor(i * 10, 0, 0)));
        }
        Load(lines);
    }
    int VisibleSlots() {
        int visible = 0;
        for (int slot = 1; slot <= 20; ++slot) {
            visible += controller_->Column().Frame(slot)->isVisible() ? 1 : 0;
        }
        return visible;
    }
    void MoveOver(int slot) {
        SlotSwatch* swatch = controller_->Column().Swatch(slot);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), swatch->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(swatch, &move);
    }
    void Press(int slot, Qt::MouseButton button) {
        SlotSwatch* swatch = controller_->Column().Swatch(slot);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
                          swatch->mapToGlobal(QPointF(5, 5)), button, button, Qt::NoModifier);
        QApplication::sendEvent(swatch, &press);
    }
    void SendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
                   Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    // Drags slot `from` with the mouse and drops it on slot `to`; the drag passes over the
    // target first, as a real one does.
    void DragAndDrop(int from, int to) {
        SlotSwatch* source = controller_->Column().Swatch(from);
        SlotSwatch* target = controller_->Column().Swatch(to);
        SlotSwatch::SetDragRunner([&](QDrag& drag) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, drag.mimeData(), Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            markerVisibleDuringDrag_ = controller_->Column().Marker()->isVisibleTo(&bar_);
            markerTopDuringDrag_ = controller_->Column().Marker()->y();
            QDropEvent drop(QPointF(5, 5), Qt::MoveAction, drag.mimeData(), Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
        });
        SendMouse(source, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton);
        // Within the drag distance nothing starts; past it the drag runs.
        SendMouse(source, QEvent::MouseMove, QPointF(6, 5), Qt::NoButton, Qt::LeftButton);
        dragStartedEarly_ = markerVisibleDuringDrag_ || markerTopDuringDrag_ >= 0;
        SendMouse(source, QEvent::MouseMove, QPointF(5, 5 + QApplication::startDragDistance()),
                  Qt::NoButton, Qt::LeftButton);
        SlotSwatch::SetDragRunner(nullptr);
    }
    std::vector<std::string> Lines() const { return controller_->Model().PaletteList(); }

    TempFolder folder_;
    FakeDialogs dialogs_;
    QWidget bar_;
    std::unique_ptr<PaletteController> controller_;
    bool markerVisibleDuringDrag_ = false;
    bool dragStartedEarly_ = false;
    int markerTopDuringDrag_ = -1;
};

TEST_F(PaletteBarTest, BarHeightAndVisibleSlotsFollowTheCount) {
    for (const auto& [count, height] :
         std::vector<std::pair<int, int>>{{0, 65}, {1, 87}, {12, 329}, {20, 505}}) {
        LoadCount(count);
        EXPECT_EQ(bar_.height(), height) << count << " colours";
        EXPECT_EQ(VisibleSlots(), count) << count << " colours";
    }
}

TEST_F(PaletteBarTest, SlotsSitInAColumn22PixelsApart) {
    LoadCount(20);
    QWidget* frame20 = controller_->Column().Frame(20);
    EXPECT_EQ(frame20->geometry(), QRect(12, 474, 18, 18)); // rows 474 to 491
    EXPECT_EQ(controller_->Column().Frame(1)->geometry(), QRect(12, 56, 18, 18));
    EXPECT_EQ(controller_->Column().Swatch(7)->geometry(), QRect(2, 2, 15, 15));
    EXPECT_EQ(controller_->Column().Swatch(7)->objectName(), "C7");
    EXPECT_EQ(frame20->objectName(), "C20PNL");
    EXPECT_EQ(controller_->Column().Title()->geometry(), QRect(4, 6, 31, 17));
    EXPECT_EQ(controller_->Column().Title()->toolTip(), "Right-click for main menu.");
    EXPECT_EQ(controller_->Column().EyeDropperButton()->geometry(), QRect(8, 24, 25, 25));
}

TEST_F(PaletteBarTest, SwatchesShowTheirColoursAndAnInvalidLineStopsThePainting) {
    Load({"clRed", "$00FF8000", "clBlue"});
    EXPECT_EQ(controller_->SlotColor(1), MakeColor(255, 0, 0));
    EXPECT_EQ(controller_->SlotColor(3), MakeColor(0, 0, 255));
    Load({"clLime", "clYellow", "not a colour", "clAqua"});
    EXPECT_EQ(controller_->SlotColor(1), MakeColor(0, 255, 0));
    EXPECT_EQ(controller_->SlotColor(2), MakeColor(255, 255, 0));
    EXPECT_EQ(controller_->SlotColor(3), MakeColor(0, 0, 255)); // kept from before
    EXPECT_EQ(VisibleSlots(), 4);
    const QImage picture = controller_->Column().Swatch(1)->grab().toImage();
    EXPECT_EQ(picture.pixelColor(7, 7), QColor(0, 255, 0));
}

TEST_F(PaletteBarTest, MovingThePointerSelectsTheSlotAndShowsItsColour) {
    LoadCount(12);
    std::vector<TColor> shown;
    int hexEdits = 0;
    QObject::connect(controller_.get(), &PaletteController::showColorProperties,
                     [&](TColor color) { shown.push_back(color); });
    QObject::connect(controller_.get(), &PaletteController::endHexEdit, [&] { ++hexEdits; });
    MoveOver(4);
    MoveOver(7);
    EXPECT_EQ(controller_->SelectedSlot(), 7);
    EXPECT_EQ(controller_->CurrentColor(), controller_->SlotColor(7));
    EXPECT_EQ(shown, (std::vector<TColor>{controller_->SlotColor(4), controller_->SlotColor(7)}));
    EXPECT_EQ(hexEdits, 2);
}

TEST_F(PaletteBarTest, RightPressOpensTheSlotMenuBesideTheSelectedSlot) {
    LoadCount(12);
    QPoint menuAt;
    QObject::connect(controller_.get(), &PaletteController::slotMenuRequested,
                     [&](QPoint point) { menuAt = point; });
    MoveOver(3);
    Press(3, Qt::RightButton);
    EXPECT_EQ(menuAt, QPoint(bar_.x() + 22, bar_.y() + 66 + 22 * 2));
}

TEST_F(PaletteBarTest, LeftPressOpensColorPropertiesBesideTheSlot) {
    LoadCount(12);
    std::vector<std::string> calls;
    QObject::connect(controller_.get(), &PaletteController::endHexEdit,
                     [&] { calls.push_back("end"); });
    QObject::connect(controller_.get(), &PaletteController::openColorProperties,
                     [&] { calls.push_back("open"); });
    QObject::connect(controller_.get(), &PaletteController::showColorProperties,
                     [&](TColor) { calls.push_back("show"); });
    QObject::connect(controller_.get(), &PaletteController::placeColorProperties,
                     [&] { calls.push_back("place"); });
    Press(5, Qt::LeftButton);
    EXPECT_EQ(calls, (std::vector<std::string>{"end", "open", "show", "place"}));
}

TEST_F(PaletteBarTest, DraggingASlotUpPutsItAboveTheTarget) {
    LoadCount(8);
    const auto l = Lines();
    int refreshes = 0;
    QObject::connect(controller_.get(), &PaletteController::paletteChanged, [&] { ++refreshes; });
    DragAndDrop(5, 2);
    EXPECT_FALSE(dragStartedEarly_);
    EXPECT_EQ(Lines(), (std::vector<std::string>{l[0], l[4], l[1], l[2], l[3], l[5], l[6], l[7]}));
    EXPECT_TRUE(markerVisibleDuringDrag_);
    EXPECT_EQ(markerTopDuringDrag_, 78 - 3); // slot 2's frame top is 78
    EXPECT_FALSE(controller_->Column().Marker()->isVisibleTo(&bar_));
    EXPECT_EQ(controller_->DraggedColor(), MakeColor(40, 0, 0));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(controller_->SlotColor(2), MakeColor(40, 0, 0));
}

TEST_F(PaletteBarTest, DraggingASlotDownPutsItBelowTheTarget) {
    LoadCount(8);
    const auto l = Lines();
    DragAndDrop(2, 5);
    EXPECT_EQ(Lines(), (std::vector<std::string>{l[0], l[2], l[3], l[4], l[1], l[5], l[6], l[7]}));
    EXPECT_EQ(markerTopDuringDrag_, 144 + 18 + 1); // below slot 5's frame
}

TEST_F(PaletteBarTest, DroppingASlotOnItselfChangesNothing) {
    LoadCount(8);
    const auto l = Lines();
    DragAndDrop(3, 3);
    EXPECT_EQ(Lines(), l);
}

TEST_F(PaletteBarTest, OnlyThisBarsSlotsCanBeDroppedOnASlot) {
    LoadCount(4);
    QMimeData foreign;
    foreign.setText(QStringLiteral("#FF0000"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(controller_->Column().Swatch(1), &enter);
    EXPECT_FALSE(enter.isAccepted());
    // The colour itself travels for other programs.
    std::unique_ptr<QMimeData> ours(SlotSwatch::MakeDragData(0, MakeColor(255, 128, 0)));
    EXPECT_EQ(ours->text(), "#FF8000");
    EXPECT_EQ(qvariant_cast<QColor>(ours->colorData()), QColor(255, 128, 0));
    EXPECT_EQ(SlotSwatch::DraggedTag(ours.get()), 0);
}

TEST_F(PaletteBarTest, AddingShowsTheNewColourFirstAndCopiesIt) {
    LoadCount(20);
    int copies = 0;
    std::vector<int> copiesAtChange; // the copy comes first, then the followers
    QObject::connect(controller_.get(), &PaletteController::autoCopyDue, [&] { ++copies; });
    QObject::connect(controller_.get(), &PaletteController::paletteChanged,
                     [&] { copiesAtChange.push_back(copies); });
    const std::string former19 = Lines()[18];
    controller_->AddColorToPalette(MakeColor(1, 2, 3));
    EXPECT_EQ(Lines().size(), 20u);
    EXPECT_EQ(Lines()[19], former19);
    EXPECT_EQ(controller_->SlotColor(1), MakeColor(1, 2, 3));
    EXPECT_EQ(bar_.height(), 505);
    EXPECT_EQ(copies, 1);
    // The hotkey's add copies only when the settings ask; the slots follow all the same.
    controller_->AddColorToPalette(MakeColor(9, 9, 9), PaletteController::AutoCopy::Skip);
    EXPECT_EQ(controller_->SlotColor(1), MakeColor(9, 9, 9));
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(copiesAtChange, (std::vector<int>{1, 1}));
}

TEST_F(PaletteBarTest, RemovingTheOnlyColourLeavesAnEmptyBar) {
    Load({"clRed"});
    MoveOver(1);
    controller_->RemoveSelectedColor();
    EXPECT_EQ(bar_.height(), 65);
    EXPECT_EQ(VisibleSlots(), 0);
    EXPECT_EQ(controller_->SelectedSlot(), 1);
    controller_->RemoveSelectedColor(); // past the end now: nothing happens
    controller_->ReplaceSelectedColor("clBlue");
    EXPECT_TRUE(Lines().empty());
    controller_->AddColorToPalette(MakeColor(0, 0, 255));
    EXPECT_EQ(bar_.height(), 87);
}

TEST_F(PaletteBarTest, ASaveThatFailsIsReported) {
    LoadCount(3);
    const std::string blocked = (folder_.Path() / "file").string();
    { std::ofstream(blocked) << "x"; }
    controller_->SavePalette(blocked + "/");
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"ERROR! Cannot save color list!"});
}

} // namespace
} // namespace twl

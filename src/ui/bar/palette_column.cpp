#include "ui/bar/palette_column.h"

#include "platform/qt_conversions.h"
#include "ui/bar/bar_pictures.h"
#include "ui/common/filled_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace twl {

namespace {

const QColor kStripColor(75, 75, 75);
const QColor kFrameLineColor(128, 128, 128);
const QColor kMarkerColor(192, 192, 192);
constexpr int kStrip = 4;

} // namespace

PaletteColumn::PaletteColumn(QWidget* bar) : bar_(bar) {
    const char* stripNames[] = {"kenarSol", "kenarSag", "kenarUst", "kenarAlt"};
    for (std::size_t i = 0; i < strips_.size(); ++i) {
        strips_[i] = new FilledBox(bar, QString::fromLatin1(stripNames[i]), kStripColor);
    }

    title_ = new PressableLabel(bar);
    title_->setObjectName(QStringLiteral("TitleIMG"));
    title_->setPixmap(TitlePicture());
    title_->setGeometry(4, 6, 31, 17);
    title_->setToolTip(QStringLiteral("Right-click for main menu."));

    eyeDropper_ = new PressableLabel(bar);
    eyeDropper_->setObjectName(QStringLiteral("EyeDropperIMG"));
    eyeDropper_->setPixmap(EyeDropperPicture());
    eyeDropper_->setGeometry(8, 24, 25, 25);

    for (int slot = 1; slot <= kPaletteSlotCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        frames_[i] =
            new FilledBox(bar, QStringLiteral("C%1PNL").arg(slot), Qt::white, kFrameLineColor);
        frames_[i]->setGeometry(ToQRect(SlotFrameRect(slot)));
        swatches_[i] = new SlotSwatch(slot - 1, frames_[i]);
        swatches_[i]->setGeometry(ToQRect(SlotSwatchRect()));
    }

    marker_ = new FilledBox(bar, QStringLiteral("MoveColorSHP"), kMarkerColor);
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker_->setGeometry(kInsertionMarkerLeft, 0, kInsertionMarkerWidth, kInsertionMarkerHeight);
    marker_->hide();
}

void PaletteColumn::SetSlotColors(const SlotColorArray& colors) {
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        swatches_[i]->SetColor(colors[i]);
    }
}

void PaletteColumn::SetVisibleSlots(int count) {
    for (int slot = 1; slot <= kPaletteSlotCount; ++slot) {
        Frame(slot)->setVisible(slot <= count);
    }
}

void PaletteColumn::Layout(int barHeight) {
    const int width = bar_->width();
    strips_[0]->setGeometry(0, 0, kStrip, barHeight);
    strips_[1]->setGeometry(width - kStrip, 0, kStrip, barHeight);
    strips_[2]->setGeometry(0, 0, width, kStrip);
    strips_[3]->setGeometry(0, barHeight - kStrip, width, kStrip);
}

void PaletteColumn::ShowMarker(int top) {
    marker_->move(kInsertionMarkerLeft, top);
    marker_->show();
    marker_->raise();
}

void PaletteColumn::HideMarker() {
    marker_->hide();
}

} // namespace twl

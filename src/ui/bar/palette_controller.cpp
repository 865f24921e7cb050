#include "ui/bar/palette_controller.h"

#include "platform/dialogs.h"
#include "platform/window_position_sync.h"

#include <QWidget>

#include <algorithm>

namespace twl {

namespace {
// The longest a changed palette waits for its write, and the shortest time between two writes.
constexpr int kPaletteSaveDelayMs = 1000;
} // namespace

PaletteController::PaletteController(QWidget* bar, Dialogs& dialogs, QObject* parent)
    : QObject(parent), bar_(bar), dialogs_(dialogs) {
    column_ = std::make_unique<PaletteColumn>(bar);
    for (int slot = 1; slot <= kPaletteSlotCount; ++slot) {
        SlotSwatch* swatch = column_->Swatch(slot);
        connect(swatch, &SlotSwatch::hovered, this, &PaletteController::OnHover);
        connect(swatch, &SlotSwatch::leftPressed, this, &PaletteController::OnLeftPress);
        connect(swatch, &SlotSwatch::rightPressed, this, &PaletteController::OnRightPress);
        connect(swatch, &SlotSwatch::dragStarted, this, &PaletteController::OnDragStart);
        connect(swatch, &SlotSwatch::draggedOver, this, &PaletteController::OnDragOver);
        connect(swatch, &SlotSwatch::dropped, this, &PaletteController::OnDrop);
        connect(swatch, &SlotSwatch::dragEnded, this, &PaletteController::OnDragEnd);
    }
    SizePaletteBar();
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(kPaletteSaveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, &PaletteController::SaveAfterDelay);
}

PaletteController::~PaletteController() = default;

void PaletteController::LoadPalette(const std::string& userFolder,
                                    const std::string& programFolder) {
    palette_.LoadPalette(userFolder, programFolder);
    ShowPalette();
    SizePaletteBar();
    palette_.Select(1, slotColors_[0]);
}

void PaletteController::SavePalette(const std::string& userFolder) {
    saveTimer_.stop();
    if (!palette_.SavePalette(userFolder)) {
        dialogs_.ShowMessage(std::string(kSavePaletteErrorText));
    }
}

void PaletteController::SaveAfterChanges(const std::string& userFolder) {
    if (saveFolder_.empty()) {
        // The first change starts the wait; later ones before the write ride along with it.
        connect(this, &PaletteController::paletteChanged, this, [this] {
            if (!saveTimer_.isActive()) {
                saveTimer_.start();
            }
        });
    }
    saveFolder_ = userFolder;
}

void PaletteController::SaveAfterDelay() {
    if (palette_.SavePalette(saveFolder_)) {
        saveFailureShown_ = false;
    } else if (!saveFailureShown_) {
        saveFailureShown_ = true;
        dialogs_.ShowMessage(std::string(kSavePaletteErrorText));
    }
    emit paletteSaved();
}

std::optional<TColor> PaletteController::NewestColor() const {
    if (palette_.Count() == 0) {
        return std::nullopt;
    }
    return SlotColor(1);
}

void PaletteController::ShowPalette() {
    slotColors_ = SlotColors(palette_.PaletteList(), slotColors_);
    column_->SetSlotColors(slotColors_);
}

void PaletteController::SizePaletteBar() {
    const int count = palette_.Count();
    const int height = PaletteBarHeight(count);
    ResizeInPlace(*bar_, bar_->width(), height);
    if (const auto visible = VisibleSlotCount(count)) {
        column_->SetVisibleSlots(*visible);
    }
    column_->Layout(height);
}

void PaletteController::Refresh() {
    ShowPalette();
    SizePaletteBar();
    emit paletteChanged();
}

void PaletteController::AddColorToPalette(TColor color, AutoCopy autoCopy) {
    palette_.InsertColorAtTop(color);
    ShowPalette();
    SizePaletteBar();
    if (autoCopy == AutoCopy::Run) {
        emit autoCopyDue();
    }
    emit paletteChanged();
}

void PaletteController::AddColorsToPalette(std::span<const TColor> colors) {
    if (colors.empty()) {
        return;
    }
    const std::size_t kept = std::min(colors.size(), std::size_t{kPaletteSlotCount});
    for (const TColor color : colors.last(kept)) {
        palette_.InsertColorAtTop(color);
    }
    Refresh();
}

void PaletteController::ReplaceSelectedColor(const std::string& text) {
    if (!palette_.ReplaceSelectedColor(text)) {
        return;
    }
    ShowPalette();
    if (const auto color = palette_.LineColor(palette_.SelectedSlot())) {
        emit showColorProperties(*color);
    }
    emit paletteChanged();
}

void PaletteController::RemoveSelectedColor() {
    if (palette_.RemoveSelectedColor()) {
        Refresh();
    }
}

void PaletteController::MovePaletteColor(int from, int to) {
    if (palette_.MovePaletteColor(from, to)) {
        Refresh();
    }
}

void PaletteController::OnHover(int tag) {
    emit endHexEdit();
    palette_.Select(tag + 1, SlotColor(tag + 1));
    emit showColorProperties(palette_.CurrentColor());
}

void PaletteController::OnLeftPress(int tag) {
    emit endHexEdit();
    emit openColorProperties();
    emit showColorProperties(SlotColor(tag + 1));
    emit placeColorProperties();
}

void PaletteController::OnRightPress(int) {
    const QPoint bar = SyncWindowPosition(*bar_);
    const Point point = SlotMenuPoint(bar.x(), bar.y(), palette_.SelectedSlot());
    emit slotMenuRequested(QPoint(point.x, point.y));
}

void PaletteController::OnDragStart(int tag) {
    palette_.BeginDrag(tag, SlotColor(tag + 1));
}

void PaletteController::OnDragOver(int targetTag) {
    column_->ShowMarker(InsertionMarkerTop(targetTag, palette_.DraggedSlot()));
}

void PaletteController::OnDrop(int targetTag) {
    MovePaletteColor(palette_.DraggedSlot(), targetTag);
}

void PaletteController::OnDragEnd() {
    column_->HideMarker();
}

} // namespace twl

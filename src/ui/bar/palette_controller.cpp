#include "ui/bar/palette_controller.h"

#include "platform/dialogs.h"
#include "platform/window_position_sync.h"

#include <QWidget>

namespace twl {

namespace {

template <typename... Args> void Call(const std::function<void(Args...)>& hook, Args... args) {
    if (hook) {
        hook(args...);
    }
}

} // namespace

PaletteController::PaletteController(QWidget* bar, Dialogs& dialogs, QObject* parent)
    : QObject(parent), bar_(bar), dialogs_(dialogs) {
    events_.hover = [this](int tag) { OnHover(tag); };
    events_.leftPress = [this](int tag) { OnLeftPress(tag); };
    events_.rightPress = [this](int tag) { OnRightPress(tag); };
    events_.dragStart = [this](int tag) { OnDragStart(tag); };
    events_.dragOver = [this](int tag) { OnDragOver(tag); };
    events_.drop = [this](int tag) { OnDrop(tag); };
    events_.dragEnd = [this] { OnDragEnd(); };
    view_ = std::make_unique<PaletteBarView>(bar, &events_);
    SizePaletteBar();
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
    if (!palette_.SavePalette(userFolder)) {
        dialogs_.ShowMessage(std::string(kSavePaletteErrorText));
    }
}

void PaletteController::ShowPalette() {
    slotColors_ = SlotColors(palette_.PaletteList(), slotColors_);
    view_->SetSlotColors(slotColors_);
}

void PaletteController::SizePaletteBar() {
    const int count = palette_.Count();
    const int height = PaletteBarHeight(count);
    ResizeInPlace(*bar_, bar_->width(), height);
    if (const auto visible = VisibleSlotCount(count)) {
        view_->SetVisibleSlots(*visible);
    }
    view_->Layout(height);
}

void PaletteController::RefreshTestLayouts() {
    Call(hooks_.refreshTestLayouts);
}

void PaletteController::Refresh() {
    ShowPalette();
    SizePaletteBar();
    RefreshTestLayouts();
}

void PaletteController::AddColorToPalette(TColor color) {
    palette_.InsertColorAtTop(color);
    ShowPalette();
    SizePaletteBar();
    Call(hooks_.autoCopyNewest);
    RefreshTestLayouts();
}

void PaletteController::InsertColorAtTop(TColor color) {
    palette_.InsertColorAtTop(color);
}

void PaletteController::ReplaceSelectedColor(const std::string& text) {
    if (!palette_.ReplaceSelectedColor(text)) {
        return;
    }
    ShowPalette();
    if (const auto color = palette_.LineColor(palette_.SelectedSlot())) {
        Call(hooks_.showColorProperties, *color);
    }
    RefreshTestLayouts();
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
    Call(hooks_.endHexEdit);
    palette_.Select(tag + 1, SlotColor(tag + 1));
    Call(hooks_.showColorProperties, palette_.CurrentColor());
}

void PaletteController::OnLeftPress(int tag) {
    Call(hooks_.endHexEdit);
    Call(hooks_.openColorProperties);
    Call(hooks_.showColorProperties, SlotColor(tag + 1));
    Call(hooks_.placeColorProperties);
}

void PaletteController::OnRightPress(int tag) {
    (void)tag;
    const QPoint bar = SyncWindowPosition(*bar_);
    const Point point = SlotMenuPoint(bar.x(), bar.y(), palette_.SelectedSlot());
    Call(hooks_.openSlotMenu, QPoint(point.x, point.y));
}

void PaletteController::OnDragStart(int tag) {
    palette_.BeginDrag(tag, SlotColor(tag + 1));
}

void PaletteController::OnDragOver(int targetTag) {
    view_->ShowMarker(InsertionMarkerTop(targetTag, palette_.DraggedSlot()));
}

void PaletteController::OnDrop(int targetTag) {
    MovePaletteColor(palette_.DraggedSlot(), targetTag);
}

void PaletteController::OnDragEnd() {
    view_->HideMarker();
}

} // namespace twl

#include "ui/eye_dropper/eye_dropper_window.h"

#include "core/color/color_adjust.h"
#include "core/formats/format_list.h"
#include "core/placement/window_position.h"
#include "core/sampling/eye_dropper_settings.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/settings/settings.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/monitors.h"
#include "platform/qt_conversions.h"
#include "platform/window_position_sync.h"
#include "ui/common/filled_box.h"
#include "ui/common/pressable_label.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"
#include "ui/eye_dropper/eye_dropper_pictures.h"
#include "ui/eye_dropper/magnifier_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <utility>

namespace twl {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
constexpr int kNormalTitleWidth = 210, kNormalTitleHeight = 21;
constexpr int kBigTitleWidth = 322, kBigTitleHeight = 22;
constexpr int kTimerInterval = 50;

QFont Tahoma(bool bold) {
    return TahomaFont(8, bold);
}

} // namespace

EyeDropperWindow::EyeDropperWindow(Settings& settings, const FormatList& formats,
                                   ScreenReader& screen, Clipboard& clipboard, Dialogs& dialogs)
    : ToolWindow(QStringLiteral("Form2")), settings_(settings), formats_(formats), screen_(screen),
      clipboard_(clipboard), dialogs_(dialogs), sampler_(screen), menus_(*this) {
    setWindowTitle(QStringLiteral("Eye Dropper"));
    resize(kNormalWidth, kNormalHeight);
    sampleTimer_.setInterval(kTimerInterval);
    connect(&sampleTimer_, &QTimer::timeout, this, [this] { SampleTick(); });

    BuildComponents();
    SetWindowMenu(menus_.WindowMenu());

    // The stored position; the top is pulled back onto the screen, the left is kept unless
    // the window would show on no monitor.
    const Rect desktop = LogicalDesktop(CurrentMonitors()); // where windows are placed
    ScreenInfo info;
    info.desktopLeft = desktop.left;
    info.desktopTop = desktop.top;
    info.desktopWidth = desktop.width;
    info.desktopHeight = desktop.height;
    const Point place =
        ApplyStoredPosition(Point{x(), y()}, settings.eyeTop, settings.eyeLeft, info);
    MoveToStoredPlace(place);

    MagnifierState& state = sampler_.State();
    state = MagnifierStateFromSettings(settings);
    menus_.TickMagnifierItems(state);
    menus_.Item("ShowGrid1")->setChecked(state.showGrid);
    menus_.Item("ShowWebSafeInfo1")->setChecked(settings.eyeShowWebSafeInfo);
    menus_.Item("Snap1")->setChecked(settings.snapEyeDropper);
    comparePanel_->setVisible(settings.eyeShowComparison);
    sampler_.SetSampledColor(settings.lastEyeColor);
    ShowSampledColor();
}

void EyeDropperWindow::BuildComponents() {
    titlePicture_ = new PressableLabel(this);
    titlePicture_->setObjectName(QStringLiteral("EyeTitleIMG"));
    titlePicture_->setPixmap(EyeTitlePicture(kNormalTitleWidth, kNormalTitleHeight));
    titlePicture_->setGeometry(2, 2, kNormalTitleWidth, kNormalTitleHeight);
    AddMoveHandle(titlePicture_);

    titleLabel_ = new PressableLabel(QStringLiteral("Eye Dropper"), this);
    titleLabel_->setObjectName(QStringLiteral("EyeTitleLBL"));
    titleLabel_->setFont(Tahoma(true));
    titleLabel_->setStyleSheet(
        QStringLiteral("color: rgb(192, 192, 192); background: transparent;"));
    // Placed by hand: measuring the text would load the fonts while the window is still hidden.
    titleLabel_->setGeometry(11, 4, 120, 14);
    AddMoveHandle(titleLabel_);

    menuButton_ = new PressableLabel(this);
    menuButton_->setObjectName(QStringLiteral("EyeMenuBTN"));
    menuButton_->setPixmap(MenuGlyph(16, 14));
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });

    magnifierFrame_ = new FilledBox(this, QStringLiteral("EyePNL"), Qt::white, kGrey);
    magnifier_ = new MagnifierView(sampler_, magnifierFrame_);
    connect(magnifier_, &MagnifierView::pressed, this, &EyeDropperWindow::OnMagnifierPress);
    connect(magnifier_, &MagnifierView::released, this, &EyeDropperWindow::OnMagnifierRelease);

    swatchFrame_ = new FilledBox(this, QStringLiteral("EyeColPNL"), Qt::white, kGrey);
    swatch_ = new FilledBox(swatchFrame_, QStringLiteral("EyeCol"), Qt::yellow);
    swatch_->setGeometry(2, 2, 37, 37);
    auto* webSafe = new QLabel(swatchFrame_);
    webSafe->setObjectName(QStringLiteral("PropWSIMG"));
    webSafe->setPixmap(WebSafeWarningIcon());
    webSafe->setGeometry(22, 22, 15, 15);
    webSafe->setToolTip(QStringLiteral("Not a web safe color! "));
    webSafe->hide();
    webSafeWarning_ = webSafe;

    const char* names[] = {"EyeRGBLBL", "EyeHSLLBL", "EyeHEXLBL"};
    for (std::size_t i = 0; i < valueLabels_.size(); ++i) {
        auto* label = new PressableLabel(this);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setFont(Tahoma(false));
        SetTextColor(*label, QColor(192, 192, 192));
        label->setCursor(Qt::PointingHandCursor);
        // Where one still picture serves a whole pick, the values say so.
        label->setToolTip(screen_.Frozen()
                              ? QStringLiteral("Click to copy color value.\nThe screen is a still "
                                               "picture taken as the pick began.")
                              : QStringLiteral("Click to copy color value."));
        connect(label, &PressableLabel::pressed, this, [this, label](QMouseEvent* event) {
            if (event->button() == Qt::LeftButton) {
                clipboard_.SetText(label->text().toStdString());
            }
        });
        valueLabels_[i] = label;
    }

    comparePanel_ = new FilledBox(this, QStringLiteral("ComparePNL"), Qt::white, kGrey);
    comparePanel_->setGeometry(270, 328, 32, 18);
    compareSampled_ = new FilledBox(comparePanel_, QStringLiteral("CompareC1"), Qt::white);
    compareSampled_->setGeometry(2, 2, 15, 15);
    compareNewest_ = new FilledBox(comparePanel_, QStringLiteral("CompareC2"), Qt::white);
    compareNewest_->setGeometry(16, 2, 15, 15);
    for (QWidget* swatch :
         {static_cast<QWidget*>(compareSampled_), static_cast<QWidget*>(compareNewest_)}) {
        swatch->setToolTip(QStringLiteral("Comparison with previous color."));
    }
    compareSame_ = new QLabel(QStringLiteral("="), comparePanel_);
    compareSame_->setObjectName(QStringLiteral("CompareLBL"));
    compareSame_->setFont(Tahoma(true));
    compareSame_->setAttribute(Qt::WA_TranslucentBackground);
    compareSame_->setToolTip(QStringLiteral("Same color (Comparison with previous color)."));
    compareSame_->setGeometry(12, 2, 8, 14);
    compareSame_->hide();
    Layout();
}

void EyeDropperWindow::Layout() {
    // Everything anchored to the right or the bottom moves with the window's growth.
    const int grow = width() - kNormalWidth;
    const int down = height() - kNormalHeight;
    menuButton_->setGeometry(142 + grow, 5, 16, 14);
    magnifierFrame_->setGeometry(10, 27, 149 + grow, 149 + down);
    magnifier_->setGeometry(2, 2, 145 + grow, 145 + down);
    swatchFrame_->setGeometry(11, 184 + down, 40, 40);
    const int labelTops[] = {183, 197, 211};
    for (std::size_t i = 0; i < valueLabels_.size(); ++i) {
        valueLabels_[i]->setGeometry(57, labelTops[i] + down, std::max(100, 100 + grow), 14);
    }
}

void EyeDropperWindow::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    Layout();
}

void EyeDropperWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, 0)));
}

void EyeDropperWindow::ShowEyeDropper() {
    ShowWindow();
}

void EyeDropperWindow::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    SetMagnifierSize(sampler_.State().magnifierSize);
}

void EyeDropperWindow::SetMagnifierSize(int size) {
    MagnifierState& state = sampler_.State();
    if (size == 0 || size == 1) {
        const bool big = size == 1;
        titlePicture_->setPixmap(big ? EyeTitlePicture(kBigTitleWidth, kBigTitleHeight)
                                     : EyeTitlePicture(kNormalTitleWidth, kNormalTitleHeight));
        titlePicture_->resize(titlePicture_->pixmap().size());
        ResizeInPlace(*this, big ? kBigWidth : kNormalWidth, big ? kBigHeight : kNormalHeight);
        state.magnifierSize = static_cast<std::uint8_t>(size);
        sampler_.SetImageSide(*MagnifierImageSide(size));
        menus_.TickMagnifierItems(state);
    }
    emit dockRequested();
    RenderMagnifier(NudgeDirection::None, 0);
}

void EyeDropperWindow::ShowSampledColor() {
    const TColor color = sampler_.SampledColor();
    shownColor_ = color;
    swatch_->SetFill(ToQColor(color));
    const std::string* names[] = {&settings_.eyeFormat1, &settings_.eyeFormat2,
                                  &settings_.eyeFormat3};
    for (std::size_t i = 0; i < valueLabels_.size(); ++i) {
        valueLabels_[i]->setText(
            QString::fromStdString(formats_.FormatColorByName(color, *names[i])));
    }
    if (settings_.eyeShowWebSafeInfo) {
        webSafeWarning_->setVisible(!IsWebSafe(color));
    }
    compareSampled_->SetFill(ToQColor(color));
    const std::optional<TColor>& newest = newestColor_;
    if (newest) {
        compareNewest_->SetFill(ToQColor(*newest));
    }
    if (newest && *newest == color) {
        QPalette colors = compareSame_->palette();
        colors.setColor(QPalette::WindowText, ToQColor(ContrastTextColor(color)));
        compareSame_->setPalette(colors);
        compareSame_->show();
    } else {
        compareSame_->hide();
    }
}

void EyeDropperWindow::Redraw() {
    magnifier_->update();
}

void EyeDropperWindow::RenderMagnifier(NudgeDirection direction, std::uint8_t amount) {
    const bool sampled = sampler_.RenderMagnifier(direction, amount);
    Redraw();
    if (sampled) {
        ShowSampledColor();
    }
}

void EyeDropperWindow::SampleColorAt(Point point, bool useCursor) {
    if (sampler_.SampleColorAt(point, useCursor)) {
        ShowSampledColor();
    }
}

void EyeDropperWindow::SampleTick() {
    const EyeSampler::TickResult tick = sampler_.Tick();
    // The picture goes on the screen at once where the screen reader can put it there, past
    // Qt's painting and its round trip to the display; else Qt paints it at once, rather than
    // after a wake-up of the event loop.
    WindowPainter* painter = tick.redrawn ? screen_.Painter() : nullptr;
    if (tick.redrawn && (painter == nullptr || !magnifier_->PutStraight(*painter))) {
        magnifier_->repaint();
    }
    // The value lines, the warning and the comparison follow the colour alone.
    if (tick.sampled && sampler_.SampledColor() != shownColor_) {
        ShowSampledColor();
    }
}

void EyeDropperWindow::SetZoomLevel(int zoomLevel) {
    sampler_.State().zoomLevel = zoomLevel;
    menus_.TickMagnifierItems(sampler_.State());
    RenderMagnifier(NudgeDirection::None, 0);
}

void EyeDropperWindow::SetSamplingMode(int samplingMode) {
    sampler_.State().samplingMode = static_cast<std::uint8_t>(samplingMode);
    menus_.TickMagnifierItems(sampler_.State());
    RenderMagnifier(NudgeDirection::None, 0);
}

void EyeDropperWindow::SetGrid(bool on) {
    menus_.Item("ShowGrid1")->setChecked(on);
    sampler_.State().showGrid = on;
    RenderMagnifier(NudgeDirection::None, 0);
}

void EyeDropperWindow::ToggleGrid() {
    SetGrid(!sampler_.State().showGrid);
}

void EyeDropperWindow::SetWebSafeInfo(bool on) {
    menus_.Item("ShowWebSafeInfo1")->setChecked(on);
    settings_.eyeShowWebSafeInfo = on;
    webSafeWarning_->setVisible(on && !IsWebSafe(sampler_.SampledColor()));
}

void EyeDropperWindow::ToggleWebSafeInfo() {
    SetWebSafeInfo(!settings_.eyeShowWebSafeInfo);
}

void EyeDropperWindow::SetAutoPosition(bool on) {
    menus_.Item("Snap1")->setChecked(on);
    settings_.snapEyeDropper = on;
}

void EyeDropperWindow::ApplyComparisonFlag() {
    comparePanel_->setVisible(settings_.eyeShowComparison);
}

void EyeDropperWindow::AddSampledColor() {
    // A screen that cannot be read gives no colour, rather than the last one as if picked.
    if (!screen_.Unavailable().empty()) {
        receiver_ = {};
        return;
    }
    if (receiver_) {
        std::exchange(receiver_, {})(sampler_.SampledColor());
        return;
    }
    emit colorPicked(sampler_.SampledColor());
}

void EyeDropperWindow::BeginSampling() {
    screen_.BeginPick();
    emit pickStarting();
    sampleTimer_.start();
}

void EyeDropperWindow::EndSampling() {
    sampleTimer_.stop();
}

void EyeDropperWindow::CloseEyeDropper() {
    hide();
    emit quickPaletteDockRequested();
}

void EyeDropperWindow::CopyImage() {
    clipboard_.SetImage(sampler_.Image());
}

void EyeDropperWindow::SaveImageAs(ImageFormat format) {
    const int filterIndex = format == ImageFormat::Bmp ? 1 : format == ImageFormat::Png ? 2 : 3;
    const auto path = dialogs_.AskSaveFileName(
        {"Bitmap Image|*.bmp|PNG Image|*.png|GIF Image|*.gif", filterIndex, ".bmp", ""});
    if (!path) {
        return;
    }
    if (!SaveImage(*path, ToQImage(sampler_.Image()), format)) {
        dialogs_.ShowMessage("Sorry! Cannot save image!");
    }
}

bool EyeDropperWindow::WriteMagnifiedBitmap(const std::string& path) const {
    return SaveImage(path, ToQImage(sampler_.Image()), ImageFormat::Bmp);
}

void EyeDropperWindow::OnMagnifierPress(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        barPick_ = false;
        // Where the pointer is not the program's to move, the pick goes through the overlay.
        if (!screen_.PointerIsOurs()) {
            emit overlayPickRequested();
            return;
        }
        screen_.SetCursorPos(sampler_.State().currentPoint);
        BeginSampling();
    } else if (event->button() == Qt::RightButton) {
        menus_.PictureMenu()->popup(event->globalPosition().toPoint());
    }
}

void EyeDropperWindow::OnMagnifierRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !sampleTimer_.isActive()) {
        return;
    }
    EndSampling();
    AddSampledColor();
    const QPoint window = SyncWindowPosition(*this);
    screen_.SetCursorPos(
        ToPhysical(CurrentMonitors(),
                   Point{window.x() + magnifierFrame_->x() + magnifier_->width() / 2 + 6,
                         window.y() + magnifierFrame_->y() + magnifier_->height() / 2 + 6}));
}

void EyeDropperWindow::BeginBarPick(std::function<void(TColor)> receiver) {
    // Where a drag cannot be followed live (the screen is read as one still picture, or not at
    // all), the pick is made on the screen pick overlay, whose lens follows the pointer anywhere.
    if (!screen_.FollowsDrags()) {
        emit overlayPickRequested();
        return;
    }
    receiver_ = std::move(receiver);
    barPick_ = true;
    ShowEyeDropper();
    BeginSampling();
    emit dockRequested();
    emit quickPaletteDockRequested();
}

void EyeDropperWindow::EndBarPick() {
    const bool picking = barPick_ && sampleTimer_.isActive();
    barPick_ = false;
    if (!picking) {
        receiver_ = {};
        return;
    }
    EndSampling();
    AddSampledColor();
}

void EyeDropperWindow::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        SetMagnifierSize(delta > 0 ? 1 : 0);
    } else if (const auto zoom = delta > 0 ? ZoomInFrom(sampler_.State().zoomLevel)
                                           : ZoomOutFrom(sampler_.State().zoomLevel)) {
        SetZoomLevel(*zoom);
    }
    event->accept();
}

void EyeDropperWindow::CollectSettings(Settings& settings) {
    StoreEyeDropperState(settings, FromQPoint(SyncWindowPosition(*this)), sampler_.SampledColor(),
                         sampler_.State());
}

} // namespace twl

#include "ui/eye_dropper/eye_dropper_window.h"

#include "core/color/color_adjust.h"
#include "core/formats/format_list.h"
#include "core/placement/window_position.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/settings/settings.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/qt_conversions.h"
#include "platform/window_position_sync.h"
#include "ui/common/filled_box.h"
#include "ui/common/pressable_label.h"
#include "ui/eye_dropper/eye_dropper_pictures.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace twl {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
constexpr int kNormalTitleWidth = 210, kNormalTitleHeight = 21;
constexpr int kBigTitleWidth = 322, kBigTitleHeight = 22;
constexpr int kTimerInterval = 50;

QFont Tahoma(bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

void Call(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

} // namespace

MagnifierView::MagnifierView(const EyeSampler& sampler, QWidget* parent)
    : QWidget(parent), sampler_(sampler) {
    setObjectName(QStringLiteral("EyeIMG"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MagnifierView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PixelImage& image = sampler_.Image();
    if (image.width <= 0 || image.height <= 0) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // The sampler's buffer is shown in place, without a copy.
    const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                         image.height, image.width * 4, QImage::Format_RGB32);
    painter.drawImage(0, 0, picture);
}

void MagnifierView::mousePressEvent(QMouseEvent* event) {
    if (onPress) {
        onPress(event);
    }
}

void MagnifierView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) {
        onRelease(event);
    }
}

Form2::Form2(Settings& settings, const FormatList& formats, ScreenReader& screen,
             Clipboard& clipboard, Dialogs& dialogs)
    : ToolWindow(QStringLiteral("Form2")), settings_(settings), formats_(formats), screen_(screen),
      clipboard_(clipboard), dialogs_(dialogs), sampler_(screen) {
    setWindowTitle(QStringLiteral("Eye Dropper"));
    resize(kNormalWidth, kNormalHeight);
    timer1_.setInterval(kTimerInterval);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });

    BuildComponents();
    menus_ = BuildEyeDropperMenus(this);
    SetWindowMenu(menus_.eyeMenu);
    ConnectMenus();

    // The stored position; the top is pulled back onto the screen, the left is kept.
    const Rect desktop = screen_.Desktop();
    ScreenInfo info;
    info.desktopLeft = desktop.left;
    info.desktopTop = desktop.top;
    info.desktopWidth = desktop.width;
    info.desktopHeight = desktop.height;
    const Point place =
        ApplyStoredPosition(Point{x(), y()}, settings.eyeTop, settings.eyeLeft, info);
    move(place.x, place.y);

    MagnifierState& state = sampler_.State();
    state.zoomLevel = settings.zoomLevel;
    state.samplingMode = static_cast<std::uint8_t>(settings.samplingMode);
    state.magnifierSize = static_cast<std::uint8_t>(settings.magnifierSize);
    state.showGrid = settings.showGrid;
    TickMagnifierItems(menus_, state);
    menus_.showGrid->setChecked(state.showGrid);
    menus_.showWebSafeInfo->setChecked(settings.eyeShowWebSafeInfo);
    menus_.autoPosition->setChecked(settings.snapEyeDropper);
    comparePnl_->setVisible(settings.eyeShowComparison);
    sampler_.SetSampledColor(settings.lastEyeColor);
    ShowSampledColor();
}

void Form2::BuildComponents() {
    eyeTitleImg_ = new PressableLabel(this);
    eyeTitleImg_->setObjectName(QStringLiteral("EyeTitleIMG"));
    eyeTitleImg_->setPixmap(EyeTitlePicture(kNormalTitleWidth, kNormalTitleHeight));
    eyeTitleImg_->setGeometry(2, 2, kNormalTitleWidth, kNormalTitleHeight);
    AddMoveHandle(eyeTitleImg_);

    eyeTitleLbl_ = new PressableLabel(QStringLiteral("Eye Dropper"), this);
    eyeTitleLbl_->setObjectName(QStringLiteral("EyeTitleLBL"));
    eyeTitleLbl_->setFont(Tahoma(true));
    eyeTitleLbl_->setStyleSheet(
        QStringLiteral("color: rgb(192, 192, 192); background: transparent;"));
    // Placed by hand: measuring the text would load the fonts while the window is still hidden.
    eyeTitleLbl_->setGeometry(11, 4, 120, 14);
    AddMoveHandle(eyeTitleLbl_);

    eyeMenuBtn_ = new PressableLabel(this);
    eyeMenuBtn_->setObjectName(QStringLiteral("EyeMenuBTN"));
    eyeMenuBtn_->setPixmap(MenuGlyph());
    eyeMenuBtn_->onPress = [this](QMouseEvent*) {
        menus_.eyeMenu->popup(eyeMenuBtn_->mapToGlobal(QPoint(0, eyeMenuBtn_->height())));
    };

    eyePnl_ = new FilledBox(this, QStringLiteral("EyePNL"), Qt::white, kGrey);
    eyeImg_ = new MagnifierView(sampler_, eyePnl_);
    eyeImg_->onPress = [this](QMouseEvent* event) { EyeIMGMouseDown(event); };
    eyeImg_->onRelease = [this](QMouseEvent* event) { EyeIMGMouseUp(event); };

    eyeColPnl_ = new FilledBox(this, QStringLiteral("EyeColPNL"), Qt::white, kGrey);
    eyeCol_ = new FilledBox(eyeColPnl_, QStringLiteral("EyeCol"), Qt::yellow);
    eyeCol_->setGeometry(2, 2, 37, 37);
    auto* webSafe = new QLabel(eyeColPnl_);
    webSafe->setObjectName(QStringLiteral("PropWSIMG"));
    webSafe->setPixmap(WebSafeWarningIcon());
    webSafe->setGeometry(22, 22, 15, 15);
    webSafe->setToolTip(QStringLiteral("Not a web safe color! "));
    webSafe->hide();
    propWsImg_ = webSafe;

    const char* names[] = {"EyeRGBLBL", "EyeHSLLBL", "EyeHEXLBL"};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new PressableLabel(this);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setFont(Tahoma(false));
        label->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(QStringLiteral("Click to copy color value."));
        label->onPress = [this, label](QMouseEvent* event) {
            if (event->button() == Qt::LeftButton) {
                clipboard_.SetText(label->text().toStdString());
            }
        };
        labels_[i] = label;
    }

    comparePnl_ = new FilledBox(this, QStringLiteral("ComparePNL"), Qt::white, kGrey);
    comparePnl_->setGeometry(270, 328, 32, 18);
    compareC1_ = new FilledBox(comparePnl_, QStringLiteral("CompareC1"), Qt::white);
    compareC1_->setGeometry(2, 2, 15, 15);
    compareC2_ = new FilledBox(comparePnl_, QStringLiteral("CompareC2"), Qt::white);
    compareC2_->setGeometry(16, 2, 15, 15);
    for (QWidget* swatch : {static_cast<QWidget*>(compareC1_), static_cast<QWidget*>(compareC2_)}) {
        swatch->setToolTip(QStringLiteral("Comparison with previous color."));
    }
    compareLbl_ = new QLabel(QStringLiteral("="), comparePnl_);
    compareLbl_->setObjectName(QStringLiteral("CompareLBL"));
    compareLbl_->setFont(Tahoma(true));
    compareLbl_->setAttribute(Qt::WA_TranslucentBackground);
    compareLbl_->setToolTip(QStringLiteral("Same color (Comparison with previous color)."));
    compareLbl_->setGeometry(12, 2, 8, 14);
    compareLbl_->hide();
    Layout();
}

QWidget* Form2::CompareLBL() const {
    return compareLbl_;
}

void Form2::Layout() {
    // Everything anchored to the right or the bottom moves with the window's growth.
    const int grow = width() - kNormalWidth;
    const int down = height() - kNormalHeight;
    eyeMenuBtn_->setGeometry(142 + grow, 5, 16, 14);
    eyePnl_->setGeometry(10, 27, 149 + grow, 149 + down);
    eyeImg_->setGeometry(2, 2, 145 + grow, 145 + down);
    eyeColPnl_->setGeometry(11, 184 + down, 40, 40);
    const int labelTops[] = {183, 197, 211};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setGeometry(57, labelTops[i] + down, std::max(100, 100 + grow), 14);
    }
}

void Form2::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    Layout();
}

void Form2::ConnectMenus() {
    for (const auto& items : menus_.zoom) {
        for (int i = 0; i < 4; ++i) {
            connect(items[static_cast<std::size_t>(i)], &QAction::triggered, this,
                    [this, i] { SetZoomLevel(i + 1); });
        }
    }
    for (const auto& items : menus_.sampling) {
        for (int i = 0; i < 3; ++i) {
            connect(items[static_cast<std::size_t>(i)], &QAction::triggered, this,
                    [this, i] { SetSamplingMode(i); });
        }
    }
    connect(menus_.normal, &QAction::triggered, this, [this] { SetMagnifierSize(0); });
    connect(menus_.big, &QAction::triggered, this, [this] { SetMagnifierSize(1); });
    connect(menus_.addColor, &QAction::triggered, this, [this] { AddSampledColor(); });
    connect(menus_.showGrid, &QAction::triggered, this, [this] {
        menus_.showGrid->setChecked(!menus_.showGrid->isChecked()); // ToggleGrid ticks it
        ToggleGrid();
    });
    connect(menus_.showWebSafeInfo, &QAction::triggered, this, [this] {
        menus_.showWebSafeInfo->setChecked(!menus_.showWebSafeInfo->isChecked());
        ToggleWebSafeInfo();
    });
    connect(menus_.autoPosition, &QAction::triggered, this,
            [this](bool checked) { settings_.snapEyeDropper = checked; });
    connect(menus_.savePng, &QAction::triggered, this, [this] { SaveImageAs(ImageFormat::Png); });
    connect(menus_.saveBmp, &QAction::triggered, this, [this] { SaveImageAs(ImageFormat::Bmp); });
    connect(menus_.saveGif, &QAction::triggered, this, [this] { SaveImageAs(ImageFormat::Gif); });
    connect(menus_.copyImage, &QAction::triggered, this, [this] { CopyImage(); });
    connect(menus_.moreOptions, &QAction::triggered, this, [this] { Call(hooks_.moreOptions); });
    connect(menus_.close, &QAction::triggered, this, [this] { CloseEyeDropper(); });
}

void Form2::ShowEyeDropper() {
    ShowWindow();
}

void Form2::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    SetMagnifierSize(sampler_.State().magnifierSize);
}

void Form2::SetMagnifierSize(int size) {
    MagnifierState& state = sampler_.State();
    if (size == 0 || size == 1) {
        const bool big = size == 1;
        eyeTitleImg_->setPixmap(big ? EyeTitlePicture(kBigTitleWidth, kBigTitleHeight)
                                    : EyeTitlePicture(kNormalTitleWidth, kNormalTitleHeight));
        eyeTitleImg_->resize(eyeTitleImg_->pixmap().size());
        ResizeInPlace(*this, big ? kBigWidth : kNormalWidth, big ? kBigHeight : kNormalHeight);
        state.magnifierSize = static_cast<std::uint8_t>(size);
        sampler_.SetImageSide(*MagnifierImageSide(size));
        TickMagnifierItems(menus_, state);
    }
    Call(hooks_.placeEyeDropper);
    RenderMagnifier(NudgeDirection::None, 0);
}

void Form2::ShowSampledColor() {
    const TColor color = sampler_.SampledColor();
    shownColor_ = color;
    eyeCol_->SetFill(ToQColor(color));
    const std::string* names[] = {&settings_.eyeFormat1, &settings_.eyeFormat2,
                                  &settings_.eyeFormat3};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(QString::fromStdString(formats_.FormatColorByName(color, *names[i])));
    }
    if (settings_.eyeShowWebSafeInfo) {
        propWsImg_->setVisible(!IsWebSafe(color));
    }
    compareC1_->SetFill(ToQColor(color));
    const std::optional<TColor> newest =
        hooks_.firstSlotColor ? hooks_.firstSlotColor() : std::nullopt;
    if (newest) {
        compareC2_->SetFill(ToQColor(*newest));
    }
    if (newest && *newest == color) {
        QPalette colors = compareLbl_->palette();
        colors.setColor(QPalette::WindowText, ToQColor(ContrastTextColor(color)));
        compareLbl_->setPalette(colors);
        compareLbl_->show();
    } else {
        compareLbl_->hide();
    }
}

void Form2::Redraw() {
    eyeImg_->update();
}

void Form2::RenderMagnifier(NudgeDirection direction, std::uint8_t amount) {
    const bool sampled = sampler_.RenderMagnifier(direction, amount);
    Redraw();
    if (sampled) {
        ShowSampledColor();
    }
}

void Form2::SampleColorAt(Point point, bool useCursor) {
    if (sampler_.SampleColorAt(point, useCursor)) {
        ShowSampledColor();
    }
}

void Form2::Timer1Timer() {
    const EyeSampler::TickResult tick = sampler_.Tick();
    if (tick.redrawn) {
        Redraw();
    }
    // The value lines, the warning and the comparison follow the colour alone.
    if (tick.sampled && sampler_.SampledColor() != shownColor_) {
        ShowSampledColor();
    }
}

void Form2::SetZoomLevel(int zoomLevel) {
    sampler_.State().zoomLevel = zoomLevel;
    TickMagnifierItems(menus_, sampler_.State());
    RenderMagnifier(NudgeDirection::None, 0);
}

void Form2::SetSamplingMode(int samplingMode) {
    sampler_.State().samplingMode = static_cast<std::uint8_t>(samplingMode);
    TickMagnifierItems(menus_, sampler_.State());
    RenderMagnifier(NudgeDirection::None, 0);
}

void Form2::ToggleGrid() {
    menus_.showGrid->setChecked(!menus_.showGrid->isChecked());
    sampler_.State().showGrid = menus_.showGrid->isChecked();
    RenderMagnifier(NudgeDirection::None, 0);
}

void Form2::ToggleWebSafeInfo() {
    if (menus_.showWebSafeInfo->isChecked()) {
        menus_.showWebSafeInfo->setChecked(false);
        settings_.eyeShowWebSafeInfo = false;
        propWsImg_->hide();
    } else {
        menus_.showWebSafeInfo->setChecked(true);
        settings_.eyeShowWebSafeInfo = true;
        if (!IsWebSafe(sampler_.SampledColor())) {
            propWsImg_->show();
        }
    }
}

void Form2::ApplyComparisonFlag() {
    comparePnl_->setVisible(settings_.eyeShowComparison);
}

void Form2::AddSampledColor() {
    if (hooks_.addColor) {
        hooks_.addColor(sampler_.SampledColor());
    }
}

void Form2::CloseEyeDropper() {
    hide();
    Call(hooks_.placeQuickPalette);
}

void Form2::CopyImage() {
    clipboard_.SetImage(sampler_.Image());
}

void Form2::SaveImageAs(ImageFormat format) {
    const int filterIndex = format == ImageFormat::Bmp ? 1 : format == ImageFormat::Png ? 2 : 3;
    const auto path = dialogs_.AskSaveFileName("Bitmap Image|*.bmp|PNG Image|*.png|GIF Image|*.gif",
                                               filterIndex, ".bmp");
    if (!path) {
        return;
    }
    if (!SaveImage(*path, ToQImage(sampler_.Image()), format)) {
        dialogs_.ShowMessage("Sorry! Cannot save image!");
    }
}

bool Form2::WriteMagnifiedBitmap(const std::string& path) const {
    return SaveImage(path, ToQImage(sampler_.Image()), ImageFormat::Bmp);
}

void Form2::EyeIMGMouseDown(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Call(hooks_.pickStarting);
        screen_.SetCursorPos(sampler_.State().currentPoint);
        timer1_.start();
    } else if (event->button() == Qt::RightButton) {
        menus_.eyeImgMenu->popup(event->globalPosition().toPoint());
    }
}

void Form2::EyeIMGMouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !timer1_.isActive()) {
        return;
    }
    timer1_.stop();
    AddSampledColor();
    const QPoint window = SyncWindowPosition(*this);
    screen_.SetCursorPos(Point{window.x() + eyePnl_->x() + eyeImg_->width() / 2 + 6,
                               window.y() + eyePnl_->y() + eyeImg_->height() / 2 + 6});
}

void Form2::BeginBarPick() {
    ShowEyeDropper();
    Call(hooks_.pickStarting);
    timer1_.start();
    Call(hooks_.placeEyeDropper);
    Call(hooks_.placeQuickPalette);
}

void Form2::EndBarPick() {
    if (!timer1_.isActive()) {
        return;
    }
    timer1_.stop();
    AddSampledColor();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrlOnly = mods == Qt::ControlModifier;
    if (key == Qt::Key_F1 && hooks_.openHelp) {
        hooks_.openHelp("eyedrop.htm");
    }
    if (key == Qt::Key_Escape) {
        CloseEyeDropper();
    }
    const std::pair<int, std::function<void()>*> commands[] = {
        {Qt::Key_F3, &hooks_.optionsCommand},
        {Qt::Key_F4, &hooks_.eyeDropperCommand},
        {Qt::Key_F5, &hooks_.quickPaletteCommand},
        {Qt::Key_F6, &hooks_.testLayoutsCommand},
        {Qt::Key_F7, &hooks_.showColorProperties}};
    for (const auto& [commandKey, hook] : commands) {
        if (key == commandKey) {
            Call(*hook);
        }
    }
    const std::pair<int, NudgeDirection> arrows[] = {{Qt::Key_Left, NudgeDirection::Left},
                                                     {Qt::Key_Right, NudgeDirection::Right},
                                                     {Qt::Key_Up, NudgeDirection::Up},
                                                     {Qt::Key_Down, NudgeDirection::Down}};
    for (const auto& [arrowKey, direction] : arrows) {
        if (key == arrowKey) {
            RenderMagnifier(direction, 1);
            if (mods == Qt::ShiftModifier) {
                RenderMagnifier(direction, 5);
            }
        }
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ctrlOnly) {
        AddSampledColor();
    }
    if (key == Qt::Key_F10 && mods == Qt::ShiftModifier) {
        menus_.eyeMenu->popup(eyeMenuBtn_->mapToGlobal(QPoint(0, 0)));
    }
    if (ctrlOnly && key >= Qt::Key_1 && key <= Qt::Key_3 &&
        !(event->modifiers() & Qt::KeypadModifier)) {
        SetSamplingMode(key - Qt::Key_1);
    }
    if (ctrlOnly && key == Qt::Key_G) {
        ToggleGrid();
    }
    // The typed characters "+" and "-" step the zoom.
    const QString typed = event->text();
    if (typed == QStringLiteral("+")) {
        if (const auto zoom = ZoomInFrom(sampler_.State().zoomLevel)) {
            SetZoomLevel(*zoom);
        }
    } else if (typed == QStringLiteral("-")) {
        if (const auto zoom = ZoomOutFrom(sampler_.State().zoomLevel)) {
            SetZoomLevel(*zoom);
        }
    }
    event->accept();
}

void Form2::wheelEvent(QWheelEvent* event) {
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

void Form2::CollectSettings(Settings& settings) {
    const QPoint window = SyncWindowPosition(*this);
    settings.eyeTop = window.y();
    settings.eyeLeft = window.x();
    settings.lastEyeColor = sampler_.SampledColor();
    const MagnifierState& state = sampler_.State();
    settings.zoomLevel = state.zoomLevel;
    settings.samplingMode = state.samplingMode;
    settings.magnifierSize = state.magnifierSize;
    settings.showGrid = state.showGrid;
}

} // namespace twl

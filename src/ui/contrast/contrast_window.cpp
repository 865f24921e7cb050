#include "ui/contrast/contrast_window.h"

#include "core/color/color_convert.h"
#include "core/contrast/contrast.h"
#include "core/palette/palette_list.h"
#include "core/placement/window_position.h"
#include "core/settings/settings.h"
#include "platform/clipboard.h"
#include "platform/window_fonts.h"
#include "platform/window_position_sync.h"
#include "ui/bar/bar_pictures.h"
#include "ui/bar/palette_controller.h"
#include "ui/common/pressable_label.h"
#include "ui/common/simulate_items.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"
#include "ui/contrast/contrast_figures.h"
#include "ui/contrast/contrast_sample.h"
#include "ui/contrast/contrast_swatch.h"
#include "ui/quick_palette/quick_palette_glyphs.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace twl {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr int kSampleTop = 94, kSampleHeight = 64;
constexpr int kHeadingTop = 164, kFiguresTop = 180;
constexpr int kCaptionLeft = 10, kRealLeft = 146, kSimLeft = 222;

const QString kSilverText = QStringLiteral("color: rgb(192, 192, 192); background: transparent;");

QLabel* SilverLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                    bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TahomaFont(8, bold));
    label->setStyleSheet(kSilverText);
    label->setGeometry(place);
    return label;
}

// A text button in the tool windows' colours.
PressableLabel* TextButton(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* button = new PressableLabel(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(TahomaFont(8));
    button->setAlignment(Qt::AlignCenter);
    button->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192); background: rgb(32, 32, 32);"
                                         " border: 1px solid rgb(75, 75, 75);"));
    button->setGeometry(place);
    return button;
}

QString HexText(TColor color) {
    return QString::fromStdString(ColorToHashHex(color));
}

} // namespace

ContrastWindow::ContrastWindow(Settings& settings, PaletteController& palette, Clipboard& clipboard,
                               const ScreenInfo& screen)
    : ToolWindow(QStringLiteral("ContrastWindow")), settings_(settings), palette_(palette),
      clipboard_(clipboard), menus_(*this) {
    setWindowTitle(QStringLiteral("Contrast"));
    resize(kWidth, kHeight);
    BuildTitle();
    SetWindowMenu(menus_.WindowMenu());
    BuildColorRow(kText, 30);
    BuildColorRow(kBackground, 60);
    auto* swap = TextButton(this, "ContrastSwapBTN", QStringLiteral("Swap"), {232, 46, 56, 20});
    connect(swap, &PressableLabel::pressed, this, [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            Swap();
        }
    });

    sample_ = new ContrastSample(QStringLiteral("ContrastSamplePNL"), this);
    simSample_ = new ContrastSample(QStringLiteral("ContrastSimSamplePNL"), this);
    realHeading_ = SilverLabel(this, "ContrastRealLBL", QStringLiteral("Normal vision"),
                               {kRealLeft, kHeadingTop, 74, 14});
    simHeading_ = SilverLabel(this, "ContrastSimLBL", {}, {kSimLeft, kHeadingTop, 80, 14});
    ContrastFigures::AddCaptions(this, kCaptionLeft, kFiguresTop, kRealLeft - kCaptionLeft);
    figures_ = new ContrastFigures(QStringLiteral("Con"), this);
    figures_->move(kRealLeft, kFiguresTop);
    simFigures_ = new ContrastFigures(QStringLiteral("ConSim"), this);
    simFigures_->move(kSimLeft, kFiguresTop);
    BuildFixRow(kFiguresTop + ContrastFigures::kRows * ContrastFigures::kRowHeight + 8);

    if (settings.contrastText && settings.contrastBack) {
        following_ = false;
        colors_ = {*settings.contrastText, *settings.contrastBack};
    }
    RefreshFromPalette();
    ShowColorVision();

    if (settings.contrastTop && settings.contrastLeft) {
        placed_ = true;
        MoveToStoredPlace(ApplyStoredPosition(Point{x(), y()}, settings.contrastTop,
                                              settings.contrastLeft, screen));
    }
}

void ContrastWindow::BuildTitle() {
    auto* strip = new PressableLabel(this);
    strip->setObjectName(QStringLiteral("ContrastTitleIMG"));
    strip->setPixmap(TitleStrip(kWidth - 4, 21));
    strip->setGeometry(2, 2, kWidth - 4, 21);
    AddMoveHandle(strip);
    auto* title = new PressableLabel(QStringLiteral("Contrast"), this);
    title->setObjectName(QStringLiteral("ContrastTitleLBL"));
    title->setFont(TahomaFont(8, true));
    title->setStyleSheet(kSilverText);
    title->setGeometry(11, 4, 120, 14);
    AddMoveHandle(title);

    menuButton_ = new PressableLabel(this);
    menuButton_->setObjectName(QStringLiteral("ContrastMenuBTN"));
    menuButton_->setPixmap(MenuGlyph(16, 14));
    menuButton_->setGeometry(kWidth - 22, 5, 16, 14);
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });
}

void ContrastWindow::BuildColorRow(Side side, int top) {
    const bool text = side == kText;
    SilverLabel(this, text ? "ContrastTextCaptionLBL" : "ContrastBackCaptionLBL",
                text ? QStringLiteral("Text") : QStringLiteral("Background"),
                {10, top + 6, 70, 14});
    auto* swatch = new ContrastSwatch(
        text ? QStringLiteral("ContrastTextSWT") : QStringLiteral("ContrastBackSWT"), true, this);
    swatch->setGeometry(80, top, 26, 26);
    connect(swatch, &ContrastSwatch::slotDropped, this,
            [this, side] { SetColor(side, palette_.DraggedColor()); });
    connect(swatch, &ContrastSwatch::colorDropped, this,
            [this, side](TColor color) { SetColor(side, color); });
    swatches_[side] = swatch;

    auto* pick = new PressableLabel(this);
    pick->setObjectName(text ? QStringLiteral("ContrastTextPickBTN")
                             : QStringLiteral("ContrastBackPickBTN"));
    pick->setPixmap(EyeDropperPicture());
    pick->setGeometry(112, top, 25, 25);
    pick->setToolTip(QStringLiteral("Press and drag to pick a colour from the screen"));
    connect(pick, &PressableLabel::pressed, this, [this, side](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            emit pickPressed(side);
        }
    });
    connect(pick, &PressableLabel::released, this, [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            emit pickReleased();
        }
    });

    auto* hex = new QLineEdit(this);
    hex->setObjectName(text ? QStringLiteral("ContrastTextEDT")
                            : QStringLiteral("ContrastBackEDT"));
    hex->setFont(TahomaFont(8));
    hex->setGeometry(144, top + 3, 72, 20);
    hex->setMaxLength(7);
    // Only a click gives it the focus, so the window's own keys (Ctrl+C) work as it shows.
    hex->setFocusPolicy(Qt::ClickFocus);
    connect(hex, &QLineEdit::editingFinished, this, [this, side] { TakeHexText(side); });
    hexEdits_[side] = hex;
}

void ContrastWindow::BuildFixRow(int top) {
    const auto fixButton = [this, top](const char* name, const QString& text, int left, int width,
                                       int threshold) {
        connect(TextButton(this, name, text, {left, top, width, 20}), &PressableLabel::pressed,
                this, [this, threshold](QMouseEvent* event) {
                    if (event->button() == Qt::LeftButton) {
                        FixText(threshold);
                    }
                });
    };
    fixButton("ContrastFixAABTN", QStringLiteral("Fix text for AA"), 10, 112, kAaNormalText);
    fixButton("ContrastFixAAABTN", QStringLiteral("Fix text for AAA"), 128, 118, kAaaNormalText);
    fixSwatch_ = new ContrastSwatch(QStringLiteral("ContrastFixSWT"), false, this);
    fixSwatch_->setGeometry(256, top - 3, 26, 26);
    fixSwatch_->setToolTip(QStringLiteral("Click to add this colour to the palette"));
    connect(fixSwatch_, &ContrastSwatch::clicked, this, &ContrastWindow::AddFixToPalette);
    fixLabel_ = SilverLabel(this, "ContrastFixLBL", {}, {10, top + 26, kWidth - 20, 14});
}

ColorVision ContrastWindow::Vision() const {
    return ColorVisionOf(settings_.colorVision);
}

void ContrastWindow::SetColor(Side side, TColor color) {
    following_ = false;
    colors_[side] = color;
    fixThreshold_ = 0;
    ShowColors();
}

void ContrastWindow::Swap() {
    following_ = false;
    std::swap(colors_[kText], colors_[kBackground]);
    fixThreshold_ = 0;
    ShowColors();
}

void ContrastWindow::FollowPalette() {
    following_ = true;
    RefreshFromPalette();
}

void ContrastWindow::RefreshFromPalette() {
    if (following_) {
        const Palette& model = palette_.Model();
        colors_ = {model.LineColor(1).value_or(0), model.LineColor(2).value_or(kWhite)};
        if (model.Count() < 2) {
            colors_[kBackground] = kWhite;
        }
        fixThreshold_ = 0;
    }
    ShowColors();
}

void ContrastWindow::TakeHexText(Side side) {
    QString text = hexEdits_[side]->text().trimmed();
    if (text.startsWith(QLatin1Char('#'))) {
        text.remove(0, 1);
    }
    const std::string digits = text.toStdString();
    if (IsHexColorText(digits) && HexToColor(digits) != colors_[side]) {
        SetColor(side, HexToColor(digits));
    } else {
        hexEdits_[side]->setText(HexText(colors_[side]));
    }
}

void ContrastWindow::FixText(int thresholdHundredths) {
    fixThreshold_ = thresholdHundredths;
    ShowColors();
}

void ContrastWindow::AddFixToPalette() {
    if (fix_) {
        emit colorPicked(*fix_);
    }
}

void ContrastWindow::CopyReport() {
    clipboard_.SetText(ContrastReport(colors_[kText], colors_[kBackground]));
}

void ContrastWindow::SetColorVision(ColorVision vision) {
    settings_.colorVision = static_cast<int>(vision);
    ShowColorVision();
    emit colorVisionChanged();
}

void ContrastWindow::ShowColorVision() {
    CheckSimulateItem(menus_.Table(), Vision());
    ShowColors();
}

void ContrastWindow::ShowColors() {
    const TColor text = colors_[kText];
    const TColor background = colors_[kBackground];
    for (const Side side : {kText, kBackground}) {
        swatches_[side]->SetColor(colors_[side]);
        hexEdits_[side]->setText(HexText(colors_[side]));
    }
    menus_.Item("FollowPalette1")->setChecked(following_);

    const ColorVision vision = Vision();
    const bool simulating = vision != ColorVision::Normal;
    const int sampleWidth = simulating ? (kWidth - 24) / 2 : kWidth - 20;
    sample_->setGeometry(10, kSampleTop, sampleWidth, kSampleHeight);
    sample_->SetColors(text, background);
    simSample_->setGeometry(kWidth - 10 - sampleWidth, kSampleTop, sampleWidth, kSampleHeight);
    simSample_->setVisible(simulating);
    realHeading_->setVisible(simulating);
    simHeading_->setVisible(simulating);
    simFigures_->setVisible(simulating);
    figures_->ShowPair(text, background);
    if (simulating) {
        const TColor seenText = SimulateColorVision(text, vision);
        const TColor seenBackground = SimulateColorVision(background, vision);
        simSample_->SetColors(seenText, seenBackground);
        simFigures_->ShowPair(seenText, seenBackground);
        const std::string_view name = ColorVisionName(vision);
        simHeading_->setText(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    fix_.reset();
    fixSwatch_->setVisible(false);
    if (fixThreshold_ == 0) {
        fixLabel_->clear();
        return;
    }
    const QString level =
        fixThreshold_ == kAaaNormalText ? QStringLiteral("AAA") : QStringLiteral("AA");
    fix_ = FixTextColor(text, background, fixThreshold_);
    if (!fix_) {
        fixLabel_->setText(QStringLiteral("No text colour of this hue passes %1 here.").arg(level));
        return;
    }
    fixSwatch_->SetColor(*fix_);
    fixSwatch_->setVisible(true);
    const QString ratio = QString::fromStdString(RatioText(ContrastRatio(*fix_, background)));
    fixLabel_->setText(
        *fix_ == text ? QStringLiteral("The text already passes %1 at %2:1").arg(level, ratio)
                      : QStringLiteral("%1 passes %2 at %3:1").arg(HexText(*fix_), level, ratio));
}

void ContrastWindow::ShowContrast() {
    EnsureWindowFonts();
    placed_ = true;
    show();
    raise();
    activateWindow();
}

void ContrastWindow::CloseContrast() {
    hide();
}

void ContrastWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(mapToGlobal(menuButton_->pos()));
}

void ContrastWindow::CollectSettings(Settings& settings) {
    if (placed_) {
        const QPoint window = SyncWindowPosition(*this);
        settings.contrastTop = window.y();
        settings.contrastLeft = window.x();
    }
    settings.contrastText = following_ ? std::nullopt : std::optional<TColor>(colors_[kText]);
    settings.contrastBack = following_ ? std::nullopt : std::optional<TColor>(colors_[kBackground]);
}

} // namespace twl

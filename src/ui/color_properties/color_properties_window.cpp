#include "ui/color_properties/color_properties_window.h"

#include "core/color/color_adjust.h"
#include "core/color/color_convert.h"
#include "core/formats/format_list.h"
#include "core/placement/window_position.h"
#include "core/settings/settings.h"
#include "platform/qt_conversions.h"
#include "platform/window_position_sync.h"
#include "ui/bar/palette_controller.h"
#include "ui/common/color_copy.h"
#include "ui/common/filled_box.h"
#include "ui/common/pressable_label.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace twl {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kInvalidHex(255, 102, 102);
constexpr int kVariationLefts[kVariationCount] = {11, 33, 55, 77, 99, 121, 143};
constexpr int kVariationTop = 61;
constexpr QPoint kHexLabelPlace(58, 41);

QFont Tahoma() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}

void PaintSwatch(QWidget* swatch, TColor color) {
    QPalette colors = swatch->palette();
    colors.setColor(QPalette::Window, ToQColor(color));
    swatch->setPalette(colors);
}

} // namespace

ColorPropertiesWindow::ColorPropertiesWindow(Settings& settings, const FormatList& formats,
                                             PaletteController& palette, Clipboard& clipboard,
                                             const ScreenInfo& screen)
    : ToolWindow(QStringLiteral("Form3")), settings_(settings), formats_(formats),
      palette_(palette), clipboard_(clipboard), menus_(*this) {
    setWindowTitle(QStringLiteral("Color Properties"));
    resize(kWidth, kHeight);
    BuildComponents();
    SetWindowMenu(menus_.WindowMenu());

    // The stored position; the top is pulled back onto the screen, the left is kept unless
    // the window would show on no monitor.
    const Point place =
        ApplyStoredPosition(Point{x(), y()}, settings.propTop, settings.propLeft, screen);
    MoveToStoredPlace(place);

    menus_.Item("Snap1")->setChecked(settings.snapColorProp);
    menus_.Item("ShowWebSafeInfo1")->setChecked(settings.colPropShowWebSafeInfo);
    SetVariations(settings.showVariations);
    ShowColorProperties(shownColor_);
}

void ColorPropertiesWindow::BuildComponents() {
    swatchFrame_ = new FilledBox(this, QStringLiteral("PropColPNL"), Qt::white, kGrey);
    swatchFrame_->setGeometry(11, 14, 40, 40);
    // Presses on the swatch go on to the window: they end the HEX edit and move the window.
    swatch_ = new FilledBox(swatchFrame_, QStringLiteral("PropCol"), Qt::black);
    swatch_->setGeometry(2, 2, 37, 37);

    webSafeWarning_ = new PressableLabel(swatchFrame_);
    webSafeWarning_->setObjectName(QStringLiteral("PropWSIMG"));
    webSafeWarning_->setPixmap(WebSafeWarningIcon());
    webSafeWarning_->setGeometry(22, 22, 15, 15);
    webSafeWarning_->setToolTip(QStringLiteral("Not a web safe color! \nClick to make web safe."));
    webSafeWarning_->hide();
    connect(webSafeWarning_, &PressableLabel::pressed, this, [] {});
    connect(webSafeWarning_, &PressableLabel::released, this,
            &ColorPropertiesWindow::MakeSelectedWebSafe);

    BuildValueLabels();
    BuildHexEditor();

    menuButton_ = new PressableLabel(this);
    menuButton_->setObjectName(QStringLiteral("PropMenuBTN"));
    menuButton_->setPixmap(MenuGlyph(13, 9));
    menuButton_->setGeometry(154, 6, 13, 9);
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });

    BuildVariations();
}

void ColorPropertiesWindow::BuildValueLabels() {
    const char* names[] = {"PropRGBLBL", "PropHSLLBL", "PropHEXLBL"};
    const int tops[] = {14, 28, 41};
    for (std::size_t i = 0; i < valueLabels_.size(); ++i) {
        auto* label = new PressableLabel(this);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setFont(Tahoma());
        SetTextColor(*label, QColor(192, 192, 192));
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(QStringLiteral("Click to copy color value."));
        // Placed by hand: measuring the text would load the fonts while the window is hidden.
        label->setGeometry(58, tops[i], 112, 13);
        connect(label, &PressableLabel::pressed, this, [this, label](QMouseEvent* event) {
            if (event->button() == Qt::LeftButton) {
                CopyTextToClipboard(clipboard_, label->text().toStdString());
            }
        });
        valueLabels_[i] = label;
    }
    PressableLabel* hexLabel = valueLabels_[2];
    hexLabel->setToolTip(
        QStringLiteral("Right-click to edit hex value \nor click to copy color value."));
    connect(hexLabel, &PressableLabel::released, this, [this, hexLabel](QMouseEvent* event) {
        if (event->button() == Qt::RightButton &&
            hexLabel->rect().contains(event->position().toPoint())) {
            OpenHexEditor();
        }
    });
}

void ColorPropertiesWindow::BuildHexEditor() {
    hexEditor_ = new QLineEdit(this);
    hexEditor_->setObjectName(QStringLiteral("PropHEXEDT"));
    hexEditor_->setFont(Tahoma());
    hexEditor_->setGeometry(QRect(kHexLabelPlace, QSize(97, 17)));
    hexEditor_->setFocusPolicy(Qt::ClickFocus); // the Tab key passes it by
    hexEditor_->setEnabled(false);
    hexEditor_->hide();
    hexEditor_->installEventFilter(this);
    connect(hexEditor_, &QLineEdit::textChanged, this, &ColorPropertiesWindow::CheckHexText);
}

void ColorPropertiesWindow::BuildVariations() {
    for (std::size_t i = 0; i < variationFrames_.size(); ++i) {
        const QString number = QString::number(i + 1);
        auto* frame = new FilledBox(this, QStringLiteral("V%1PNL").arg(number), Qt::white, kGrey);
        frame->setGeometry(kVariationLefts[i], kVariationTop, 18, 18);
        frame->hide();
        auto* swatch = new PressableLabel(frame);
        swatch->setObjectName(QStringLiteral("V%1").arg(number));
        swatch->setGeometry(2, 2, 15, 15);
        swatch->setAutoFillBackground(true);
        swatch->setMouseTracking(true);
        connect(swatch, &PressableLabel::moved, this, [this, i] { HoverVariation(i); });
        connect(swatch, &PressableLabel::pressed, this,
                [this, i](QMouseEvent* event) { OnVariationPress(i, event); });
        // Any button's release adds the swatch's colour.
        connect(swatch, &PressableLabel::released, this,
                [this, i] { emit colorPicked(variations_[i]); });
        variationFrames_[i] = frame;
        variationSwatches_[i] = swatch;
    }
}

void ColorPropertiesWindow::ShowColorProperties(TColor color) {
    shownColor_ = color;
    swatch_->SetFill(ToQColor(color));
    const std::string* names[] = {&settings_.colPropFormat1, &settings_.colPropFormat2,
                                  &settings_.colPropFormat3};
    for (std::size_t i = 0; i < valueLabels_.size(); ++i) {
        valueLabels_[i]->setText(
            QString::fromStdString(formats_.FormatColorByName(color, *names[i])));
    }
    // Kept up to date while the strip is hidden, so showing it shows this colour's at once.
    variations_ = LightnessVariations(color);
    for (std::size_t i = 0; i < variations_.size(); ++i) {
        PaintSwatch(variationSwatches_[i], variations_[i]);
    }
    if (settings_.colPropShowWebSafeInfo) {
        webSafeWarning_->setVisible(!IsWebSafe(color));
    }
}

void ColorPropertiesWindow::ReplaceSelected(const std::string& text) {
    // The palette repaints its slots and shows the slot's new colour here.
    palette_.ReplaceSelectedColor(text);
}

void ColorPropertiesWindow::Lighten() {
    ReplaceSelected(LightenColor(shownColor_, kAdjustStep));
}

void ColorPropertiesWindow::Darken() {
    ReplaceSelected(DarkenColor(shownColor_, kAdjustStep));
}

void ColorPropertiesWindow::Saturate() {
    ReplaceSelected(SaturateColor(shownColor_, kAdjustStep));
}

void ColorPropertiesWindow::Desaturate() {
    ReplaceSelected(DesaturateColor(shownColor_, kAdjustStep));
}

void ColorPropertiesWindow::MakeSelectedWebSafe() {
    // The slot's own colour, which may differ from the one shown.
    if (const auto color = palette_.Model().LineColor(palette_.SelectedSlot())) {
        ReplaceSelected(ColorToText(SnapToWebSafe(*color)));
    }
}

void ColorPropertiesWindow::SetVariations(bool on) {
    menus_.Item("ShowVariations1")->setChecked(on);
    settings_.showVariations = on;
    for (FilledBox* frame : variationFrames_) {
        frame->setVisible(on);
    }
    ResizeInPlace(*this, kWidth, on ? kHeightWithVariations : kHeight);
}

void ColorPropertiesWindow::SetWebSafeInfo(bool on) {
    menus_.Item("ShowWebSafeInfo1")->setChecked(on);
    settings_.colPropShowWebSafeInfo = on;
    webSafeWarning_->setVisible(on && !IsWebSafe(shownColor_));
}

void ColorPropertiesWindow::SetAutoPosition(bool on) {
    menus_.Item("Snap1")->setChecked(on);
    settings_.snapColorProp = on;
}

void ColorPropertiesWindow::CloseColorProperties() {
    hide();
}

void ColorPropertiesWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, 0)));
}

void ColorPropertiesWindow::HoverVariation(std::size_t index) {
    hovered_ = Hovered{index, variations_[index]};
}

void ColorPropertiesWindow::OnVariationPress(std::size_t index, QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        return;
    }
    // A press is over its swatch, so with no move seen yet that swatch is the hovered one.
    if (!hovered_) {
        HoverVariation(index);
    }
    const QWidget* frame = variationFrames_[hovered_->index];
    const QWidget* swatch = variationSwatches_[hovered_->index];
    menus_.VariationMenu()->popup(SyncWindowPosition(*this) + frame->pos() + swatch->pos() +
                                  QPoint(8, 8));
}

void ColorPropertiesWindow::CopyHoveredAs(const char* formatName) {
    if (hovered_) {
        CopyColorAs(clipboard_, formats_, hovered_->color, formatName);
    }
}

void ColorPropertiesWindow::CopyHoveredSwatch() {
    if (hovered_) {
        emit colorSwatchRequested(hovered_->color);
    }
}

void ColorPropertiesWindow::OpenHexEditor() {
    hexEditor_->move(kHexLabelPlace);
    hexEditor_->setEnabled(true);
    hexEditor_->setText(QString::fromStdString(ColorToHexTriplet(shownColor_)));
    hexEditor_->show();
}

void ColorPropertiesWindow::CheckHexText() {
    QPalette colors = hexEditor_->palette();
    const bool valid = HexEditColor(hexEditor_->text().toStdString()).has_value();
    colors.setColor(QPalette::Base,
                    valid ? QApplication::palette(hexEditor_).color(QPalette::Base) : kInvalidHex);
    hexEditor_->setPalette(colors);
}

void ColorPropertiesWindow::EndHexEdit() {
    if (!hexEditor_->isEnabled()) {
        return;
    }
    // Disabled first: the focus leaving the field as it closes ends nothing a second time.
    const QString text = hexEditor_->text();
    hexEditor_->setEnabled(false);
    hexEditor_->hide();
    ApplyHexEdit(text);
}

void ColorPropertiesWindow::ApplyHexEdit(const QString& text) {
    const auto color = HexEditColor(text.toStdString());
    if (!color) {
        return;
    }
    ShowColorProperties(*color);
    ReplaceSelected(ColorToText(*color));
}

bool ColorPropertiesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == hexEditor_) {
        if (event->type() == QEvent::FocusOut) {
            EndHexEdit();
        } else if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                EndHexEdit();
            }
        }
        return false;
    }
    return ToolWindow::eventFilter(watched, event);
}

void ColorPropertiesWindow::mousePressEvent(QMouseEvent* event) {
    EndHexEdit();
    ToolWindow::mousePressEvent(event);
}

void ColorPropertiesWindow::CollectSettings(Settings& settings) {
    const QPoint window = SyncWindowPosition(*this);
    settings.propTop = window.y();
    settings.propLeft = window.x();
}

} // namespace twl

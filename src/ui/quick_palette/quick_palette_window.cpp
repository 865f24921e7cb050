#include "ui/quick_palette/quick_palette_window.h"

#include "core/placement/window_position.h"
#include "core/quick_palette/named_colors.h"
#include "core/quick_palette/quick_palette_pictures.h"
#include "core/settings/settings.h"
#include "platform/qt_conversions.h"
#include "platform/screen_reader.h"
#include "platform/window_position_sync.h"
#include "ui/common/filled_box.h"
#include "ui/common/pressable_label.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"
#include "ui/quick_palette/named_color_delegate.h"
#include "ui/quick_palette/quick_palette_glyphs.h"

#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace twl {

namespace {

const QColor kGrey(128, 128, 128);
const char* const kSilverText = "color: rgb(192, 192, 192);";

QFont Tahoma(bool bold = false) {
    return TahomaFont(8, bold);
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setFont(Tahoma());
    label->setStyleSheet(QString::fromLatin1(kSilverText));
    label->setGeometry(place);
    return label;
}

QPixmap ToPixmap(const PixelImage& picture) {
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.width * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(image.copy());
}

} // namespace

QuickPaletteWindow::QuickPaletteWindow(Settings& settings, ScreenReader& screen,
                                       std::vector<std::string> namedColors,
                                       const ScreenInfo& screenInfo)
    : ToolWindow(QStringLiteral("Form4")), settings_(settings), screen_(screen),
      namedColors_(std::move(namedColors)), menus_(*this) {
    setWindowTitle(QStringLiteral("Quick Color Palette"));
    resize(kWidth, kHeight);
    BuildTitle();
    BuildPalettePanel();
    BuildNamedColorsPanel();
    SetWindowMenu(menus_.WindowMenu());

    // The stored position; a top below the desktop becomes half its height, the left is kept
    // unless the window would show on no monitor.
    const Point place =
        ApplyStoredPosition(Point{x(), y()}, settings.quiTop, settings.quiLeft, screenInfo);
    MoveToStoredPlace(place);
    menus_.Item("Snap1")->setChecked(settings.snapQuickPal);
    SetQuickPaletteMode(QuickPaletteMode::Palette);
}

void QuickPaletteWindow::BuildTitle() {
    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("QuiTitleIMG"));
    strip->setPixmap(TitleStrip(210, 21));
    strip->setGeometry(-8, 2, 210, 21);
    AddMoveHandle(strip);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("QuiTitleLBL"));
    title_->setFont(Tahoma(true));
    title_->setStyleSheet(QString::fromLatin1(kSilverText));
    title_->setGeometry(11, 4, 140, 14);
    AddMoveHandle(title_);

    auto* swap = new PressableLabel(this);
    swap->setObjectName(QStringLiteral("SwapBTN"));
    swap->setPixmap(SwapGlyph(16, 14));
    swap->setGeometry(154, 5, 16, 14);
    connect(swap, &PressableLabel::pressed, this, [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            Swap();
        }
    });

    menuButton_ = new PressableLabel(this);
    menuButton_->setObjectName(QStringLiteral("QuiMenuBTN"));
    menuButton_->setPixmap(MenuGlyph(16, 14));
    menuButton_->setGeometry(170, 5, 16, 14);
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });
}

PressableLabel* QuickPaletteWindow::AddPicture(QWidget* panel, const char* name, QRect frame,
                                               bool webSafe) {
    auto* box = new FilledBox(panel, QString(), Qt::white, kGrey);
    box->setGeometry(frame);
    auto* picture = new PressableLabel(box);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(2, 2, frame.width() - 4, frame.height() - 4);
    picture->setScaledContents(true);
    picture->setMouseTracking(true);
    connect(picture, &PressableLabel::moved, this, [this, webSafe] { HoverPicture(webSafe); });
    connect(picture, &PressableLabel::pressed, this,
            [this, webSafe](QMouseEvent* event) { PressPicture(webSafe, *event); });
    return picture;
}

void QuickPaletteWindow::BuildPalettePanel() {
    palettePanel_ = new QWidget(this);
    palettePanel_->setObjectName(QStringLiteral("QCPPNL"));
    palettePanel_->setGeometry(3, 25, 190, 250);
    AddMoveHandle(palettePanel_);

    AddLabel(palettePanel_, QStringLiteral("Color Spectrum"), QRect(8, 0, 120, 14));
    // The spectrum's 115 columns are stretched to 172.
    AddPicture(palettePanel_, "plt1IMG", QRect(7, 17, 176, 67), false)
        ->setPixmap(ToPixmap(SpectrumPicture()));
    AddLabel(palettePanel_, QStringLiteral("Web Safe Palette"), QRect(8, 91, 120, 14));
    AddPicture(palettePanel_, "plt2IMG", QRect(7, 107, 176, 113), true)
        ->setPixmap(ToPixmap(WebSafePicture()));

    auto* swatchFrame = new FilledBox(palettePanel_, QString(), Qt::white, kGrey);
    swatchFrame->setGeometry(7, 227, 18, 18);
    swatch_ = new FilledBox(swatchFrame, QStringLiteral("QuiCol"), QColor(0, 255, 0));
    swatch_->setGeometry(2, 2, 15, 15);

    colorLine_ = AddLabel(palettePanel_, QStringLiteral("Move mouse over a color."),
                          QRect(31, 230, 149, 14));
    colorLine_->setObjectName(QStringLiteral("QuiColLBL"));
}

void QuickPaletteWindow::BuildNamedColorsPanel() {
    namedColorsPanel_ = new QWidget(this);
    namedColorsPanel_->setObjectName(QStringLiteral("NAMCOPNL"));
    namedColorsPanel_->setGeometry(3, 27, 189, 249);
    AddMoveHandle(namedColorsPanel_);

    namedList_ = new QListWidget(namedColorsPanel_);
    namedList_->setObjectName(QStringLiteral("NamCoLB"));
    namedList_->setGeometry(6, 0, 178, 225);
    namedList_->setFrameShape(QFrame::NoFrame);
    namedList_->setFont(Tahoma());
    namedList_->setUniformItemSizes(true);
    // Every name fits the list. Laid out while the window is hidden, before its fonts are there,
    // the rows measured wider than they are and a bar covered the last row until a filter change.
    namedList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    namedList_->setStyleSheet(QStringLiteral("QListWidget { background: white; }"));
    namedList_->setItemDelegate(new NamedColorDelegate(namedList_));
    namedList_->installEventFilter(this);
    connect(namedList_, &QListWidget::itemDoubleClicked, this,
            &QuickPaletteWindow::AddSelectedNamedColor);

    AddLabel(namedColorsPanel_, QStringLiteral("Search:"), QRect(32, 230, 40, 14));
    filter_ = new QLineEdit(namedColorsPanel_);
    filter_->setObjectName(QStringLiteral("filterEDT"));
    filter_->setGeometry(73, 229, 94, 15);
    filter_->setFrame(false);
    filter_->setFont(Tahoma());
    filter_->installEventFilter(this);
    connect(filter_, &QLineEdit::textChanged, this, &QuickPaletteWindow::ApplyFilter);
    auto* icon = new QLabel(namedColorsPanel_);
    icon->setPixmap(SearchIcon());
    icon->setGeometry(169, 228, 16, 16);

    ApplyFilter(QString());
    SetFilterBackground(kFilterIdleColor);
    namedColorsPanel_->hide();
    namedColorsPanel_->setEnabled(false);
}

void QuickPaletteWindow::SetQuickPaletteMode(QuickPaletteMode mode) {
    mode_ = mode;
    const bool named = mode == QuickPaletteMode::NamedColors;
    namedColorsPanel_->setVisible(named);
    namedColorsPanel_->setEnabled(named);
    palettePanel_->setVisible(!named);
    QAction* add = menus_.Item("AddColortoPalette1");
    add->setVisible(named);
    add->setEnabled(named);
    title_->setText(named ? QStringLiteral("Named Colors") : QStringLiteral("Quick Color Palette"));
    menus_.Item("Close1")->setText(named ? QStringLiteral("Close Named Colors")
                                         : QStringLiteral("Close Quick Color Palette"));
    if (named) {
        namedList_->setFocus();
    }
}

void QuickPaletteWindow::Swap() {
    SetQuickPaletteMode(mode_ == QuickPaletteMode::Palette ? QuickPaletteMode::NamedColors
                                                           : QuickPaletteMode::Palette);
}

std::optional<TColor> QuickPaletteWindow::PointerColor(bool webSafe) {
    const Point pointer = screen_.CursorPos();
    SourceBlock block;
    screen_.Read(Rect{pointer.x, pointer.y, 1, 1}, block);
    const std::uint32_t pixel = block.At(pointer.x, pointer.y);
    if (pixel == kOutsidePixel) {
        return std::nullopt;
    }
    const TColor color =
        MakeColor(int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF));
    if (webSafe && color == kWebSafeGridColor) {
        return std::nullopt;
    }
    return color;
}

void QuickPaletteWindow::HoverPicture(bool webSafe) {
    if (const auto color = PointerColor(webSafe)) {
        swatch_->SetFill(ToQColor(*color));
        colorLine_->setText(QString::fromStdString(QuickColorText(*color)));
    }
}

void QuickPaletteWindow::PressPicture(bool webSafe, const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    if (const auto color = PointerColor(webSafe)) {
        emit colorPicked(*color);
    }
}

void QuickPaletteWindow::ApplyFilter(const QString& text) {
    const std::vector<std::string> lines = FilterNamedColors(namedColors_, text.toStdString());
    namedList_->clear();
    for (const std::string& line : lines) {
        namedList_->addItem(QString::fromStdString(line));
    }
    SetFilterBackground(FilterBoxColor(lines.size()));
}

void QuickPaletteWindow::SetFilterBackground(TColor color) {
    QPalette colors = filter_->palette();
    colors.setColor(QPalette::Base, ToQColor(color));
    filter_->setPalette(colors);
}

void QuickPaletteWindow::AddSelectedNamedColor() {
    const QListWidgetItem* item = namedList_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    emit colorPicked(NamedColorValue(item->text().toStdString()));
}

void QuickPaletteWindow::SetAutoPosition(bool on) {
    menus_.Item("Snap1")->setChecked(on);
    settings_.snapQuickPal = on;
}

void QuickPaletteWindow::CloseQuickPalette() {
    hide();
}

void QuickPaletteWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, 0)));
}

void QuickPaletteWindow::keyPressEvent(QKeyEvent* event) {
    HandleKey(*event);
    event->accept();
}

bool QuickPaletteWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == namedList_ || watched == filter_) {
        // The window's keys come before the list's and the search box's own.
        if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
        if (watched == filter_ && event->type() == QEvent::FocusIn) {
            SetFilterBackground(kFilterMatchColor);
        } else if (watched == filter_ && event->type() == QEvent::FocusOut) {
            SetFilterBackground(kFilterIdleColor);
        } else if (watched == namedList_ && event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & Qt::ControlModifier)) {
                AddSelectedNamedColor();
            }
        }
        return false;
    }
    return ToolWindow::eventFilter(watched, event);
}

void QuickPaletteWindow::CollectSettings(Settings& settings) {
    const QPoint window = SyncWindowPosition(*this);
    settings.quiTop = window.y();
    settings.quiLeft = window.x();
}

} // namespace twl

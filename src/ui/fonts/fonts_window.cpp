#include "ui/fonts/fonts_window.h"

#include "ui/common/filled_box.h"
#include "ui/common/pressable_label.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"
#include "ui/eye_dropper/eye_dropper_pictures.h"
#include "ui/fonts/font_preview_delegate.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>

#include <algorithm>
#include <utility>

namespace twl {

namespace {

QFont Tahoma(bool bold) {
    return TahomaFont(8, bold);
}

const QString kSilverText = QStringLiteral("color: rgb(192, 192, 192); background: transparent;");

QListWidget* WhiteList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFrameShape(QFrame::NoFrame);
    QPalette colors = list->palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    list->setPalette(colors);
    return list;
}

} // namespace

FontsWindow::FontsWindow(std::filesystem::path samplesFile, QWidget* parent)
    : ToolWindow(QStringLiteral("Form5"), parent), samplesFile_(std::move(samplesFile)),
      samples_(SampleTexts::Load(samplesFile_)), menus_(*this) {
    setWindowTitle(QStringLiteral("RudazA"));
    BuildComponents();
    SetWindowMenu(menus_.WindowMenu());
    resize(kWidth, kHeight);
}

void FontsWindow::BuildComponents() {
    auto* titlePicture = new PressableLabel(this);
    titlePicture->setObjectName(QStringLiteral("FontsTitleIMG"));
    titlePicture->setPixmap(EyeTitlePicture(322, 22));
    titlePicture->setScaledContents(true);
    Anchor(titlePicture, {2, 2, 322, 22}, true, true, true, false);
    AddMoveHandle(titlePicture);

    auto* titleLabel = new PressableLabel(QStringLiteral("nothing to see here!"), this);
    titleLabel->setObjectName(QStringLiteral("FontsTitleLBL"));
    titleLabel->setFont(Tahoma(true));
    titleLabel->setStyleSheet(kSilverText);
    // Placed by hand: measuring the text would load the fonts while the window is still hidden.
    titleLabel->setGeometry(11, 4, 150, 14);
    AddMoveHandle(titleLabel);

    const QColor frame(75, 75, 75);
    Anchor(new FilledBox(this, QStringLiteral("kenarUst"), frame), {0, 0, kWidth, 2}, true, true,
           true, false);
    Anchor(new FilledBox(this, QStringLiteral("kenarAlt"), frame), {0, kHeight - 2, kWidth, 2},
           true, false, true, true);
    Anchor(new FilledBox(this, QStringLiteral("kenarSol"), frame), {0, 0, 2, kHeight}, true, true,
           false, true);
    Anchor(new FilledBox(this, QStringLiteral("kenarSag"), frame), {kWidth - 2, 0, 2, kHeight},
           false, true, true, true);

    menuButton_ = AddButton("FontsMenuBTN", MenuGlyph(16, 14), 277, 5);
    Anchor(menuButton_, {277, 5, 16, 14}, false, true, true, false);
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });

    fontList_ = WhiteList(this, "ListBox1");
    fontList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Anchor(fontList_, {8, 32, 153, 409}, true, true, false, true);
    connect(fontList_, &QListWidget::itemSelectionChanged, this, &FontsWindow::RefreshPreview);

    preview_ = WhiteList(this, "ListBox2");
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->setFocusPolicy(Qt::NoFocus);
    delegate_ = new FontPreviewDelegate(preview_);
    delegate_->SetSample(QString::fromLocal8Bit(samples_.Current()));
    delegate_->SetPointSize(previewSize_);
    preview_->setItemDelegate(delegate_);
    Anchor(preview_, {168, 32, 281, 409}, true, true, true, true);

    const auto pressedLeft = [](auto run) {
        return [run](QMouseEvent* event) {
            if (event->button() == Qt::LeftButton) {
                run();
            }
        };
    };
    PressableLabel* previous = AddButton("TextPrevBTN", ArrowGlyph(16, 14, true), 171, 447);
    Anchor(previous, {171, 447, 16, 14}, false, false, true, true);
    connect(previous, &PressableLabel::pressed, this, pressedLeft([this] { PreviousSample(); }));
    PressableLabel* next = AddButton("TextNextBTN", ArrowGlyph(16, 14, false), 384, 447);
    Anchor(next, {384, 447, 16, 14}, false, false, true, true);
    connect(next, &PressableLabel::pressed, this, pressedLeft([this] { NextSample(); }));

    textLabel_ = new PressableLabel(QStringLiteral("........"), this);
    textLabel_->setObjectName(QStringLiteral("textLBL"));
    textLabel_->setFont(Tahoma(false));
    textLabel_->setStyleSheet(kSilverText);
    textLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Anchor(textLabel_, {192, 447, 185, 14}, false, false, true, true);

    sizeLabel_ = new PressableLabel(QString::number(previewSize_), this);
    sizeLabel_->setObjectName(QStringLiteral("sizeLBL"));
    sizeLabel_->setFont(Tahoma(false));
    sizeLabel_->setStyleSheet(kSilverText);
    sizeLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sizeLabel_->setCursor(Qt::PointingHandCursor);
    sizeLabel_->setToolTip(QStringLiteral("Click to view font size slider."));
    Anchor(sizeLabel_, {408, 447, 33, 14}, false, false, true, true);
    connect(sizeLabel_, &PressableLabel::pressed, this,
            pressedLeft([this] { ToggleSizeSlider(); }));

    // The slider starts at the size the label shows, so the two never disagree.
    sizeSlider_ = new QSlider(Qt::Vertical, this);
    sizeSlider_->setObjectName(QStringLiteral("sizeTB1"));
    sizeSlider_->setRange(kMinimumSize, kMaximumSize);
    sizeSlider_->setSingleStep(1);
    sizeSlider_->setValue(previewSize_);
    sizeSlider_->hide();
    sizeSlider_->setEnabled(false);
    sizeSlider_->installEventFilter(this);
    Anchor(sizeSlider_, {418, 269, 15, 177}, false, false, true, true);
    connect(sizeSlider_, &QSlider::valueChanged, this, &FontsWindow::SetPreviewSize);
}

void FontsWindow::Anchor(QWidget* widget, QRect design, bool left, bool top, bool right,
                         bool bottom) {
    widget->setGeometry(design);
    anchored_.push_back({widget, design, left, top, right, bottom});
}

PressableLabel* FontsWindow::AddButton(const char* name, QPixmap glyph, int left, int top) {
    auto* button = new PressableLabel(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setPixmap(glyph);
    button->setGeometry(left, top, 16, 14);
    return button;
}

void FontsWindow::resizeEvent(QResizeEvent* event) {
    const int grownX = width() - kWidth;
    const int grownY = height() - kHeight;
    for (const Anchored& a : anchored_) {
        QRect place = a.design;
        if (a.right && a.left) {
            place.setWidth(place.width() + grownX);
        } else if (a.right) {
            place.translate(grownX, 0);
        }
        if (a.bottom && a.top) {
            place.setHeight(place.height() + grownY);
        } else if (a.bottom) {
            place.translate(0, grownY);
        }
        a.widget->setGeometry(place);
    }
    ToolWindow::resizeEvent(event);
}

void FontsWindow::showEvent(QShowEvent* event) {
    if (!fontsListed_) {
        FillFontList();
    }
    ToolWindow::showEvent(event);
}

void FontsWindow::FillFontList() {
    fontsListed_ = true;
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) {
            families.push_back(family);
        }
    }
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    families.prepend(QStringLiteral("Default"));
    fontList_->addItems(families);
}

void FontsWindow::RefreshPreview() {
    const QModelIndex top = preview_->indexAt(QPoint(0, 0));
    QStringList selected;
    for (int row = 0; row < fontList_->count(); ++row) {
        if (fontList_->item(row)->isSelected()) {
            selected.push_back(fontList_->item(row)->text());
        }
    }
    preview_->setUpdatesEnabled(false);
    preview_->clear();
    preview_->addItems(selected);
    if (top.isValid() && top.row() < preview_->count()) {
        preview_->scrollToItem(preview_->item(top.row()), QAbstractItemView::PositionAtTop);
    }
    preview_->setUpdatesEnabled(true);
}

void FontsWindow::ShowSample(const std::string& sample) {
    const QString text = QString::fromLocal8Bit(sample);
    textLabel_->setText(text);
    delegate_->SetSample(text);
    RefreshPreview();
}

void FontsWindow::NextSample() {
    ShowSample(samples_.Next());
}

void FontsWindow::PreviousSample() {
    ShowSample(samples_.Previous());
}

void FontsWindow::SetPreviewSize(int pointSize) {
    previewSize_ = std::clamp(pointSize, kMinimumSize, kMaximumSize);
    sizeLabel_->setText(QString::number(previewSize_));
    delegate_->SetPointSize(previewSize_);
    RefreshPreview();
}

void FontsWindow::ToggleSizeSlider() {
    if (sizeSlider_->isHidden()) {
        sizeSlider_->show();
        sizeSlider_->setEnabled(true);
        sizeSlider_->raise();
        sizeSlider_->setFocus();
    } else {
        HideSizeSlider();
    }
}

void FontsWindow::HideSizeSlider() {
    sizeSlider_->hide();
    sizeSlider_->setEnabled(false);
}

void FontsWindow::mousePressEvent(QMouseEvent* event) {
    if (!sizeSlider_->isHidden()) {
        HideSizeSlider();
    }
    ToolWindow::mousePressEvent(event);
}

bool FontsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sizeSlider_) {
        if (event->type() == QEvent::FocusOut) {
            HideSizeSlider();
        }
        return false;
    }
    return ToolWindow::eventFilter(watched, event);
}

void FontsWindow::Maximize() {
    if (isMaximized()) {
        showNormal();
    } else {
        showMaximized();
    }
}

void FontsWindow::CloseFonts() {
    hide();
}

void FontsWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(mapToGlobal(menuButton_->pos()));
}

bool FontsWindow::SaveSamples() const {
    return samples_.Save(samplesFile_);
}

} // namespace twl

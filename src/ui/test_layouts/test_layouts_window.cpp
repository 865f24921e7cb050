#include "ui/test_layouts/test_layouts_window.h"

#include "core/base/text_file.h"
#include "core/layout/layout_files.h"
#include "core/placement/window_position.h"
#include "core/settings/settings.h"
#include "core/startup/data_folders.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/qt_conversions.h"
#include "platform/window_position_sync.h"
#include "ui/bar/palette_controller.h"
#include "ui/common/filled_box.h"
#include "ui/common/image_files.h"
#include "ui/common/pressable_label.h"
#include "ui/common/simulate_items.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"
#include "ui/eye_dropper/eye_dropper_pictures.h"
#include "ui/test_layouts/layout_area_view.h"
#include "ui/test_layouts/layout_preview.h"

#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace twl {

namespace {

QFont Tahoma(bool bold) {
    return TahomaFont(8, bold);
}

const QString kSilverText = QStringLiteral("color: rgb(192, 192, 192); background: transparent;");

} // namespace

TestLayoutsWindow::TestLayoutsWindow(Settings& settings, const DataFolders& folders,
                                     PaletteController& palette, Clipboard& clipboard,
                                     Dialogs& dialogs, const ScreenInfo& screen)
    : ToolWindow(QStringLiteral("Form6")), settings_(settings), folders_(folders),
      palette_(palette), clipboard_(clipboard), dialogs_(dialogs), menus_(*this),
      imageDialog_(dialogs, "Bitmap Image|*.bmp|PNG Image|*.png|GIF Image|*.gif", ".bmp") {
    setWindowTitle(QStringLiteral("Test Layouts"));
    resize(kWidth, kHeight);
    BuildComponents();
    SetWindowMenu(menus_.WindowMenu());

    layoutFiles_ = CollectLayoutFiles(folders_.userDataFolder, folders_.programFolder);
    RefreshLayoutColors(true);

    const Point place =
        ApplyStoredPosition(Point{x(), y()}, settings.testTop, settings.testLeft, screen);
    MoveToStoredPlace(place);
    menus_.Item("Snap1")->setChecked(settings.snapTest);
    menus_.Item("AutoColor1")->setChecked(settings.testAutoColor);
    CheckSimulateItem(menus_.Table(), ColorVisionOf(settings.colorVision));
}

void TestLayoutsWindow::BuildComponents() {
    auto* titlePicture = new PressableLabel(this);
    titlePicture->setObjectName(QStringLiteral("TestTitleIMG"));
    titlePicture->setPixmap(EyeTitlePicture(210, 21));
    titlePicture->setGeometry(-19, 2, 210, 21);
    AddMoveHandle(titlePicture);

    auto* titleLabel = new PressableLabel(QStringLiteral("Test Layouts"), this);
    titleLabel->setObjectName(QStringLiteral("TestTitleLBL"));
    titleLabel->setFont(Tahoma(true));
    titleLabel->setStyleSheet(kSilverText);
    // Placed by hand: measuring the text would load the fonts while the window is still hidden.
    titleLabel->setGeometry(11, 4, 120, 14);
    AddMoveHandle(titleLabel);

    // The frame on top of the title picture, which starts left of the window.
    const QColor frame(75, 75, 75);
    const QRect strips[] = {{0, 0, kWidth, 2},
                            {0, kHeight - 2, kWidth, 2},
                            {0, 0, 2, kHeight},
                            {kWidth - 2, 0, 2, kHeight}};
    const char* stripNames[] = {"kenarUst", "kenarAlt", "kenarSol", "kenarSag"};
    for (int i = 0; i < 4; ++i) {
        auto* strip = new FilledBox(this, QString::fromLatin1(stripNames[i]), frame);
        strip->setGeometry(strips[i]);
    }

    menuButton_ = AddButton("TestMenuBTN", MenuGlyph(16, 14), 143, 5);
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });

    preview_ = new LayoutPreview(this);
    preview_->move(10, 27);
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        LayoutAreaView* area = preview_->Area(i);
        connect(area, &LayoutAreaView::slotDropped, this,
                [this](int index) { SetAreaColor(index, palette_.DraggedColor()); });
        connect(area, &LayoutAreaView::colorDropped, this, &TestLayoutsWindow::SetAreaColor);
    }

    connect(AddButton("TestPrevBTN", ArrowGlyph(16, 14, true), 11, 175), &PressableLabel::pressed,
            this, [this](QMouseEvent* event) {
                if (event->button() == Qt::LeftButton) {
                    PreviousLayout();
                }
            });
    connect(AddButton("TestNextBTN", ArrowGlyph(16, 14, false), 136, 175), &PressableLabel::pressed,
            this, [this](QMouseEvent* event) {
                if (event->button() == Qt::LeftButton) {
                    NextLayout();
                }
            });

    nameLabel_ = new PressableLabel(this);
    nameLabel_->setObjectName(QStringLiteral("TestNameLBL"));
    nameLabel_->setFont(Tahoma(false));
    nameLabel_->setStyleSheet(kSilverText);
    nameLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    nameLabel_->setGeometry(32, 175, 99, 14);
    ShowLayout();
}

PressableLabel* TestLayoutsWindow::AddButton(const char* name, QPixmap glyph, int left, int top) {
    auto* button = new PressableLabel(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setPixmap(glyph);
    button->setGeometry(left, top, 16, 14);
    return button;
}

QString TestLayoutsWindow::LayoutName() const {
    return nameLabel_->text();
}

TestLayout TestLayoutsWindow::SeenLayout() const {
    TestLayout seen = layout_;
    const ColorVision vision = ColorVisionOf(settings_.colorVision);
    for (LayoutArea& area : seen.areas) {
        area.color = SimulateColorVision(area.color, vision);
    }
    return seen;
}

void TestLayoutsWindow::ShowLayout() {
    preview_->ShowLayout(SeenLayout());
    const QString name = QString::fromLocal8Bit(layout_.name);
    const ColorVision vision = ColorVisionOf(settings_.colorVision);
    if (vision == ColorVision::Normal) {
        nameLabel_->setText(name);
        nameLabel_->setToolTip({});
        return;
    }
    // The vision's short name after the layout's, which is shortened to fit beside it; the full
    // names are in the tooltip.
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    const QString suffix = QStringLiteral(" \u00B7 ") + text(ColorVisionShortName(vision));
    const QFontMetrics metrics(nameLabel_->font());
    const int room = std::max(0, nameLabel_->width() - metrics.horizontalAdvance(suffix));
    nameLabel_->setText(metrics.elidedText(name, Qt::ElideRight, room) + suffix);
    nameLabel_->setToolTip(name + QStringLiteral(", seen with ") + text(ColorVisionName(vision)));
}

void TestLayoutsWindow::SetColorVision(ColorVision vision) {
    settings_.colorVision = static_cast<int>(vision);
    ShowColorVision();
    emit colorVisionChanged();
}

void TestLayoutsWindow::ShowColorVision() {
    CheckSimulateItem(menus_.Table(), ColorVisionOf(settings_.colorVision));
    ShowLayout();
}

void TestLayoutsWindow::LoadLastLayout() {
    LoadTestLayout(settings_.lastTestLayout);
}

void TestLayoutsWindow::LoadTestLayout(const std::string& name) {
    const auto path = FindLayoutFile(name, folders_.userDataFolder, folders_.programFolder);
    if (!path) {
        return;
    }
    const std::vector<std::string> lines =
        ReadTextLines(*path).value_or(std::vector<std::string>{});
    currentIndex_ = LayoutIndexOf(layoutFiles_, name);
    settings_.lastTestLayout = name;
    try {
        ApplyLayoutLines(layout_, lines, name);
    } catch (const ConversionError& error) {
        ShowLayout();
        emit errorRaised(QString::fromLocal8Bit(error.what()));
        return;
    }
    ShowLayout();
}

void TestLayoutsWindow::NextLayout() {
    if (layoutFiles_.empty()) {
        return;
    }
    currentIndex_ = NextLayoutIndex(currentIndex_, static_cast<int>(layoutFiles_.size()));
    LoadTestLayout(layoutFiles_[static_cast<std::size_t>(currentIndex_)]);
}

void TestLayoutsWindow::PreviousLayout() {
    if (layoutFiles_.empty()) {
        return;
    }
    currentIndex_ = PreviousLayoutIndex(currentIndex_, static_cast<int>(layoutFiles_.size()));
    LoadTestLayout(layoutFiles_[static_cast<std::size_t>(currentIndex_)]);
}

void TestLayoutsWindow::RefreshLayoutColors(bool force) {
    if (!force && !settings_.testAutoColor) {
        return;
    }
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        layout_.areas[static_cast<std::size_t>(i)].color = palette_.SlotColor(i + 1);
    }
    preview_->ShowLayout(SeenLayout());
}

void TestLayoutsWindow::SetAreaColor(int index, TColor color) {
    layout_.areas[static_cast<std::size_t>(index)].color = color;
    preview_->Area(index)->SetColor(
        SimulateColorVision(color, ColorVisionOf(settings_.colorVision)));
}

void TestLayoutsWindow::SetAutoColor(bool on) {
    menus_.Item("AutoColor1")->setChecked(on);
    settings_.testAutoColor = on;
    if (on) {
        RefreshLayoutColors(false);
    }
}

void TestLayoutsWindow::SetAutoPosition(bool on) {
    menus_.Item("Snap1")->setChecked(on);
    settings_.snapTest = on;
}

void TestLayoutsWindow::RenderLayoutImage(PictureTarget target) {
    const PixelImage picture = RenderLayout(SeenLayout());
    SendPicture(picture, target, imageDialog_, clipboard_, dialogs_);
}

void TestLayoutsWindow::CloseTestLayouts() {
    hide();
}

void TestLayoutsWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(mapToGlobal(menuButton_->pos()));
}

void TestLayoutsWindow::CollectSettings(Settings& settings) {
    const QPoint window = SyncWindowPosition(*this);
    settings.testTop = window.y();
    settings.testLeft = window.x();
}

} // namespace twl

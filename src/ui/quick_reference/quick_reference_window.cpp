#include "ui/quick_reference/quick_reference_window.h"

#include "core/placement/window_position.h"
#include "core/quick_reference/reference_layout.h"
#include "core/settings/settings.h"
#include "platform/shell.h"
#include "platform/window_fonts.h"
#include "platform/window_position_sync.h"
#include "ui/common/color_copy.h"
#include "ui/common/pressable_label.h"
#include "ui/common/tool_pictures.h"
#include "ui/common/window_font.h"
#include "ui/quick_palette/quick_palette_glyphs.h"
#include "ui/quick_reference/section_panel.h"

#include <QMenu>
#include <QMouseEvent>

namespace twl {

namespace {

constexpr const char* kW3CServer = "https://www.w3.org";

} // namespace

QuickReferenceWindow::QuickReferenceWindow(const Settings& settings, Clipboard& clipboard,
                                           Shell& shell, const ScreenInfo& screen)
    : ToolWindow(QStringLiteral("Form13")), clipboard_(clipboard), shell_(shell), menus_(*this) {
    setWindowTitle(QStringLiteral("Quick Reference"));
    BuildTitle();
    SetWindowMenu(menus_.WindowMenu());

    const std::vector<ReferenceSection>& sections = ReferenceSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        auto* panel = new SectionPanel(sections[i], this);
        const int index = static_cast<int>(i);
        connect(panel, &SectionPanel::headerClicked, this, [this, index] { ClickHeader(index); });
        connect(panel, &SectionPanel::entryClicked, this,
                [this, index](int entry) { CopyEntry(index, entry); });
        panels_.push_back(panel);
    }
    OpenSection(SectionIndex("char"));

    const Point place =
        QuickReferencePosition(settings.qrefTop, settings.qrefLeft, width(), height(), screen);
    MoveToStoredPlace(place);
}

void QuickReferenceWindow::BuildTitle() {
    auto* strip = new PressableLabel(this);
    strip->setObjectName(QStringLiteral("QRefTitleIMG"));
    strip->setPixmap(TitleStrip(kReferenceWidth - 4, 21));
    strip->setGeometry(2, 2, kReferenceWidth - 4, 21);
    AddMoveHandle(strip);

    auto* title = new PressableLabel(QStringLiteral("HTML Quick Reference"), this);
    title->setObjectName(QStringLiteral("QRefTitleLBL"));
    title->setFont(TahomaFont(8, true));
    title->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192); background: transparent;"));
    title->setGeometry(11, 4, 160, 14);
    AddMoveHandle(title);

    menuButton_ = new PressableLabel(this);
    menuButton_->setObjectName(QStringLiteral("QRefMenuBTN"));
    menuButton_->setPixmap(MenuGlyph(16, 14));
    menuButton_->setGeometry(kReferenceWidth - 22, 5, 16, 14);
    connect(menuButton_, &PressableLabel::pressed, this, [this] {
        menus_.WindowMenu()->popup(menuButton_->mapToGlobal(QPoint(0, menuButton_->height())));
    });
}

void QuickReferenceWindow::ApplyLayout(std::optional<int> openSection) {
    openSection_ = openSection;
    const ReferenceLayout layout = LayOutSections(openSection);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const SectionPlace& place = layout.sections[i];
        panels_[i]->setGeometry(kSectionLeft, place.top, kSectionWidth, place.height);
        panels_[i]->SetOpen(place.open);
    }
    if (isVisible()) {
        ResizeInPlace(*this, kReferenceWidth, layout.windowHeight);
    } else {
        resize(kReferenceWidth, layout.windowHeight);
    }
}

void QuickReferenceWindow::CollapseAll() {
    ApplyLayout(std::nullopt);
}

void QuickReferenceWindow::OpenSection(int index) {
    ApplyLayout(index);
}

void QuickReferenceWindow::ClickHeader(int index) {
    ApplyLayout(ClickSectionHeader(openSection_, index));
}

void QuickReferenceWindow::CopyEntry(int section, int entry) {
    const ReferenceSection& clicked = ReferenceSections().at(static_cast<std::size_t>(section));
    CopyTextToClipboard(clipboard_, clicked.entries.at(static_cast<std::size_t>(entry)).copied);
}

void QuickReferenceWindow::OpenResource(const char* path) {
    shell_.Open(std::string(kW3CServer) + path);
}

void QuickReferenceWindow::ShowQuickReference() {
    EnsureWindowFonts();
    show();
    raise();
    activateWindow();
}

void QuickReferenceWindow::CloseQuickReference() {
    hide();
}

void QuickReferenceWindow::OpenWindowMenuAtButton() {
    menus_.WindowMenu()->popup(mapToGlobal(menuButton_->pos()));
}

void QuickReferenceWindow::CollectSettings(Settings& settings) {
    const QPoint window = SyncWindowPosition(*this);
    settings.qrefTop = window.y();
    settings.qrefLeft = window.x();
}

} // namespace twl

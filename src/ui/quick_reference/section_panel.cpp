#include "ui/quick_reference/section_panel.h"

#include "core/quick_reference/reference_layout.h"
#include "ui/common/pressable_label.h"
#include "ui/common/window_font.h"

#include <QMouseEvent>

namespace twl {

namespace {

const char* const kSilver = "color: rgb(192, 192, 192); background: transparent;";
const char* const kOrange = "color: rgb(241, 187, 1); background: transparent;";

QFont Tahoma(bool bold) {
    return TahomaFont(8, bold);
}

// Plain text always: the snippets hold tags and entities that must show as they are written,
// and "&" is no accelerator.
PressableLabel* AddText(QWidget* parent, const std::string& text, const char* style, bool bold) {
    auto* label = new PressableLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(text.c_str()));
    label->setFont(Tahoma(bold));
    label->setStyleSheet(QString::fromLatin1(style));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A left click: pressed and released over the label. The press is taken, so it does not go on
// to move the window.
template <typename Run> void OnClick(PressableLabel* label, QObject* context, Run run) {
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &PressableLabel::pressed, context, [](QMouseEvent*) {});
    QObject::connect(label, &PressableLabel::released, context, [label, run](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton &&
            label->rect().contains(event->position().toPoint())) {
            run();
        }
    });
}

constexpr int kTextLeft = 8;
constexpr int kTextWidth = kSectionWidth - kTextLeft;
// Where a character stands beside its entity.
constexpr int kCharacterLeft = 90;

} // namespace

SectionPanel::SectionPanel(const ReferenceSection& section, QWidget* parent)
    : QWidget(parent), section_(section) {
    const QString key = QString::fromStdString(section.key);
    setObjectName(key + QStringLiteral("PNL"));

    header_ = AddText(this, SectionHeader(section, false), kSilver, true);
    header_->setObjectName(key + QStringLiteral("LBL"));
    header_->setGeometry(0, 0, kSectionWidth, kSectionHeaderHeight);
    header_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    OnClick(header_, this, [this] { emit headerClicked(); });

    const std::vector<EntryPlace> places = PlaceEntries(section);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const ReferenceEntry& entry = section.entries[i];
        const EntryPlace& place = places[i];
        PressableLabel* snippet = AddText(this, entry.snippet, kOrange, false);
        snippet->setObjectName(key + QString::number(i + 1));
        const bool sideBySide = section.arrangement == EntryArrangement::SideBySide;
        snippet->setGeometry(kTextLeft, place.top,
                             sideBySide ? kCharacterLeft - kTextLeft : kTextWidth,
                             place.snippetLines * kEntryLineHeight);
        if (!entry.copied.empty()) {
            OnClick(snippet, this,
                    [this, index = static_cast<int>(i)] { emit entryClicked(index); });
        }
        if (place.explanationLines > 0) {
            PressableLabel* explanation = AddText(this, entry.explanation, kSilver, false);
            if (sideBySide) {
                explanation->setGeometry(kCharacterLeft, place.top, kTextWidth - kCharacterLeft,
                                         kEntryLineHeight);
            } else {
                explanation->setGeometry(kTextLeft,
                                         place.top + place.snippetLines * kEntryLineHeight,
                                         kTextWidth, place.explanationLines * kEntryLineHeight);
            }
        }
    }
}

void SectionPanel::SetOpen(bool open) {
    header_->setText(QString::fromStdString(SectionHeader(section_, open)));
}

} // namespace twl

#include "ui/quick_palette/named_color_delegate.h"

#include "core/color/color_adjust.h"
#include "core/quick_palette/named_colors.h"
#include "platform/qt_conversions.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace twl {

void NamedColorDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const std::string line = index.data().toString().toStdString();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const bool focused = (option.state & QStyle::State_HasFocus) != 0 ||
                         (option.widget != nullptr && option.widget->hasFocus());
    const QRect row = option.rect;

    // The highlight is a system colour: white text goes on it.
    const bool highlighted = selected && focused;
    const QColor fill =
        highlighted ? option.palette.color(QPalette::Highlight) : ToQColor(NamedColorValue(line));
    const QColor text =
        highlighted ? QColor(Qt::white) : ToQColor(ContrastTextColor(NamedColorValue(line)));
    painter->save();
    painter->fillRect(row, fill);
    painter->setPen(text);

    QFont font = option.font;
    font.setBold(true);
    painter->setFont(font);
    const QRect textArea = row.adjusted(2, 2, 0, 0);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignTop,
                      QString::fromStdString(std::string(NamedColorHexPart(line))));
    font.setBold(false);
    painter->setFont(font);
    painter->drawText(row.adjusted(60, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      QString::fromStdString(std::string(NamedColorNamePart(line))));

    if (selected && focused) {
        painter->setPen(QPen(QColor(255, 0, 0), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    } else if (selected && option.widget != nullptr) {
        QStyleOptionFocusRect frame;
        frame.initFrom(option.widget);
        frame.rect = row;
        frame.backgroundColor = fill;
        option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter,
                                              option.widget);
    }
    painter->restore();
}

QSize NamedColorDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), kRowHeight);
}

} // namespace twl

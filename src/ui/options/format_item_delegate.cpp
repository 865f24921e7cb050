#include "ui/options/format_item_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace twl {

namespace {

const QColor kTemplateGrey(80, 80, 80);

} // namespace

FormatItemDelegate::FormatItemDelegate(Style style, int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), style_(style), rowHeight_(rowHeight) {}

QSize FormatItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

void FormatItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString line = index.data(Qt::DisplayRole).toString();
    const bool formats = style_ == Style::Formats;
    const qsizetype equals = formats ? line.indexOf(QLatin1Char('=')) : -1;
    const QString name = equals < 0 ? line : line.left(equals);
    const QString templ = equals < 0 ? QString() : line.mid(equals + 1);

    const QPalette& colors = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = option.state & QStyle::State_HasFocus ||
                         (option.widget != nullptr && option.widget->hasFocus());
    const bool enabled = option.state & QStyle::State_Enabled;
    const QRect row = option.rect;

    QColor text = colors.color(QPalette::Text);
    if (selected && focused) {
        painter->fillRect(row, colors.color(QPalette::Highlight));
        text = colors.color(QPalette::HighlightedText);
    } else if (formats && index.row() % 2 == 1) {
        painter->fillRect(row, colors.color(QPalette::Button));
    } else {
        painter->fillRect(row, colors.color(QPalette::Base));
    }
    if (!enabled) {
        text = colors.color(QPalette::Disabled, QPalette::Text);
    }

    painter->save();
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(text);
    const QPoint at = row.topLeft() + (formats ? QPoint(2, 2) : QPoint(4, 3));
    const QFontMetrics boldMetrics(bold);
    painter->drawText(at + QPoint(0, boldMetrics.ascent()), name);
    if (formats) {
        painter->setFont(option.font);
        painter->setPen(enabled ? kTemplateGrey : text);
        const QPoint templateAt = at + QPoint(boldMetrics.horizontalAdvance(name) + 8, 0);
        painter->drawText(templateAt + QPoint(0, boldMetrics.ascent()), templ);
    }
    if (selected && focused) {
        painter->setPen(QPen(Qt::red, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    } else if (selected) {
        QStyleOptionFocusRect frame;
        frame.initFrom(option.widget);
        frame.rect = row;
        // Styles draw it only once the keyboard has moved the focus; the current row's mark must
        // show from the first showing on.
        frame.state |= QStyle::State_KeyboardFocusChange;
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter,
                                             option.widget);
    }
    painter->restore();
}

} // namespace twl

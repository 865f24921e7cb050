#pragma once
// Draws one row of the named-colour list: the row filled with its colour (the highlight when it
// is selected and the list has the focus), the colour part in bold at +2 and the name at +60 in
// the contrasting text colour, and a frame around the selected row.

#include <QStyledItemDelegate>

namespace twl {

class NamedColorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace twl

#pragma once
// Draws a row of the format list (CFormatsLB): the name in bold at 2, 2 and, 8 pixels after it,
// the template in grey; odd rows striped, the focused selection with a dotted red frame. With
// names only it draws the page-name list (TabsLB): no stripes, text at 4, 3.

#include <QStyledItemDelegate>

namespace twl {

class FormatItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Style { Formats, PageNames };
    FormatItemDelegate(Style style, int rowHeight, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Style style_;
    int rowHeight_;
};

} // namespace twl

#pragma once
// Draws the fonts preview's items: each a selected font's name, small and grey, above the sample
// text in that font at the preview size, with a silver line along the bottom. Every item is as
// tall as its font's text plus 24 pixels; selected items look like the others.

#include <QStyledItemDelegate>

namespace twl {

class FontPreviewDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The font an item of that name is shown in: "Default" is the program's own font.
    static QFont PreviewFont(const QString& name, int pointSize);
    // The height of a line of text ("WgabcdefghiABCDEFGHI") in that font plus 24.
    static int ItemHeight(const QString& name, int pointSize);

    // The sample shown by every item; "(Font Name)" shows each item's own name.
    void SetSample(const QString& sample) { sample_ = sample; }
    void SetPointSize(int pointSize) { pointSize_ = pointSize; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QString sample_;
    int pointSize_ = 16;
};

} // namespace twl

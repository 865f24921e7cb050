#include "ui/fonts/font_preview_delegate.h"

#include "core/fonts/sample_texts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace twl {

QFont FontPreviewDelegate::PreviewFont(const QString& name, int pointSize) {
    QFont font = name == QLatin1String("Default") ? QApplication::font() : QFont(name);
    font.setPointSize(pointSize);
    return font;
}

int FontPreviewDelegate::ItemHeight(const QString& name, int pointSize) {
    // A line of text is as tall as the font's ascent and descent, whatever its letters.
    return QFontMetrics(PreviewFont(name, pointSize)).height() + 24;
}

QSize FontPreviewDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    return QSize(option.rect.width(), ItemHeight(index.data().toString(), pointSize_));
}

void FontPreviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QRect item = option.rect;
    const QString name = index.data().toString();
    const QString shown = sample_ == QLatin1String(kFontNameSample) ? name : sample_;
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

    painter->save();
    painter->fillRect(item, Qt::white);

    QFont label(QStringLiteral("Tahoma"));
    label.setPointSize(8);
    painter->setFont(label);
    painter->setPen(QColor(128, 128, 128));
    painter->drawText(item.adjusted(2, 2, 0, 0), kFlags, name);

    painter->setFont(PreviewFont(name, pointSize_));
    painter->setPen(Qt::black);
    painter->drawText(item.adjusted(2, 18, 0, 0), kFlags, shown);

    // The line lies two pixels above the item's end (the next item's top).
    const int lineY = item.top() + item.height() - 2;
    painter->setPen(QColor(192, 192, 192));
    painter->drawLine(item.left(), lineY, item.right(), lineY);
    painter->restore();
}

} // namespace twl
